#include "messages.h"

#include "program/numbers.h"

#include <cmath>

namespace zimo::msg
{

QString errorAt(int line, const QString& reason)
{
    return QStringLiteral("Kļūda %1. rindā: %2").arg(line).arg(reason);
}

QString tooManyLines() { return QStringLiteral("programmā ir vairāk nekā 1000 rindu."); }

QString tooManyProcedures() { return QStringLiteral("programmā ir vairāk nekā 100 procedūru."); }

QString procedureWithoutEnd()
{
    return QStringLiteral("procedūrai trūkst rindas „proceduras beigas”.");
}

QString lineOutsideProgram(int line)
{
    return QStringLiteral("programmai nav %1. rindas.").arg(line);
}

QString commaBeforeBlank()
{
    return QStringLiteral("komats stāv pirms atstarpes; argumentus raksti bez atstarpēm, "
                          "piemēram „koordinatas 100,200”.");
}

QString blankAtLineEnd() { return QStringLiteral("rindas beigās ir lieka atstarpe; izdzēs to."); }

QString outOfInt16(double value)
{
    return QStringLiteral("skaitlis %1 neietilpst robežās no -32768 līdz 32767.")
        .arg(numberText(value));
}

QString outOfFixedRange(double value)
{
    return QStringLiteral("skaitlis %1 ir pārāk liels.").arg(numberText(value));
}

QString notANumber(const QString& text) { return QStringLiteral("„%1” nav skaitlis.").arg(text); }

QString tooManyVariables() { return QStringLiteral("programmā ir vairāk nekā 100 mainīgo."); }

QString amountNotANumber(const QString& text)
{
    return QStringLiteral("„%1” nav skaitlis, par ko mainīt vērtību.").arg(text);
}

QString conditionWithoutOperator()
{
    return QStringLiteral("nosacījumā pirms „tad” trūkst zīmes =, > vai <.");
}

QString branchUnreadable() { return QStringLiteral("„citadi” jāraksta pēc „tad”."); }

QString loopNameUnreadable()
{
    return QStringLiteral("ciklam jābūt rakstītam kā „no a=1 lidz 10”.");
}

QString tooManyForLoops()
{
    return QStringLiteral("vienlaikus atvērti vairāk nekā 100 cikli „no”.");
}

QString tooManyRepeatBlocks()
{
    return QStringLiteral("vienlaikus atvērti vairāk nekā 100 bloki „atkartot”.");
}

QString nextWithoutLoop() { return QStringLiteral("„nakosais” bez atvērta cikla „no”."); }

QString endWithoutRepeat() { return QStringLiteral("„beigas” bez atvērta bloka „atkartot”."); }

QString emptyLoopWithZeroStep()
{
    return QStringLiteral("cikls ar soli 0 un bez rindām nekad nebeigtos.");
}

QString nestedTooDeep(int levels)
{
    return QStringLiteral("cikla atkārtojumi ieslīga cits citā dziļāk par %1 līmeņiem; "
                          "vai „beigt” vai „iet uz” neaizved atpakaļ uz cikla beigām?")
        .arg(levels);
}

QString tooManySteps(qint64 limit)
{
    return QStringLiteral("programma izpildīja %1 soļu un netika līdz galam; "
                          "varbūt tā atkārtojas bezgalīgi.")
        .arg(limit);
}

QString tooManyFigureSteps(qint64 limit)
{
    return QStringLiteral("figūras zīmēja %1 soļu un netika līdz galam.").arg(limit);
}

QString figureCornerCount() { return QStringLiteral("stūru skaitam jābūt lielākam par 0."); }

QString figureRayCount() { return QStringLiteral("staru skaitam jābūt lielākam par 0."); }

QString sineWithoutPeriod()
{
    return QStringLiteral("sinusoīdas periods nedrīkst būt 0, ja garums nav 0.");
}

QString stoppedByUser() { return QStringLiteral("Programma apturēta."); }

QString workFileNotWritten(const QString& name, const QString& reason)
{
    return QStringLiteral("Darba failu „%1” neizdevās ierakstīt vai nolasīt: %2. "
                          "Programma tiek izpildīta no teksta loga.")
        .arg(name, reason);
}

QString angleLabel(double displayAngle)
{
    return QStringLiteral("Lenķis: ") + numberText(std::floor(displayAngle));
}

QString coordinateLabel(double x, double y)
{
    return QStringLiteral("Koordinātas X:") + numberText(std::floor(x)) + QStringLiteral("  Y:")
        + numberText(std::floor(y));
}

} // namespace zimo::msg
