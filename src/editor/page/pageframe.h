#pragma once

#include "platform/colour.h"
#include "turtle/turtle.h"

#include <QImage>

#include <array>

namespace zimo
{

class Machine;

/// One picture of the run for the window: a copy of the page and everything shown with it.
///
/// The window never reads the machine while a run owns it; it shows these copies instead.
struct PageFrame {
    QImage image;
    std::array<SpriteLine, 3> sprite {};
    bool spriteVisible = true;
    /// What the status labels show: the turtle's own position and display angle.
    double x = 0;
    double y = 0;
    double displayAngle = 0;
    Colour lineColour = 0;
    /// The line whose step is under way; 0 outside a run.
    int line = 0;
};

/// Copies the page, the sprite, the status values and the line colour of m into frame,
/// reusing frame's image memory.
void captureFrame(const Machine& m, PageFrame& frame);

} // namespace zimo
