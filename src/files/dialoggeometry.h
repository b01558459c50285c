#pragma once

#include <QFont>
#include <QRect>

namespace zimo {

/// The dialogs were laid out in twips; at 96 dots per inch a pixel is 15 twips, and every
/// measure of the dialogs divides evenly.
constexpr int dialogPixels(int twips) { return twips / 15; }

/// A control's left, top, width and height given in twips.
inline QRect dialogRect(int left, int top, int width, int height)
{
    return { dialogPixels(left), dialogPixels(top), dialogPixels(width), dialogPixels(height) };
}

/// The dialogs' 12-point font, sized in pixels as at 96 dots per inch so that the text fits
/// its box whatever the screen's own setting is.
inline QFont dialogFont(QFont font)
{
    font.setPixelSize(16);
    return font;
}

} // namespace zimo
