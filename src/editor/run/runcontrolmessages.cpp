#include "runcontrolmessages.h"

#include <array>

namespace zimo::runmsg
{

QString pause() { return QStringLiteral("Pauze"); }
QString step() { return QStringLiteral("Solis"); }
QString stopMark() { return QStringLiteral("Apstāšanās vieta"); }
QString inspector() { return QStringLiteral("Stāvoklis"); }
QString continueProgram() { return QStringLiteral("Turpināt programmu"); }

QString runGroup() { return QStringLiteral("Izpilde"); }
QString turtleGroup() { return QStringLiteral("Bruņurupucis"); }
QString position() { return QStringLiteral("Vieta (x, y)"); }
QString angle() { return QStringLiteral("Leņķis"); }
QString pen() { return QStringLiteral("Spalva"); }
QString penDown() { return QStringLiteral("nolaista"); }
QString penUp() { return QStringLiteral("pacelta"); }
QString width() { return QStringLiteral("Biezums"); }
QString colour() { return QStringLiteral("Krāsa"); }

QString colourValue(int number, const QString& hex)
{
    return number > 0 ? QStringLiteral("Nr. %1").arg(number) : hex;
}

QString lineStyle() { return QStringLiteral("Līnijas stils"); }

QString lineStyleName(int style)
{
    static constexpr std::array<QStringView, 6> Names { u"nepārtraukta", u"svītras", u"punkti",
        u"svītra un punkts", u"svītra un divi punkti", u"neredzama" };
    if (style < 0 || style >= int(Names.size()))
        return QString::number(style);
    return Names[size_t(style)].toString();
}

QString speed() { return QStringLiteral("Ātrums"); }
QString variablesGroup() { return QStringLiteral("Mainīgie"); }
QString noneYet() { return QStringLiteral("nav"); }
QString forLoopsGroup() { return QStringLiteral("Cikli \"no ... lidz\""); }

QString forLoopValue(int current, int end, int step, int line)
{
    return QStringLiteral("%1 → %2, solis %3 (%4. rinda)")
        .arg(current)
        .arg(end)
        .arg(step)
        .arg(line);
}

QString repeatGroup() { return QStringLiteral("Atkārtojumi \"atkartot\""); }

QString repeatValue(int count, int line)
{
    return QStringLiteral("%1 reizes (%2. rinda)").arg(count).arg(line);
}

QString callGroup() { return QStringLiteral("Procedūra"); }

QString inProcedure(int returnLine)
{
    return QStringLiteral("iekšā; atgriežas %1. rindā").arg(returnLine);
}

QString notInProcedure() { return QStringLiteral("nav iekšā"); }
QString nextLine() { return QStringLiteral("Nākamā rinda"); }
QString lineNumber(int line) { return QStringLiteral("%1. rinda").arg(line); }
QString stepsMade() { return QStringLiteral("Izpildīti soļi"); }

} // namespace zimo::runmsg
