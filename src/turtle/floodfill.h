#pragma once

#include "platform/colour.h"

namespace zimo
{

class Machine;

/// "krasot x,y,border,colour" on line q: the line colour becomes the border colour, then
/// the region around the seed is filled.
void krasot(Machine& m, int q);

/// Fills the 4-connected region around (x, y) of pixels that are neither border nor fill,
/// one layer per step away from the seed; each layer is handed to the screen. Returns the
/// pixels its layers painted (the seed, painted first, is not counted).
long long aizpildit(Machine& m, double x, double y, Colour border, Colour fill);

} // namespace zimo
