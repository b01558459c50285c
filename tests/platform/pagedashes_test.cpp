#include "platform/pagedashes.h"
#include "platform/rasterpage.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <set>

using namespace zimo;

namespace
{

constexpr Colour White = rgb(255, 255, 255);

// Where the segment crosses step m of its longer axis: the other coordinate, or NaN when
// that is not well inside the page (the page shows nothing there to compare).
double acrossAt(const RasterPage& page, double x1, double y1, double x2, double y2, int m)
{
    const bool vertical = std::fabs(y2 - y1) > std::fabs(x2 - x1);
    const double t = vertical ? (m + 0.5 - y1) / (y2 - y1) : (m + 0.5 - x1) / (x2 - x1);
    const double n = vertical ? x1 + t * (x2 - x1) : y1 + t * (y2 - y1);
    const int size = vertical ? page.width() : page.height();
    const int along = vertical ? page.height() : page.width();
    const bool shown = m >= 0 && m < along && n >= 2 && n < size - 2;
    return t >= -0.1 && t <= 1.1 && shown ? n : std::nan("");
}

// The steps along the segment's longer axis where the page lit a pixel near the segment.
std::set<int> litSteps(const RasterPage& page, double x1, double y1, double x2, double y2)
{
    const bool vertical = std::fabs(y2 - y1) > std::fabs(x2 - x1);
    std::set<int> steps;
    for (int m = 0; m < (vertical ? page.height() : page.width()); ++m) {
        const double n = acrossAt(page, x1, y1, x2, y2, m);
        for (int d = -2; d <= 2 && !std::isnan(n); ++d) {
            const int minor = int(std::floor(n)) + d;
            if ((vertical ? page.pixel(minor, m) : page.pixel(m, minor)) != White)
                steps.insert(m);
        }
    }
    return steps;
}

// The steps the runs cover where the page can show them.
std::set<int> predictedSteps(const RasterPage& page, const std::vector<DashRun>& runs, double x1,
    double y1, double x2, double y2)
{
    const bool vertical = std::fabs(y2 - y1) > std::fabs(x2 - x1);
    std::set<int> steps;
    for (const DashRun& r : runs) {
        const double a = vertical ? r.y1 : r.x1, b = vertical ? r.y2 : r.x2;
        for (int m = int(std::lround(std::min(a, b))); m < int(std::lround(std::max(a, b))); ++m) {
            if (!std::isnan(acrossAt(page, x1, y1, x2, y2, m)))
                steps.insert(m);
        }
    }
    return steps;
}

TEST(PageDashes, AreWhereThePageDrawsThemAlongTheLongerAxis)
{
    QRandomGenerator random(24);
    for (int i = 0; i < 200; ++i) {
        auto page = std::make_unique<RasterPage>();
        const int style = 1 + i % 4;
        page->setLineStyle(style);
        auto any = [&](double low, double high) { return float(low + random.bounded(high - low)); };
        const float x1 = any(-20, 800), y1 = any(-20, 630), x2 = any(-20, 800), y2 = any(-20, 630);
        page->drawLine(x1, y1, x2, y2, 0);
        const auto runs = thinDashes(x1, y1, x2, y2, style, page->width(), page->height());
        const std::set<int> lit = litSteps(*page, x1, y1, x2, y2);
        const std::set<int> predicted = predictedSteps(*page, runs, x1, y1, x2, y2);
        std::vector<int> apart;
        std::set_symmetric_difference(
            lit.begin(), lit.end(), predicted.begin(), predicted.end(), std::back_inserter(apart));
        EXPECT_EQ(apart, std::vector<int> {})
            << i << ": " << x1 << "," << y1 << " " << x2 << "," << y2 << " style " << style;
    }
}

TEST(PageDashes, StartAtTheFirstPixelAndSolidOrInvisibleStylesHaveNone)
{
    EXPECT_TRUE(thinDashes(0, 0, 100, 0, 0, 789, 613).empty());
    EXPECT_TRUE(thinDashes(0, 0, 100, 0, 5, 789, 613).empty());
    EXPECT_TRUE(thinDashes(-50, -50, -10, -10, 1, 789, 613).empty()) << "off the page";
    // Pixels 10 to 58: eighteen on, six off, eighteen on, six off, and the last one.
    const auto dash = thinDashes(10, 10, 58, 10, 1, 789, 613);
    ASSERT_EQ(dash.size(), 3u);
    EXPECT_EQ(dash[0].x1, 10);
    EXPECT_EQ(dash[0].x2, 28);
    EXPECT_EQ(dash[1].x1, 34);
    EXPECT_EQ(dash[2].x1, 58);
    EXPECT_EQ(dash[2].x2, 59);
    EXPECT_EQ(dash[2].y1, 10);
}

} // namespace
