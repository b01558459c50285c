#include "pagedashes.h"

#include <algorithm>
#include <cstdlib>

namespace zimo
{

namespace
{

// One axis of the painter's own cut of a thin segment to one pixel around the page: u is
// that axis, v the other; the first end is cut before the second. False when nothing is left.
bool cutAxis(double& u1, double& v1, double& u2, double& v2, double low, double high)
{
    auto cut = [](double& u, double& v, double edge, double ou, double ov) {
        v += (ov - v) / (ou - u) * (edge - u);
        u = edge;
    };
    if (u1 < low) {
        if (u2 <= low)
            return false;
        cut(u1, v1, low, u2, v2);
    } else if (u1 > high) {
        if (u2 >= high)
            return false;
        cut(u1, v1, high, u2, v2);
    }
    if (u2 < low)
        cut(u2, v2, low, u1, v1);
    else if (u2 > high)
        cut(u2, v2, high, u1, v1);
    return true;
}

// The painter cuts the x ends first, then the y ends.
bool cutToDevice(double& x1, double& y1, double& x2, double& y2, int width, int height)
{
    return cutAxis(x1, y1, x2, y2, -1, width + 1) && cutAxis(y1, x1, y2, x2, -1, height + 1);
}

// Whether the pixel step from the segment's start lies on a dash of the pattern.
bool onDash(const QVector<qreal>& pattern, int total, int step)
{
    int position = step % total;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        position -= int(pattern[i]);
        if (position < 0)
            return i % 2 == 0;
    }
    return false;
}

} // namespace

QVector<qreal> dashPattern(int style)
{
    switch (style) {
    case 1:
        return { 18, 6 };
    case 2:
        return { 3, 3 };
    case 3:
        return { 9, 6, 3, 6 };
    case 4:
        return { 9, 3, 3, 3, 3, 3 };
    default:
        return {};
    }
}

std::vector<DashRun> thinDashes(
    double x1, double y1, double x2, double y2, int style, int pageWidth, int pageHeight)
{
    std::vector<DashRun> runs;
    const QVector<qreal> pattern = dashPattern(style);
    if (pattern.isEmpty() || !cutToDevice(x1, y1, x2, y2, pageWidth, pageHeight))
        return runs;
    int total = 0;
    for (const qreal length : pattern)
        total += int(length);
    // The painter works in 64ths of a pixel, cut towards zero.
    const int fx1 = int(x1 * 64), fy1 = int(y1 * 64), fx2 = int(x2 * 64), fy2 = int(y2 * 64);
    const bool vertical = std::abs(fx2 - fx1) < std::abs(fy2 - fy1);
    const int start = vertical ? fy1 : fx1;
    const int end = vertical ? fy2 : fx2;
    if (start == end)
        return runs;
    const int first = std::min(start, end) >> 6;
    const int last = std::max(start, end) >> 6;
    const bool backwards = start > end;
    const double major1 = vertical ? y1 : x1, major2 = vertical ? y2 : x2;
    const double minor1 = vertical ? x1 : y1, minor2 = vertical ? x2 : y2;
    auto minorAt
        = [&](double m) { return minor1 + (minor2 - minor1) * (m - major1) / (major2 - major1); };
    auto on = [&](int pixel) {
        return onDash(pattern, total, backwards ? last - pixel : pixel - first);
    };
    for (int p = first; p <= last;) {
        if (!on(p)) {
            ++p;
            continue;
        }
        const int from = p;
        while (p <= last && on(p))
            ++p;
        const double a = from, b = p;
        if (vertical)
            runs.push_back({ minorAt(a), a, minorAt(b), b });
        else
            runs.push_back({ a, minorAt(a), b, minorAt(b) });
    }
    return runs;
}

} // namespace zimo
