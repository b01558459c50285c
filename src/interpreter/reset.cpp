#include "reset.h"

#include "interpreter/machine.h"
#include "platform/rasterpage.h"

namespace zimo
{

void sakums(Machine& m)
{
    ProgramState& p = m.program;
    p.procedureCount = 0;
    p.returnLine = 0;
    m.drawing.turtle.spriteVisible = true;
    m.variables.clear();
    p.forDepth = 0;
    p.repeatDepth = 0;
    p.inProcedure = false;
    m.drawing.pen.steeringThickness = 1;
    m.drawing.setPenWidth(1);
    m.drawing.pen.penDown = true;
    m.drawing.pen.atrums = 300 * FixedScale;

    Turtle& t = m.drawing.turtle;
    t.x = m.drawing.page.width() / 2.0;
    t.y = m.drawing.page.height() / 2.0;
    t.prevX = t.x;
    t.prevY = t.y;
    t.heading = 360;
    trissturis(t, t.x, t.y, t.heading);
    m.drawing.pen.lineColour = 0;
}

} // namespace zimo
