#include "movementcommands.h"

#include "interpreter/machine.h"
#include "program/keywords.h"
#include "turtle/movement.h"

#include <cmath>

namespace zimo
{

namespace
{

// "linijas stils" with a style number 1..6; anything else is solid.
void linijas_stils(Machine& m, int q)
{
    double s = numericArgument(m, 1, q);
    if (s < 1 || s > 6 || std::isnan(s))
        s = 1;
    m.drawing.setLineStyle(int(roundHalfEven(s - 1)));
}

} // namespace

void liniju_zimesana(Machine& m, int& q)
{
    using namespace kw;
    const Mask mask = m.program.mask(q);
    auto holds = [mask](Key key) { return (mask & bit(key)) != 0; };
    const bool conditional = holds(KTad);

    if (holds(KLinijasStils) && !conditional)
        linijas_stils(m, q);

    bool noPen = false;
    if (!holds(KLenkis)) {
        noPen = holds(KParvietot);
        struct Move {
            Key keyword;
            double dx, dy, heading;
        };
        static constexpr Move moves[] = {
            { KUzAugsu, 0, -1, 270 },
            { KUzLeju, 0, 1, 90 },
            { KPaLabi, 1, 0, 180 },
            { KPaKreisi, -1, 0, 0 },
        };
        for (const Move& move : moves) {
            if (!holds(move.keyword) || conditional)
                continue;
            moveAlong(m.drawing, move.dx, move.dy, numericArgument(m, 1, q), move.heading, !noPen);
        }
    }

    if (holds(KUzPrieksu) && !conditional)
        moveForward(m.drawing, numericArgument(m, 1, q), !noPen);
}

void setHeading(Machine& m, int q) { setAngle(m.drawing, numericArgument(m, 1, q)); }

void turnLeft(Machine& m, int q) { turnBy(m.drawing, numericArgument(m, 1, q)); }

void turnRight(Machine& m, int q) { turnBy(m.drawing, -numericArgument(m, 1, q)); }

void koordinatas(Machine& m, int q)
{
    // Both names are looked up before either coordinate changes, so "x" and "y" read the
    // position the turtle had.
    const double x = numericArgument(m, 1, q);
    const double y = numericArgument(m, 2, q);
    moveTo(m.drawing, x, y);
}

} // namespace zimo
