#pragma once

namespace zimo
{

class Machine;

/// Movement commands of line q: line style, the four screen directions and the forward
/// move, each with its pen line unless the line says "parvietot ".
void liniju_zimesana(Machine& m, int& q);

/// Heading and position sections of the dispatcher, each for line q.
void setHeading(Machine& m, int q);
void turnLeft(Machine& m, int q);
void turnRight(Machine& m, int q);
void koordinatas(Machine& m, int q);

} // namespace zimo
