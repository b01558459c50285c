#include "reset.h"

#include "machine.h"

#include "platform/rasterpage.h"

namespace zimo
{

void sakums(Machine& m)
{
    ProgramState& p = m.program;
    p.procedureCount = 0;
    p.returnLine = 0;
    m.turtle.spriteVisible = true;
    m.variables.clear();
    p.forDepth = 0;
    p.repeatDepth = 0;
    p.inProcedure = false;
    m.pen.steeringThickness = 1;
    m.page.setPenWidth(1);
    m.pen.penDown = true;
    m.pen.atrums = 300 * FixedScale;

    Turtle& t = m.turtle;
    t.x = m.page.width() / 2.0;
    t.y = m.page.height() / 2.0;
    t.prevX = t.x;
    t.prevY = t.y;
    t.heading = 360;
    trissturis(t, t.x, t.y, t.heading);
    m.pen.lineColour = 0;
}

} // namespace zimo
