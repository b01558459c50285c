#include "figures.h"

#include "movement.h"

#include "interpreter/variables.h"
#include "platform/rasterpage.h"
#include "program/machine.h"
#include "program/messages.h"
#include "program/runerror.h"
#include "program/runloop.h"

#include <cmath>

namespace zimo
{

namespace
{

constexpr double Pi = Turtle::Pi;

struct Args {
    double a, b, c;
};

Args readArgs(const Machine& m, int q)
{
    return { numericArgument(m, 1, q), numericArgument(m, 2, q), numericArgument(m, 3, q) };
}

double speed(const Machine& m) { return fromFixed(m.pen.atrums); }

void startAt(Machine& m, double x, double y)
{
    m.page.setCurrentPoint(QPointF(float(x), float(y)));
}

// One animated step: the segment, the page shown, the sprite at (sx, sy), the delay.
void step(Machine& m, double toX, double toY, double sx, double sy, double delay)
{
    m.countFigureStep();
    segmentTo(m, toX, toY);
    m.screen().present();
    trissturis(m.turtle, sx, sy, m.turtle.heading);
    pauze(m, delay);
}

} // namespace

void zieds(Machine& m, int q)
{
    const auto [n, w, h] = readArgs(m, q);
    Turtle& t = m.turtle;
    startAt(m, t.x, t.y);
    t.x -= w;
    t.y -= h;
    double a = 0;
    do {
        a += 0.03;
        // The radius is kept to four decimals, as the fixed-point numbers are.
        const double r = roundHalfEven(std::sin(n * a) * 10000.0) / 10000.0;
        t.heading = Turtle::DegreesPerRadian * a;
        step(m, t.x + w * (r * std::cos(a) + 1), t.y + h * (r * std::sin(a) + 1), t.x + w, t.y + h,
            speed(m) / 5);
    } while (!(a >= Pi));
    t.x += w;
    t.y += h;
}

void zvaigzne(Machine& m, int q)
{
    auto [type, w, h] = readArgs(m, q);
    struct Star {
        double a, b, limit;
    };
    static constexpr Star stars[] = { { 2, 5, 10 }, { 3, 7, 15 }, { 5, 11, 28 } };
    const Star& star = type == 2 ? stars[1] : type == 3 ? stars[2] : stars[0];
    Turtle& t = m.turtle;
    startAt(m, t.x, t.y - h / 2);
    t.x -= w / 2;
    t.y -= h / 2;
    double a = -Pi / 2;
    do {
        a += 2 * star.a * Pi / star.b;
        lenka_kontrole(t, a);
        step(m, t.x + (w / 2) * (std::cos(a) + 1), t.y + (h / 2) * (std::sin(a) + 1), t.x + w / 2,
            t.y + h / 2, speed(m));
    } while (!(a >= star.limit));
    t.x += w / 2;
    t.y += h / 2;
}

void daudzsturis(Machine& m, int q)
{
    const auto [n, w, h] = readArgs(m, q);
    // No corners would divide by zero; fewer than none would never reach the end test.
    if (!(n > 0))
        fail(msg::figureCornerCount());
    Turtle& t = m.turtle;
    double a = -Pi / 2;
    const double s = 2 * Pi / n;
    t.x -= w;
    t.y -= h;
    startAt(m, t.x + w * (std::cos(a + s) + 1), t.y + h * (std::sin(a + s) + 1));
    do {
        a += s;
        lenka_kontrole(t, a);
        step(m, t.x + w * (std::cos(a) + 1), t.y + h * (std::sin(a) + 1), t.x + w, t.y + h,
            speed(m));
    } while (!(a > 5));
    t.x += w;
    t.y += h;
}

void stari(Machine& m, int q)
{
    const auto [n, w, h] = readArgs(m, q);
    if (!(n > 0))
        fail(msg::figureRayCount());
    Turtle& t = m.turtle;
    double a = 0;
    const double s = 360 / n;
    do {
        a += s;
        // The degrees go in as radians: the heading after the rays is what that gives.
        lenka_kontrole(t, a);
        startAt(m, t.x, t.y);
        step(m, (t.x - w) + w * (std::cos(a / Turtle::DegreesPerRadian) + 1),
            (t.y - h) + h * (std::sin(a / Turtle::DegreesPerRadian) + 1), t.x, t.y, speed(m));
    } while (!(a >= 360));
}

void sinusoida(Machine& m, int q)
{
    const auto [length, amplitude, period] = readArgs(m, q);
    if (period == 0 && length != 0)
        fail(msg::sineWithoutPeriod());
    Turtle& t = m.turtle;
    startAt(m, t.x, t.y + amplitude * std::sin(t.x));
    double a = 0;
    do {
        m.countFigureStep();
        const double x = t.heading - 180 > 90 ? t.x - period * a : t.x + period * a;
        segmentTo(m, x, t.y + amplitude * std::sin(t.x + a));
        trissturis(t, x, t.y, t.heading);
        m.screen().present();
        pauze(m, speed(m) / 5);
        a += 0.2;
    } while (!(std::fabs(period * a) >= std::fabs(length)));
    t.x = t.heading - 180 > 90 ? t.x - period * a : t.x + period * a;
}

void spirale(Machine& m, int q)
{
    const double turns = numericArgument(m, 1, q);
    const double spacing = numericArgument(m, 2, q);
    Turtle& t = m.turtle;
    startAt(m, t.x, t.y);
    double a = 0;
    double r = 0;
    do {
        m.countFigureStep();
        a += 0.02;
        r += spacing / 300;
        segmentTo(m, t.x + r * std::cos(-a), t.y + r * std::sin(-a));
        lenka_kontrole(t, a);
        trissturis(t, t.x, t.y, t.heading);
        pauze(m, speed(m) / 100);
    } while (!(Turtle::DegreesPerRadian * a > 360 * turns));
}

} // namespace zimo
