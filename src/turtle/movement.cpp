#include "movement.h"

#include "interpreter/arguments.h"
#include "interpreter/keywords.h"
#include "interpreter/variables.h"
#include "platform/rasterpage.h"
#include "program/machine.h"
#include "program/trace.h"

#include <cmath>

namespace zimo
{

void drawSegment(Machine& m, double x1, double y1, double x2, double y2)
{
    const float fx1 = float(x1), fy1 = float(y1), fx2 = float(x2), fy2 = float(y2);
    m.page.drawLine(QPointF(fx1, fy1), QPointF(fx2, fy2), m.pen.lineColour);
    if (m.run.trace)
        m.run.trace->seg(
            fx1, fy1, fx2, fy2, m.pen.lineColour, m.page.penWidth(), m.page.lineStyle());
}

void segmentTo(Machine& m, double x, double y)
{
    const QPointF from = m.page.currentPoint();
    drawSegment(m, from.x(), from.y(), x, y);
}

void draw_line(Machine& m)
{
    drawSegment(m, m.turtle.prevX, m.turtle.prevY, m.turtle.x, m.turtle.y);
}

void liniju_zimesana(Machine& m, int& q)
{
    using namespace kw;
    const Mask mask = m.program.mask(q);
    auto holds = [mask](Key key) { return (mask & bit(key)) != 0; };
    const bool conditional = holds(KTad);
    Turtle& t = m.turtle;

    if (holds(KLinijasStils) && !conditional) {
        double s = numericArgument(m, 1, q);
        if (s < 1 || s > 6 || std::isnan(s))
            s = 1;
        m.page.setLineStyle(int(roundHalfEven(s - 1)));
    }

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
            const double d = numericArgument(m, 1, q);
            t.x += move.dx * d;
            t.y += move.dy * d;
            t.heading = move.heading;
            if (!noPen)
                draw_line(m);
        }
    }

    if (holds(KUzPrieksu) && !conditional) {
        const double d = numericArgument(m, 1, q);
        const double h = t.heading / Turtle::DegreesPerRadian;
        t.x -= d * std::cos(h);
        t.y += d * std::sin(h);
        if (!noPen)
            draw_line(m);
    }
}

void setHeading(Machine& m, int q) { m.turtle.heading = numericArgument(m, 1, q) + 180.0; }

void turnLeft(Machine& m, int q) { m.turtle.heading += numericArgument(m, 1, q); }

void turnRight(Machine& m, int q) { m.turtle.heading -= numericArgument(m, 1, q); }

void koordinatas(Machine& m, int q)
{
    // Both names are looked up before either coordinate changes, so "x" and "y" read the
    // position the turtle had.
    const double x = numericArgument(m, 1, q);
    const double y = numericArgument(m, 2, q);
    m.turtle.x = x;
    m.turtle.y = y;
}

} // namespace zimo
