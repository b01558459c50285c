#include "platform/rasterpage.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace zimo;

namespace
{

constexpr Colour White = rgb(255, 255, 255);
constexpr Colour Red = rgb(255, 0, 0);

int countColour(const RasterPage& page, Colour colour, int y)
{
    int n = 0;
    for (int x = 0; x < page.width(); ++x)
        n += page.pixel(x, y) == colour;
    return n;
}

} // namespace

TEST(RasterPage, StartsWhiteAndDrawsExactThinLines)
{
    auto page = std::make_unique<RasterPage>();
    EXPECT_EQ(page->pixel(0, 0), White);
    EXPECT_EQ(page->pixel(788, 612), White);
    page->drawLine(QPointF(10, 10), QPointF(20, 10), Red);
    EXPECT_EQ(page->pixel(10, 10), Red);
    EXPECT_EQ(page->pixel(19, 10), Red);
    EXPECT_EQ(page->pixel(10, 11), White) << "one pixel wide, no antialiasing";
    EXPECT_EQ(page->pixel(10, 9), White);
    EXPECT_EQ(page->currentPoint(), QPointF(20, 10));
}

TEST(RasterPage, ThinDashedStylesLeaveGapsAndWideOnesAreSolid)
{
    auto page = std::make_unique<RasterPage>();
    for (int style = 1; style <= 4; ++style) {
        page->erase();
        page->setLineStyle(style);
        page->drawLine(QPointF(0, 50), QPointF(400, 50), Red);
        const int drawn = countColour(*page, Red, 50);
        EXPECT_GT(drawn, 100) << style;
        EXPECT_LT(drawn, 380) << style;
    }
    page->erase();
    page->setPenWidth(3);
    page->setLineStyle(2);
    page->drawLine(QPointF(0, 50), QPointF(400, 50), Red);
    EXPECT_GE(countColour(*page, Red, 50), 400);
    EXPECT_EQ(page->pixel(200, 51), Red);
}

TEST(RasterPage, TheInvisibleStyleDrawsNothingAtAnyWidth)
{
    auto page = std::make_unique<RasterPage>();
    page->setLineStyle(5);
    page->setPenWidth(5);
    page->drawLine(QPointF(0, 50), QPointF(400, 50), Red);
    EXPECT_EQ(countColour(*page, Red, 50), 0);
}

TEST(RasterPage, BackgroundErasesAndFills)
{
    auto page = std::make_unique<RasterPage>();
    page->drawLine(QPointF(0, 0), QPointF(100, 100), Red);
    page->setBackground(rgb(0, 0, 255));
    EXPECT_EQ(page->pixel(50, 50), rgb(0, 0, 255));
    page->drawLine(QPointF(0, 0), QPointF(100, 100), Red);
    page->erase();
    EXPECT_EQ(page->pixel(50, 50), rgb(0, 0, 255)) << "erasing keeps the background colour";
}

TEST(RasterPage, WidePointsAreRoundDotsCentredOnThePixel)
{
    auto page = std::make_unique<RasterPage>();
    page->drawPoint(50, 50, Red);
    EXPECT_EQ(page->pixel(50, 50), Red);
    EXPECT_EQ(page->pixel(51, 50), White);
    page->setPenWidth(5);
    page->drawPoint(100, 100, Red);
    EXPECT_EQ(page->pixel(102, 100), Red);
    EXPECT_EQ(page->pixel(98, 100), Red);
    EXPECT_EQ(page->pixel(103, 100), White);
    EXPECT_EQ(page->pixel(102, 102), White) << "round, not square";
    page->drawPoint(-1, 0, Red);
    EXPECT_EQ(page->pixel(0, 0), Red) << "a dot just off the page still reaches it";
}

TEST(RasterPage, FarAwayCoordinatesAreClippedQuickly)
{
    auto page = std::make_unique<RasterPage>();
    QElapsedTimer timer;
    timer.start();
    page->setPenWidth(3);
    page->drawLine(QPointF(-1e12, 300), QPointF(1e12, 300), Red);
    page->drawLine(QPointF(1e12, 1e12), QPointF(2e12, -1e12), Red);
    page->drawLine(QPointF(qQNaN(), 0), QPointF(10, 10), Red);
    page->setPenWidth(RasterPage::MaxPenWidth);
    page->drawLine(QPointF(-5e9, -5e9), QPointF(5e9, 5e9), Red);
    EXPECT_EQ(page->pixel(400, 300), Red);
    EXPECT_LT(timer.elapsed(), 2000) << "clipping keeps huge coordinates from stalling";
}
