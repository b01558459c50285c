#include "figures.h"

#include "turtle/drawing.h"

#include <cmath>

namespace zimo
{

namespace
{

constexpr double Pi = Turtle::Pi;

double speed(const Drawing& d) { return fromFixed(d.pen.atrums); }

// One animated step: the segment, the page shown, the sprite at (sx, sy), the delay.
void step(Drawing& d, double toX, double toY, double sx, double sy, double delay)
{
    d.figureStep();
    d.segmentTo(toX, toY);
    d.present();
    trissturis(d.turtle, sx, sy, d.turtle.heading);
    d.pauze(delay);
}

} // namespace

void drawFlower(Drawing& d, double n, double w, double h)
{
    Turtle& t = d.turtle;
    d.moveDrawingPointTo(t.x, t.y);
    t.x -= w;
    t.y -= h;
    double a = 0;
    do {
        a += 0.03;
        // The radius is kept to four decimals, as the fixed-point numbers are.
        const double r = roundHalfEven(std::sin(n * a) * 10000.0) / 10000.0;
        t.heading = Turtle::DegreesPerRadian * a;
        step(d, t.x + w * (r * std::cos(a) + 1), t.y + h * (r * std::sin(a) + 1), t.x + w, t.y + h,
            speed(d) / 5);
    } while (!(a >= Pi));
    t.x += w;
    t.y += h;
}

void drawStar(Drawing& d, double type, double w, double h)
{
    struct Star {
        double a, b, limit;
    };
    static constexpr Star stars[] = { { 2, 5, 10 }, { 3, 7, 15 }, { 5, 11, 28 } };
    const Star& star = type == 2 ? stars[1] : type == 3 ? stars[2] : stars[0];
    Turtle& t = d.turtle;
    d.moveDrawingPointTo(t.x, t.y - h / 2);
    t.x -= w / 2;
    t.y -= h / 2;
    double a = -Pi / 2;
    do {
        a += 2 * star.a * Pi / star.b;
        lenka_kontrole(t, a);
        step(d, t.x + (w / 2) * (std::cos(a) + 1), t.y + (h / 2) * (std::sin(a) + 1), t.x + w / 2,
            t.y + h / 2, speed(d));
    } while (!(a >= star.limit));
    t.x += w / 2;
    t.y += h / 2;
}

void drawPolygon(Drawing& d, double n, double w, double h)
{
    if (!(n > 0))
        return;
    Turtle& t = d.turtle;
    double a = -Pi / 2;
    const double s = 2 * Pi / n;
    t.x -= w;
    t.y -= h;
    d.moveDrawingPointTo(t.x + w * (std::cos(a + s) + 1), t.y + h * (std::sin(a + s) + 1));
    do {
        a += s;
        lenka_kontrole(t, a);
        step(d, t.x + w * (std::cos(a) + 1), t.y + h * (std::sin(a) + 1), t.x + w, t.y + h,
            speed(d));
    } while (!(a > 5));
    t.x += w;
    t.y += h;
}

void drawRays(Drawing& d, double n, double w, double h)
{
    if (!(n > 0))
        return;
    Turtle& t = d.turtle;
    double a = 0;
    const double s = 360 / n;
    do {
        a += s;
        // The degrees go in as radians: the heading after the rays is what that gives.
        lenka_kontrole(t, a);
        d.moveDrawingPointTo(t.x, t.y);
        step(d, (t.x - w) + w * (std::cos(a / Turtle::DegreesPerRadian) + 1),
            (t.y - h) + h * (std::sin(a / Turtle::DegreesPerRadian) + 1), t.x, t.y, speed(d));
    } while (!(a >= 360));
}

void drawSine(Drawing& d, double length, double amplitude, double period)
{
    if (period == 0 && length != 0)
        return;
    Turtle& t = d.turtle;
    d.moveDrawingPointTo(t.x, t.y + amplitude * std::sin(t.x));
    double a = 0;
    do {
        d.figureStep();
        const double x = t.heading - 180 > 90 ? t.x - period * a : t.x + period * a;
        d.segmentTo(x, t.y + amplitude * std::sin(t.x + a));
        trissturis(t, x, t.y, t.heading);
        d.present();
        d.pauze(speed(d) / 5);
        a += 0.2;
    } while (!(std::fabs(period * a) >= std::fabs(length)));
    t.x = t.heading - 180 > 90 ? t.x - period * a : t.x + period * a;
}

void drawSpiral(Drawing& d, double turns, double spacing)
{
    Turtle& t = d.turtle;
    d.moveDrawingPointTo(t.x, t.y);
    double a = 0;
    double r = 0;
    do {
        d.figureStep();
        a += 0.02;
        r += spacing / 300;
        d.segmentTo(t.x + r * std::cos(-a), t.y + r * std::sin(-a));
        lenka_kontrole(t, a);
        trissturis(t, t.x, t.y, t.heading);
        d.pauze(speed(d) / 100);
    } while (!(Turtle::DegreesPerRadian * a > 360 * turns));
}

} // namespace zimo
