#include "contrast.h"

#include <algorithm>

namespace zimo
{

namespace
{

// One window per process, so one theme, as with the scale.
bool g_highContrast = false;

/// Lightness (0-255) that text keeps at least, and backgrounds at most, in high contrast.
constexpr int LightText = 190;
constexpr int DarkBackground = 45;

QColor withLightness(QColor colour, int lightness)
{
    const QColor hsl = colour.toHsl();
    return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness, colour.alpha());
}

} // namespace

bool highContrast() { return g_highContrast; }

void setHighContrast(bool on) { g_highContrast = on; }

QColor shownColour(QColor colour)
{
    if (!g_highContrast)
        return colour;
    return withLightness(colour, std::max(colour.toHsl().lightness(), LightText));
}

QColor shownBackground(QColor colour)
{
    if (!g_highContrast)
        return colour;
    return withLightness(colour, std::min(colour.toHsl().lightness(), DarkBackground));
}

} // namespace zimo
