#include "platform/clip.h"

#include <gtest/gtest.h>

#include <limits>

using namespace zimo;

TEST(ClipSegment, CutsToTheRectangleAndRejectsWhatMissesIt)
{
    const ClipRect r { 0, 0, 100, 50 };
    double x1 = -100, y1 = 25, x2 = 200, y2 = 25;
    ASSERT_TRUE(clipSegment(x1, y1, x2, y2, r));
    EXPECT_DOUBLE_EQ(x1, 0);
    EXPECT_DOUBLE_EQ(x2, 100);
    x1 = -10, y1 = -10, x2 = -5, y2 = 200;
    EXPECT_FALSE(clipSegment(x1, y1, x2, y2, r));
    x1 = 10, y1 = 10, x2 = 20, y2 = 20;
    ASSERT_TRUE(clipSegment(x1, y1, x2, y2, r));
    EXPECT_DOUBLE_EQ(x1, 10);
    EXPECT_DOUBLE_EQ(y2, 20);
    x1 = -50, y1 = -50, x2 = 150, y2 = 150;
    ASSERT_TRUE(clipSegment(x1, y1, x2, y2, r));
    EXPECT_DOUBLE_EQ(x1, 0);
    EXPECT_DOUBLE_EQ(y2, 50);
    x1 = std::numeric_limits<double>::infinity(), y1 = 0, x2 = 10, y2 = 10;
    EXPECT_FALSE(clipSegment(x1, y1, x2, y2, r));
}
