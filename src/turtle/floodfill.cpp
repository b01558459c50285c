#include "floodfill.h"

#include "pen.h"

#include "interpreter/variables.h"
#include "platform/rasterpage.h"
#include "program/machine.h"
#include "program/trace.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace zimo {

namespace {

    using Frontier = std::vector<std::int32_t>;

    // One layer: every entry of current is expanded into its four neighbours and itself, in
    // the order up, left, itself, right, down; a pixel that is neither border nor fill is
    // painted at once and joins next. Entries are stored as x, y pairs.
    long long aizpildit_kartu(RasterPage& page, std::uint32_t border, std::uint32_t fill,
        Colour fillColour, const Frontier& current, Frontier& next)
    {
        next.clear();
        const int w = page.width();
        const int h = page.height();
        const bool wide = page.penWidth() > 1;
        long long count = 0;
        static constexpr int Offsets[5][2] = { { 0, -1 }, { -1, 0 }, { 0, 0 }, { 1, 0 }, { 0, 1 } };
        for (std::size_t i = 0; i < current.size(); i += 2) {
            const int px = current[i];
            const int py = current[i + 1];
            for (const auto& offset : Offsets) {
                const int xx = px + offset[0];
                const int yy = py + offset[1];
                if (xx < 0 || yy < 0 || xx >= w || yy >= h)
                    continue;
                std::uint32_t& pixel = page.row(yy)[xx];
                if (pixel == border || pixel == fill)
                    continue;
                if (wide)
                    page.drawPoint(xx, yy, fillColour);
                else
                    pixel = fill;
                ++count;
                next.push_back(xx);
                next.push_back(yy);
            }
        }
        return count;
    }

} // namespace

long long aizpildit(Machine& m, double x, double y, Colour border, Colour fill)
{
    RasterPage& page = m.page;
    const double sx = roundHalfEven(x);
    const double sy = roundHalfEven(y);
    // A seed farther than one pixel outside the page reaches no pixel of it.
    const bool reachable = sx >= -1 && sy >= -1 && sx <= page.width() && sy <= page.height();
    if (reachable)
        page.drawPoint(sx, sy, fill);
    Frontier& current = m.fillCurrent;
    Frontier& next = m.fillNext;
    current.clear();
    if (reachable) {
        current.push_back(std::int32_t(sx));
        current.push_back(std::int32_t(sy));
    }
    const double pacing = fromFixed(m.pen.atrums) / 20.0;
    long long total = 0;
    long long count = 0;
    do {
        m.checkStop();
        count = aizpildit_kartu(page, toPixel(border), toPixel(fill), fill, current, next);
        total += count;
        m.screen().fillLayer(pacing);
        current.swap(next);
    } while (count != 0);
    return total;
}

void krasot(Machine& m, int q)
{
    const double x = numericArgument(m, 1, q);
    const double y = numericArgument(m, 2, q);
    const Colour border = colourOfNumber(numericArgument(m, 3, q));
    m.pen.lineColour = border;
    const Colour fill = colourOfNumber(numericArgument(m, 4, q));
    const long long painted = aizpildit(m, x, y, border, fill);
    if (m.run.trace)
        m.run.trace->fill(roundHalfEven(x), roundHalfEven(y), border, fill, painted);
}

} // namespace zimo
