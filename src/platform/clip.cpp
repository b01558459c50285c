#include "clip.h"

#include <cmath>

namespace zimo
{

bool clipSegment(double& x1, double& y1, double& x2, double& y2, const ClipRect& rect)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0.0;
    double t1 = 1.0;
    // Each edge narrows the parameter range [t0, t1] of the part inside.
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { x1 - rect.left, rect.right - x1, y1 - rect.top, rect.bottom - y1 };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) {
            if (r > t1)
                return false;
            if (r > t0)
                t0 = r;
        } else {
            if (r < t0)
                return false;
            if (r < t1)
                t1 = r;
        }
    }
    const double ox = x1;
    const double oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

} // namespace zimo
