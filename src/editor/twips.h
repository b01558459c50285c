#pragma once

#include <QRect>

namespace zimo
{

/// The window was drawn in twips; on screen 15 twips make one pixel (96 dots per inch).
inline constexpr int TwipsPerPixel = 15;

/// A length in twips as whole pixels.
constexpr int tw(int twips)
{
    return (twips >= 0 ? twips + TwipsPerPixel / 2 : twips - TwipsPerPixel / 2) / TwipsPerPixel;
}

/// A control's Left, Top, Width, Height in twips as a pixel rectangle.
constexpr QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

/// A font size in points as pixels: the layout's fonts were sized for 96 dots per inch, and
/// pixel sizes keep them fitting their controls whatever the screen's own setting is.
constexpr int ptPixels(double points) { return int(points * 96.0 / 72.0 + 0.5); }

} // namespace zimo
