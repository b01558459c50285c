#pragma once

namespace zimo
{

class Drawing;

/// The ready-made figures around the turtle, each traced step by step from its formula with
/// fixed step sizes and end tests; every step draws one segment, moves the sprite and waits
/// a share of the speed. Counts that would never reach the end test (no corners, no rays, a
/// sine without period) draw nothing: whoever reads the numbers refuses them first.
void drawFlower(Drawing& d, double petals, double width, double height);
void drawStar(Drawing& d, double type, double width, double height);
void drawPolygon(Drawing& d, double corners, double width, double height);
void drawRays(Drawing& d, double rays, double width, double height);
void drawSine(Drawing& d, double length, double amplitude, double period);
void drawSpiral(Drawing& d, double turns, double spacing);

} // namespace zimo
