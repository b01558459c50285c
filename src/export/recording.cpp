#include "recording.h"

#include "export/fillmask.h"
#include "platform/rasterpage.h"

#include <algorithm>
#include <utility>

namespace zimo
{

namespace
{

// Whether every pixel of the page is the page's colour.
bool plain(const RasterPage& page)
{
    const std::uint32_t colour = toPixel(page.background());
    for (int y = 0; y < page.height(); ++y) {
        const std::uint32_t* row = page.row(y);
        if (!std::all_of(row, row + page.width(), [&](std::uint32_t p) { return p == colour; }))
            return false;
    }
    return true;
}

} // namespace

Recording::Recording(const RasterPage& page, std::size_t budget)
    : m_page(page)
    , m_budget(budget)
{
    restartFromPage();
}

std::span<const FillPoint> Recording::pointsOf(const FillLayer& layer) const
{
    return std::span<const FillPoint>(m_points).subspan(layer.first, layer.count);
}

std::span<const Recording::EdgePixel> Recording::edgeOf(const FillLayer& layer) const
{
    return std::span<const EdgePixel>(m_edges).subspan(layer.edgeFirst, layer.edgeCount);
}

std::vector<Colour> Recording::colours() const
{
    std::vector<Colour> found { m_background };
    auto add = [&](Colour c) {
        if (std::find(found.begin(), found.end(), c) == found.end())
            found.push_back(c);
    };
    for (const Segment& s : m_segments)
        add(s.colour);
    for (const FillLayer& f : m_fillLayers)
        add(f.colour);
    return found;
}

void Recording::drawItem(Item item, RasterPage& page) const
{
    if (item.kind == Kind::Segment) {
        const Segment& s = segmentOf(item);
        page.setPenWidth(s.width);
        page.setLineStyle(s.style);
        page.drawLine(s.x1, s.y1, s.x2, s.y2, s.colour);
    } else if (item.kind == Kind::FillLayer) {
        const FillLayer& layer = fillLayerOf(item);
        page.setPenWidth(layer.penWidth);
        for (const FillPoint& p : pointsOf(layer))
            page.drawPoint(p.x, p.y, layer.colour);
    }
}

void Recording::drawInto(RasterPage& page) const
{
    page.setBackground(m_background);
    if (!m_base.isNull())
        page.restore(m_base);
    for (const Item item : m_items)
        drawItem(item, page);
}

void Recording::segment(float x1, float y1, float x2, float y2, Colour colour, int width, int style)
{
    // The invisible style leaves nothing on the page.
    if (style == 5)
        return;
    m_items.push_back({ Kind::Segment, std::uint32_t(m_segments.size()) });
    m_segments.push_back({ x1, y1, x2, y2, colour, width, style });
    keepWithinBudget();
}

void Recording::background(Colour colour)
{
    clearItems();
    m_background = colour;
    m_base = QImage();
}

void Recording::erased() { background(m_page.background()); }

void Recording::fillLayer(const std::vector<FillPoint>& painted, Colour fill, int penWidth)
{
    if (painted.empty())
        return;
    // Every layer is a step of its own: the page shows each before the next is painted.
    endStep();
    m_items.push_back({ Kind::FillLayer, std::uint32_t(m_fillLayers.size()) });
    m_fillLayers.push_back(
        { fill, penWidth, std::uint32_t(m_points.size()), std::uint32_t(painted.size()) });
    m_points.insert(m_points.end(), painted.begin(), painted.end());
    endStep();
    keepWithinBudget();
}

void Recording::stepEnded() { endStep(); }

void Recording::filled(double, double, Colour, Colour, long long)
{
    const std::size_t start = std::exchange(m_fillStart, m_fillLayers.size());
    if (start >= m_fillLayers.size())
        return;
    QRect reach;
    for (std::size_t i = start; i < m_fillLayers.size(); ++i)
        reach |= FillMask::reachOf(pointsOf(m_fillLayers[i]), m_fillLayers[i].penWidth);
    FillMask mask(reach);
    for (std::size_t i = start; i < m_fillLayers.size(); ++i)
        mask.paint(pointsOf(m_fillLayers[i]), m_fillLayers[i].penWidth);
    // The page around the fill has not changed since it began.
    FillLayer& last = m_fillLayers.back();
    last.endsFill = true;
    last.edgeFirst = std::uint32_t(m_edges.size());
    for (const QPoint p : mask.edge())
        m_edges.push_back({ p.x(), p.y(), m_page.pixel(p.x(), p.y()) });
    last.edgeCount = std::uint32_t(m_edges.size() - last.edgeFirst);
    keepWithinBudget();
}

void Recording::endStep()
{
    if (!m_items.empty() && m_items.back().kind != Kind::StepEnd)
        m_items.push_back({ Kind::StepEnd, 0 });
}

void Recording::restartFromPage()
{
    clearItems();
    m_background = m_page.background();
    if (plain(m_page))
        m_base = QImage();
    else
        m_page.copyTo(m_base);
}

void Recording::clearItems()
{
    m_items.clear();
    m_segments.clear();
    m_fillLayers.clear();
    m_points.clear();
    m_edges.clear();
    m_fillStart = 0;
}

std::size_t Recording::bytesUsed() const
{
    return m_items.size() * sizeof(Item) + m_segments.size() * sizeof(Segment)
        + m_fillLayers.size() * sizeof(FillLayer) + m_points.size() * sizeof(FillPoint)
        + m_edges.size() * sizeof(EdgePixel);
}

void Recording::keepWithinBudget()
{
    // The page holds everything recorded so far: it becomes the base the rest is drawn over.
    if (bytesUsed() <= m_budget)
        return;
    clearItems();
    m_page.copyTo(m_base);
}

} // namespace zimo
