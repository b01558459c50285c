#include "exportmessages.h"

#include <QDate>

namespace zimo::exportmsg
{

QString unnamedProgram() { return QStringLiteral("Programma bez nosaukuma"); }

QString dateText(const QDate& date) { return date.toString(QStringLiteral("dd.MM.yyyy.")); }

QString documentNotMade() { return QStringLiteral("dokumentu neizdevās izveidot"); }

QString animationNotMade() { return QStringLiteral("animāciju neizdevās izveidot"); }

} // namespace zimo::exportmsg
