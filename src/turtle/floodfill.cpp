#include "floodfill.h"

#include "platform/rasterpage.h"
#include "turtle/drawing.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace zimo
{

namespace
{

// One layer: every entry of current is expanded into its four neighbours and itself, in
// the order up, left, itself, right, down; a pixel that is neither border nor fill is
// painted at once and joins next. An entry's own pixel was painted in the fill colour
// when it joined (the seed before the first layer), so its test never passes and is left
// out. Entries away from the page's edges need no bounds tests. Wide is a template
// parameter so that the thin pen's inner loop carries no branch for it.
template <bool Wide>
long long expandLayer(RasterPage& page, std::uint32_t border, std::uint32_t fill, Colour fillColour,
    const std::vector<FillPoint>& current, std::vector<FillPoint>& next)
{
    next.clear();
    const unsigned w = unsigned(page.width());
    const unsigned h = unsigned(page.height());
    std::uint32_t* const pixels = page.row(0);
    const std::ptrdiff_t stride = page.row(1) - pixels;
    auto take = [&](std::uint32_t& pixel, int x, int y) {
        if (pixel == border || pixel == fill)
            return;
        if constexpr (Wide)
            page.drawPoint(x, y, fillColour);
        else
            pixel = fill;
        next.push_back({ x, y });
    };
    auto visit = [&](int x, int y) {
        if (unsigned(x) < w && unsigned(y) < h)
            take(pixels[std::ptrdiff_t(y) * stride + x], x, y);
    };
    for (const FillPoint p : current) {
        if (unsigned(p.x - 1) < w - 2 && unsigned(p.y - 1) < h - 2) {
            std::uint32_t* const centre = pixels + std::ptrdiff_t(p.y) * stride + p.x;
            take(centre[-stride], p.x, p.y - 1);
            take(centre[-1], p.x - 1, p.y);
            take(centre[1], p.x + 1, p.y);
            take(centre[stride], p.x, p.y + 1);
        } else {
            visit(p.x, p.y - 1);
            visit(p.x - 1, p.y);
            visit(p.x + 1, p.y);
            visit(p.x, p.y + 1);
        }
    }
    return static_cast<long long>(next.size());
}

long long aizpildit_kartu(RasterPage& page, std::uint32_t border, std::uint32_t fill,
    Colour fillColour, const std::vector<FillPoint>& current, std::vector<FillPoint>& next)
{
    if (page.penWidth() > 1)
        return expandLayer<true>(page, border, fill, fillColour, current, next);
    return expandLayer<false>(page, border, fill, fillColour, current, next);
}

} // namespace

long long aizpildit(Drawing& d, double x, double y, Colour border, Colour fill)
{
    RasterPage& page = d.page;
    const double sx = roundHalfEven(x);
    const double sy = roundHalfEven(y);
    // A seed farther than one pixel outside the page reaches no pixel of it.
    const bool reachable = sx >= -1 && sy >= -1 && sx <= page.width() && sy <= page.height();
    if (reachable)
        page.drawPoint(sx, sy, fill);
    std::vector<FillPoint>& current = d.fillCurrent;
    std::vector<FillPoint>& next = d.fillNext;
    current.clear();
    if (reachable)
        current.push_back({ int(sx), int(sy) });
    if (d.sink)
        d.sink->fillLayer(current, fill, page.penWidth());
    const double pacing = fromFixed(d.pen.atrums) / 20.0;
    long long total = 0;
    long long count = 0;
    do {
        if (d.pacer)
            d.pacer->fillLayerStarting();
        count = aizpildit_kartu(page, toPixel(border), toPixel(fill), fill, current, next);
        total += count;
        if (d.sink && count != 0)
            d.sink->fillLayer(next, fill, page.penWidth());
        if (d.pacer)
            d.pacer->fillLayerDone(pacing);
        current.swap(next);
    } while (count != 0);
    if (d.sink)
        d.sink->filled(sx, sy, border, fill, total);
    return total;
}

} // namespace zimo
