#pragma once

#include "turtle/drawingsink.h"

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <span>
#include <vector>

namespace zimo
{

/// The pixels a fill painted, within a part of the page: each fill point as the dot of the
/// pen width the page paints for it.
class FillMask
{
public:
    /// A mask over area (cut to the page).
    explicit FillMask(QRect area);

    /// The part of the page a fill's points reach at penWidth, with a pixel around it.
    static QRect reachOf(std::span<const FillPoint> points, int penWidth);

    void paint(std::span<const FillPoint> points, int penWidth);
    bool at(int x, int y) const;
    bool empty() const;

    /// The painted pixels as rectangles that do not overlap: the runs of each row, a run
    /// that repeats the one above it exactly making that rectangle taller.
    std::vector<QRect> rectangles() const;
    /// The pixels that are not painted but touch a painted one on a side.
    std::vector<QPoint> edge() const;

private:
    QRect m_area;
    std::vector<std::uint8_t> m_bits;
};

} // namespace zimo
