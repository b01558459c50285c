#pragma once

namespace zimo
{

class Drawing;

/// Moves the turtle d pixels along the screen direction (dx, dy) and turns it to heading;
/// the pen line follows unless withPen is off.
void moveAlong(Drawing& d, double dx, double dy, double distance, double heading, bool withPen);
/// Moves the turtle d pixels along its heading; the pen line follows unless withPen is off.
void moveForward(Drawing& d, double distance, bool withPen);

/// Sets the heading from the user's angle (0 right, 90 up).
void setAngle(Drawing& d, double userAngle);
/// Turns the turtle by degrees, counter-clockwise on the screen for positive ones.
void turnBy(Drawing& d, double degrees);
/// Puts the turtle at (x, y) without drawing.
void moveTo(Drawing& d, double x, double y);

} // namespace zimo
