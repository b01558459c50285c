#pragma once

#include "samplecommands.h"

#include "platform/colour.h"

#include <QPixmap>
#include <QRect>

#include <array>

namespace zimo
{

class RasterPage;

/// The pictures of the ten sample buttons: each button's figure drawn by the core in white on
/// black, cropped to the figure and shrunk into a side x side square.
std::array<QPixmap, SampleCount> figurePictures(int side);

/// The smallest rectangle that holds every pixel of the page not in the background colour;
/// empty when there is none.
QRect inkedBounds(const RasterPage& page, Colour background);

} // namespace zimo
