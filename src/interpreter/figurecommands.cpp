#include "figurecommands.h"

#include "interpreter/machine.h"
#include "program/messages.h"
#include "program/runerror.h"
#include "turtle/figures.h"
#include "turtle/floodfill.h"

namespace zimo
{

namespace
{

struct Args {
    double a, b, c;
};

Args readArgs(const Machine& m, int q)
{
    return { numericArgument(m, 1, q), numericArgument(m, 2, q), numericArgument(m, 3, q) };
}

} // namespace

void zieds(Machine& m, int q)
{
    const auto [n, w, h] = readArgs(m, q);
    drawFlower(m.drawing, n, w, h);
}

void zvaigzne(Machine& m, int q)
{
    const auto [type, w, h] = readArgs(m, q);
    drawStar(m.drawing, type, w, h);
}

void daudzsturis(Machine& m, int q)
{
    const auto [n, w, h] = readArgs(m, q);
    // No corners would divide by zero; fewer than none would never reach the end test.
    if (!(n > 0))
        fail(msg::figureCornerCount());
    drawPolygon(m.drawing, n, w, h);
}

void stari(Machine& m, int q)
{
    const auto [n, w, h] = readArgs(m, q);
    if (!(n > 0))
        fail(msg::figureRayCount());
    drawRays(m.drawing, n, w, h);
}

void sinusoida(Machine& m, int q)
{
    const auto [length, amplitude, period] = readArgs(m, q);
    if (period == 0 && length != 0)
        fail(msg::sineWithoutPeriod());
    drawSine(m.drawing, length, amplitude, period);
}

void spirale(Machine& m, int q)
{
    const double turns = numericArgument(m, 1, q);
    const double spacing = numericArgument(m, 2, q);
    drawSpiral(m.drawing, turns, spacing);
}

void krasot(Machine& m, int q)
{
    const double x = numericArgument(m, 1, q);
    const double y = numericArgument(m, 2, q);
    const Colour border = colourOfNumber(numericArgument(m, 3, q));
    m.drawing.pen.lineColour = border;
    const Colour fill = colourOfNumber(numericArgument(m, 4, q));
    aizpildit(m.drawing, x, y, border, fill);
}

} // namespace zimo
