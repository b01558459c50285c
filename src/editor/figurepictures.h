#pragma once

#include "samplecommands.h"

#include <QPixmap>

#include <array>

namespace zimo
{

/// The pictures of the ten sample buttons: each button's figure drawn by the core in white on
/// black, cropped to the figure and shrunk into a side x side square.
std::array<QPixmap, SampleCount> figurePictures(int side);

} // namespace zimo
