#pragma once

namespace zimo
{

class Machine;

/// Movement commands of line q: line style, the four screen directions and the forward
/// move, each with its pen line unless the line says "parvietot ".
void liniju_zimesana(Machine& m, int& q);

/// The pen line from the previous position to the current one.
void draw_line(Machine& m);

/// A segment on the page in the line colour with the page's pen; it goes into the trace.
void drawSegment(Machine& m, double x1, double y1, double x2, double y2);
/// A segment from the page's current drawing point to (x, y).
void segmentTo(Machine& m, double x, double y);

/// Heading and position sections of the dispatcher.
void setHeading(Machine& m, int q);
void turnLeft(Machine& m, int q);
void turnRight(Machine& m, int q);
void koordinatas(Machine& m, int q);

} // namespace zimo
