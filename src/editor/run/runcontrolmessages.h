#pragma once

#include <QString>

/// The Latvian texts of run control: the "Programma" and "Skats" menu entries and the state
/// inspector.
namespace zimo::runmsg
{

QString pause();
QString step();
QString stopMark();
QString inspector();
/// Tooltip of the Run button while a run is paused.
QString continueProgram();

// The inspector's groups and rows.
QString runGroup();
QString turtleGroup();
QString position();
QString angle();
QString pen();
QString penDown();
QString penUp();
QString width();
QString colour();
/// "Nr. 10" for a table colour, the hex code for any other.
QString colourValue(int number, const QString& hex);
QString lineStyle();
/// The name of line style 0..5.
QString lineStyleName(int style);
QString speed();
QString variablesGroup();
QString noneYet();
QString forLoopsGroup();
/// "1 → 10, solis 2 (3. rinda)"
QString forLoopValue(int current, int end, int step, int line);
QString repeatGroup();
/// "3 reizes (2. rinda)"
QString repeatValue(int count, int line);
QString callGroup();
QString inProcedure(int returnLine);
QString notInProcedure();
QString nextLine();
/// "5. rinda"
QString lineNumber(int line);
QString stepsMade();

} // namespace zimo::runmsg
