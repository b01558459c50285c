#pragma once

namespace zimo
{

class Machine;

/// The reset: empties the interpreter tables and the variables, sets pen width 1, speed
/// 300 and a black line colour, and puts the turtle in the middle of the page facing left.
/// The drawing, the background colour and the line style stay.
void sakums(Machine& m);

} // namespace zimo
