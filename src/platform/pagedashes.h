#pragma once

#include <QVector>

#include <vector>

namespace zimo
{

/// The dash pattern of a thin line style in pixels (on, off, on, off...): 1 dash, 2 dot,
/// 3 dash-dot, 4 dash-dot-dot; empty for the others.
QVector<qreal> dashPattern(int style);

/// One dash of a thin dashed segment, on the segment's line.
struct DashRun {
    double x1, y1, x2, y2;
};

/// The dashes the page draws for a one-pixel segment of a dashed style, for whoever draws the
/// page again as vectors.
///
/// The page's painter steps a thin line one pixel at a time along its longer axis and
/// measures the pattern in those steps, starting afresh at the segment's first pixel; it
/// first cuts the segment to a pixel beyond the page, which moves that first pixel. Each run
/// reaches from the near edge of its first pixel to the far edge of its last along the longer
/// axis, so a one-pixel pen along it covers exactly the pixels the page lights on that axis.
std::vector<DashRun> thinDashes(
    double x1, double y1, double x2, double y2, int style, int pageWidth, int pageHeight);

} // namespace zimo
