#include "pageframe.h"

#include "platform/rasterpage.h"
#include "interpreter/machine.h"

namespace zimo
{

void captureFrame(const Machine& m, PageFrame& frame)
{
    m.drawing.page.copyTo(frame.image);
    const Turtle& t = m.drawing.turtle;
    frame.sprite = t.sprite;
    frame.spriteVisible = t.spriteVisible;
    frame.x = t.x;
    frame.y = t.y;
    frame.displayAngle = t.displayAngle;
    frame.lineColour = m.drawing.pen.lineColour;
}

} // namespace zimo
