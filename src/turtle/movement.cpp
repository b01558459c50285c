#include "movement.h"

#include "turtle/drawing.h"

#include <cmath>

namespace zimo
{

void moveAlong(Drawing& d, double dx, double dy, double distance, double heading, bool withPen)
{
    Turtle& t = d.turtle;
    t.x += dx * distance;
    t.y += dy * distance;
    t.heading = heading;
    if (withPen)
        d.draw_line();
}

void moveForward(Drawing& d, double distance, bool withPen)
{
    Turtle& t = d.turtle;
    const double h = t.heading / Turtle::DegreesPerRadian;
    t.x -= distance * std::cos(h);
    t.y += distance * std::sin(h);
    if (withPen)
        d.draw_line();
}

void setAngle(Drawing& d, double userAngle) { d.turtle.heading = userAngle + 180.0; }

void turnBy(Drawing& d, double degrees) { d.turtle.heading += degrees; }

void moveTo(Drawing& d, double x, double y)
{
    d.turtle.x = x;
    d.turtle.y = y;
}

} // namespace zimo
