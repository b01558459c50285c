#include "pencommands.h"

#include "interpreter/machine.h"
#include "platform/rasterpage.h"

namespace zimo
{

void linijas_krasa(Machine& m, int q)
{
    m.drawing.pen.lineColour = colourOfNumber(numericArgument(m, 1, q));
}

void fona_krasa(Machine& m, int q)
{
    m.drawing.setBackground(colourOfNumber(numericArgument(m, 1, q)));
}

void biezums(Machine& m, int q)
{
    double width = numericArgument(m, 1, q);
    if (!(width >= 1))
        width = 1;
    width = roundHalfEven(width);
    m.drawing.setPenWidth(width > RasterPage::MaxPenWidth ? RasterPage::MaxPenWidth : int(width));
}

void atrums(Machine& m, int q) { m.drawing.pen.atrums = toFixed(numericArgument(m, 1, q)); }

void pauseCommand(Machine& m, int q) { m.drawing.pauze(numericArgument(m, 1, q)); }

void notirit_lapu(Machine& m) { m.drawing.erase(); }

void sakne(Machine& m) { m.drawing.home(); }

} // namespace zimo
