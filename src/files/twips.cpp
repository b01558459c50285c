#include "twips.h"

#include <QPixmap>

namespace zimo
{

namespace
{

// One window per process, so one scale: every control asks it when it lays itself out.
int g_percent = 100;

// Rounds n / d to the nearest whole number, halves away from zero (d > 0).
int roundedRatio(long long n, long long d) { return int((n >= 0 ? n + d / 2 : n - d / 2) / d); }

} // namespace

int scalePercent() { return g_percent; }

void setScalePercent(int percent) { g_percent = percent; }

int tw(int twips)
{
    return roundedRatio(static_cast<long long>(twips) * g_percent, TwipsPerPixel * 100);
}

int scaled(int pixels) { return roundedRatio(static_cast<long long>(pixels) * g_percent, 100); }

int ptPixels(double points) { return int(points * 96.0 / 72.0 * g_percent / 100.0 + 0.5); }

QPixmap scaledPicture(const QPixmap& picture)
{
    if (g_percent == 100 || picture.isNull())
        return picture;
    const Qt::TransformationMode mode
        = g_percent % 100 == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
    return picture.scaled(
        scaled(picture.width()), scaled(picture.height()), Qt::IgnoreAspectRatio, mode);
}

} // namespace zimo
