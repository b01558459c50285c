#include "fillmask.h"

#include "platform/rasterpage.h"

#include <algorithm>

namespace zimo
{

FillMask::FillMask(QRect area)
    : m_area(area & QRect(0, 0, RasterPage::Width, RasterPage::Height))
    , m_bits(
          std::size_t(std::max(0, m_area.width())) * std::size_t(std::max(0, m_area.height())), 0)
{
}

QRect FillMask::reachOf(std::span<const FillPoint> points, int penWidth)
{
    if (points.empty())
        return {};
    int left = points.front().x, right = left, top = points.front().y, bottom = top;
    for (const FillPoint& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const int reach = penWidth / 2 + 1;
    return QRect(QPoint(left - reach, top - reach), QPoint(right + reach, bottom + reach));
}

void FillMask::paint(std::span<const FillPoint> points, int penWidth)
{
    for (const FillPoint& p : points) {
        RasterPage::dotSpans(p.x, p.y, penWidth, [&](int y, int from, int to) {
            if (y < m_area.top() || y > m_area.bottom())
                return;
            from = std::max(from, m_area.left());
            to = std::min(to, m_area.right());
            if (from > to)
                return;
            std::uint8_t* row = m_bits.data() + std::size_t(y - m_area.top()) * m_area.width();
            std::fill(row + (from - m_area.left()), row + (to - m_area.left()) + 1, 1);
        });
    }
}

bool FillMask::at(int x, int y) const
{
    return m_area.contains(x, y)
        && m_bits[std::size_t(y - m_area.top()) * m_area.width() + (x - m_area.left())];
}

bool FillMask::empty() const
{
    return std::none_of(m_bits.begin(), m_bits.end(), [](std::uint8_t b) { return b != 0; });
}

std::vector<QRect> FillMask::rectangles() const
{
    std::vector<QRect> done;
    std::vector<QRect> open;
    std::vector<QRect> next;
    for (int y = m_area.top(); y <= m_area.bottom(); ++y) {
        next.clear();
        std::size_t above = 0;
        for (int x = m_area.left(); x <= m_area.right();) {
            if (!at(x, y)) {
                ++x;
                continue;
            }
            const int from = x;
            while (x <= m_area.right() && at(x, y))
                ++x;
            while (above < open.size() && open[above].left() < from)
                done.push_back(open[above++]);
            const bool below
                = above < open.size() && open[above].left() == from && open[above].right() == x - 1;
            next.push_back(
                below ? open[above++].adjusted(0, 0, 0, 1) : QRect(from, y, x - from, 1));
        }
        done.insert(done.end(), open.begin() + std::ptrdiff_t(above), open.end());
        open.swap(next);
    }
    done.insert(done.end(), open.begin(), open.end());
    return done;
}

std::vector<QPoint> FillMask::edge() const
{
    std::vector<QPoint> pixels;
    for (int y = m_area.top(); y <= m_area.bottom(); ++y) {
        for (int x = m_area.left(); x <= m_area.right(); ++x) {
            if (!at(x, y) && (at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1)))
                pixels.emplace_back(x, y);
        }
    }
    return pixels;
}

} // namespace zimo
