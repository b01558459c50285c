#pragma once

#include <cstdint>

namespace zimo
{

/// A colour as the language stores it: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b)
{
    return Colour(r & 0xFF) | Colour(g & 0xFF) << 8 | Colour(b & 0xFF) << 16;
}

constexpr int redOf(Colour c) { return int(c & 0xFF); }
constexpr int greenOf(Colour c) { return int(c >> 8 & 0xFF); }
constexpr int blueOf(Colour c) { return int(c >> 16 & 0xFF); }

/// The page's pixel form (opaque 0xFFRRGGBB) of a colour.
constexpr std::uint32_t toPixel(Colour c)
{
    return 0xFF000000u | std::uint32_t(redOf(c)) << 16 | std::uint32_t(greenOf(c)) << 8
        | std::uint32_t(blueOf(c));
}

constexpr Colour fromPixel(std::uint32_t p)
{
    return rgb(int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF));
}

} // namespace zimo
