#pragma once

#include <QString>

namespace zimo
{

class CommandInserter;
class Drawing;
struct ProgramState;
struct Recorded;

/// Number of sample-figure buttons in the toolbar.
inline constexpr int SampleCount = 10;

/// The ready figure line sample button index (0-9) inserts; empty for any other index.
QString sampleLine(int index);

/// Sample button: appends the sample line of button index to text and explains it.
Recorded com_Click(CommandInserter& inserter, const QString& text, int index);

/// "Notīrīt lapu": the page turns white, which erases the drawing and any background a
/// program set (through the drawing model, so its listeners start afresh). The sprite, the
/// pen and the program text stay.
void Command2_Click(Drawing& drawing);

/// "Notīrīt komandu logu": empties the line array, so the next appended line is line 1.
/// The window empties its text box; the work file, the help and the last recorded angle
/// stay.
void Command4_Click(ProgramState& program);

} // namespace zimo
