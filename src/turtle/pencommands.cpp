#include "pencommands.h"

#include "pen.h"

#include "interpreter/arguments.h"
#include "interpreter/variables.h"
#include "platform/rasterpage.h"
#include "program/machine.h"
#include "program/trace.h"

#include <cmath>

namespace zimo
{

void linijas_krasa(Machine& m, int q)
{
    m.pen.lineColour = colourOfNumber(numericArgument(m, 1, q));
}

void fona_krasa(Machine& m, int q)
{
    const Colour colour = colourOfNumber(numericArgument(m, 1, q));
    m.page.setBackground(colour);
    if (m.run.trace)
        m.run.trace->bg(colour);
}

void biezums(Machine& m, int q)
{
    double width = numericArgument(m, 1, q);
    if (!(width >= 1))
        width = 1;
    width = roundHalfEven(width);
    m.page.setPenWidth(width > RasterPage::MaxPenWidth ? RasterPage::MaxPenWidth : int(width));
}

void atrums(Machine& m, int q) { m.pen.atrums = toFixed(numericArgument(m, 1, q)); }

void notirit_lapu(Machine& m)
{
    m.page.erase();
    if (m.run.trace)
        m.run.trace->clear();
}

void sakne(Machine& m)
{
    Turtle& t = m.turtle;
    t.x = float(m.page.width()) / 2.0f;
    t.y = float(m.page.height()) / 2.0f;
    t.heading = 360;
    trissturis(t, t.x, t.y, t.heading);
}

} // namespace zimo
