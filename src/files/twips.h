#pragma once

#include <QRect>

class QPixmap;

namespace zimo
{

/// The main window and the save and open dialogs were drawn in twips; at 100 % 15 twips
/// make one pixel (96 dots per inch).
inline constexpr int TwipsPerPixel = 15;

/// The window's scale in per cent of the size it was drawn at; 100 until the window
/// chooses another. Every length and font size below follows it.
int scalePercent();
void setScalePercent(int percent);
inline double scaleFactor() { return scalePercent() / 100.0; }

/// A length in twips as whole pixels at the current scale.
int tw(int twips);

/// A control's Left, Top, Width, Height in twips as a pixel rectangle.
inline QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

/// A length of whole pixels at 100 % as pixels at the current scale.
int scaled(int pixels);

/// A font size in points as pixels: the layout's fonts were sized for 96 dots per inch, and
/// pixel sizes keep them fitting their controls whatever the screen's own setting is.
int ptPixels(double points);

/// A picture drawn for 100 % at the current scale: crisp (every pixel repeated) at whole
/// factors, smoothed in between.
QPixmap scaledPicture(const QPixmap& picture);

} // namespace zimo
