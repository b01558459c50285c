#pragma once

#include <QString>

/// Every text of the core that a user may read, in Latvian.
namespace zimo::msg
{

/// "Kļūda 12. rindā: reason"
QString errorAt(int line, const QString& reason);

QString tooManyLines();
QString tooManyProcedures();
QString procedureWithoutEnd();
QString lineOutsideProgram(int line);
QString commaBeforeBlank();
/// The same when the only blank after the comma ends the line.
QString blankAtLineEnd();
QString outOfInt16(double value);
QString outOfFixedRange(double value);
QString notANumber(const QString& text);
QString tooManyVariables();
QString amountNotANumber(const QString& text);
QString conditionWithoutOperator();
QString branchUnreadable();
QString loopNameUnreadable();
QString tooManyForLoops();
QString tooManyRepeatBlocks();
QString nextWithoutLoop();
QString endWithoutRepeat();
QString emptyLoopWithZeroStep();
QString nestedTooDeep(int levels);
QString tooManySteps(qint64 limit);
QString tooManyFigureSteps(qint64 limit);
QString figureCornerCount();
QString figureRayCount();
QString sineWithoutPeriod();
QString stoppedByUser();
/// The work file failed; the run goes on from the text in the window.
QString workFileNotWritten(const QString& name, const QString& reason);

/// Status labels under the page.
QString angleLabel(double displayAngle);
QString coordinateLabel(double x, double y);

} // namespace zimo::msg
