#include "snapshot.h"

#include "interpreter/machine.h"
#include "platform/rasterpage.h"

namespace zimo
{

void captureSnapshot(const Machine& m, int line, std::int64_t steps, StateSnapshot& into)
{
    into.line = line;
    into.steps = steps;
    const Drawing& d = m.drawing;
    const Turtle& t = d.turtle;
    into.x = t.x;
    into.y = t.y;
    into.displayAngle = t.displayAngle;
    into.penDown = d.pen.penDown;
    into.penWidth = d.page.penWidth();
    into.lineColour = d.pen.lineColour;
    into.colourNumber = colourNumberOf(d.pen.lineColour);
    into.lineStyle = d.page.lineStyle();
    into.speed = d.pen.atrums;

    // Slot 0 keeps the empty name and is no variable of the program.
    into.variables.clear();
    for (int i = 1; i <= m.variables.count(); ++i)
        into.variables.push_back({ m.variables.name(i), m.variables.value(i) });

    const ProgramState& p = m.program;
    into.forLoops.assign(p.forStack.begin() + 1, p.forStack.begin() + 1 + p.forDepth);
    into.repeatBlocks.assign(p.repeatStack.begin() + 1, p.repeatStack.begin() + 1 + p.repeatDepth);
    into.inProcedure = p.inProcedure;
    into.returnLine = p.returnLine;
}

} // namespace zimo
