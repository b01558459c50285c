#pragma once

namespace zimo
{

struct ClipRect {
    double left, top, right, bottom;
};

/// Cuts the segment (x1, y1)-(x2, y2) to the rectangle (Liang-Barsky). Returns false when
/// nothing of it lies inside. Non-finite coordinates count as outside.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, const ClipRect& rect);

} // namespace zimo
