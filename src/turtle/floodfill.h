#pragma once

#include "platform/colour.h"

namespace zimo
{

class Drawing;

/// Fills the 4-connected region around (x, y) of pixels that are neither border nor fill,
/// one layer per step away from the seed; each layer is handed to the pacer and the sink.
/// Returns the pixels its layers painted (the seed, painted first, is not counted).
long long aizpildit(Drawing& d, double x, double y, Colour border, Colour fill);

} // namespace zimo
