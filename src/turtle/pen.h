#pragma once

#include "platform/fixedpoint.h"
#include "platform/colour.h"

#include <array>

namespace zimo
{

/// The 36 colours a colour number selects: number N is entry N-1. Six rows of six:
/// greys, reds, browns and oranges, olives and yellows, greens and teals, blues and purples.
extern const std::array<Colour, 36> ColourTable;

/// The colour-number rule: above 36 counts as 36, below 1 as 1, then the nearest entry.
Colour colourOfNumber(double number);
/// The number 1..36 of a colour in the colour table, 0 when it is none of them.
int colourNumberOf(Colour colour);

/// Pen state that is not held by the page itself (the page holds width, style and
/// background).
struct Pen {
    /// The line colour every drawing command reads at the moment it draws (the swatch).
    Colour lineColour = 0;
    /// Speed: delay units after every line, in fixed point.
    Fixed atrums = 300 * FixedScale;
    /// Width of lines drawn by keyboard steering.
    int steeringThickness = 1;
    /// Keyboard steering draws while this is on.
    bool penDown = true;
};

} // namespace zimo
