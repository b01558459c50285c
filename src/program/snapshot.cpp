#include "snapshot.h"

#include "machine.h"

#include "platform/rasterpage.h"
#include "turtle/pen.h"

namespace zimo
{

int colourNumberOf(Colour colour)
{
    for (size_t i = 0; i < ColourTable.size(); ++i) {
        if (ColourTable[i] == colour)
            return int(i) + 1;
    }
    return 0;
}

void captureSnapshot(const Machine& m, int line, std::int64_t steps, StateSnapshot& into)
{
    into.line = line;
    into.steps = steps;
    const Turtle& t = m.turtle;
    into.x = t.x;
    into.y = t.y;
    into.displayAngle = t.displayAngle;
    into.penDown = m.pen.penDown;
    into.penWidth = m.page.penWidth();
    into.lineColour = m.pen.lineColour;
    into.colourNumber = colourNumberOf(m.pen.lineColour);
    into.lineStyle = m.page.lineStyle();
    into.speed = m.pen.atrums;

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
