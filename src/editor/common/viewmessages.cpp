#include "viewmessages.h"

namespace zimo::viewmsg
{

QString grid() { return QStringLiteral("&Režģis"); }
QString protractor() { return QStringLiteral("&Transportieris"); }
QString ruler() { return QStringLiteral("&Lineāls"); }
QString wholePage() { return QStringLiteral("&Visa lapa"); }
QString fittingScale() { return QStringLiteral("Mērogs &ekrānam"); }
QString fullScreen() { return QStringLiteral("Pil&nekrāns"); }
QString highContrast() { return QStringLiteral("&Kontrastains"); }

QString measured(int length, int angle)
{
    return QStringLiteral("Garums %1, lenķis %2").arg(length).arg(degrees(angle));
}

QString insertLines(const QString& lines) { return QStringLiteral("Ievietot: ") + lines; }
QString insertLinesTip() { return QStringLiteral("Pievieno šīs rindas programmas beigās"); }
QString degrees(int angle) { return QStringLiteral("%1°").arg(angle); }

QString nothingToTakeBack() { return QStringLiteral("Nav soļa, ko atsaukt."); }

QString stepCannotBeTakenBack()
{
    return QStringLiteral("Šo soli vairs nevar atsaukt: programma vai zīmējums ir mainījies.");
}

} // namespace zimo::viewmsg
