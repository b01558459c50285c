#include "pageframe.h"

#include "platform/rasterpage.h"
#include "program/machine.h"

namespace zimo
{

void captureFrame(const Machine& m, PageFrame& frame)
{
    m.page.copyTo(frame.image);
    const Turtle& t = m.turtle;
    frame.sprite = t.sprite;
    frame.spriteVisible = t.spriteVisible;
    frame.x = t.x;
    frame.y = t.y;
    frame.displayAngle = t.displayAngle;
    frame.lineColour = m.pen.lineColour;
}

} // namespace zimo
