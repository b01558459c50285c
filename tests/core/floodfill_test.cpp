#include "testrun.h"

#include <gtest/gtest.h>

using namespace zimo;
using zimo::test::Session;

namespace
{

const QStringList Square
    = { "koordinatas 100,100", "pa labi 50", "uz leju 50", "pa kreisi 50", "uz augsu 50" };

QStringList with(QStringList program, const QStringList& more)
{
    program.append(more);
    return program;
}

constexpr Colour Yellow = rgb(255, 255, 0);

} // namespace

TEST(FloodFill, TheHelpExampleFillsTheEmptyPageAndKeepsTheLineColourBlack)
{
    Session s;
    s.run({ "linijas krasa 10", "krasot 300,200,1,22" });
    EXPECT_EQ(s.events("fill"), QStringList { "fill 300 200 b=#000000 f=#FFFF00 n=483656" });
    EXPECT_EQ(s.m().drawing.page.pixel(0, 0), Yellow);
    EXPECT_EQ(s.m().drawing.page.pixel(788, 612), Yellow);
    EXPECT_EQ(s.m().drawing.pen.lineColour, 0u);
}

TEST(FloodFill, ABorderOfTheBorderColourContainsIt)
{
    Session s;
    s.run(with(Square, { "krasot 125,125,1,22" }));
    EXPECT_EQ(s.events("fill"), QStringList { "fill 125 125 b=#000000 f=#FFFF00 n=2400" });
    EXPECT_EQ(s.m().drawing.page.pixel(101, 101), Yellow);
    EXPECT_EQ(s.m().drawing.page.pixel(100, 100), 0u);
    EXPECT_EQ(s.m().drawing.page.pixel(99, 99), rgb(255, 255, 255));
}

TEST(FloodFill, ABorderOfAnotherColourDoesNotContainIt)
{
    Session s;
    s.run(with(QStringList { "linijas krasa 10" } + Square, { "krasot 125,125,1,22" }));
    EXPECT_EQ(s.m().drawing.page.pixel(5, 5), Yellow);
    EXPECT_EQ(s.m().drawing.page.pixel(100, 120), Yellow) << "the red line is painted over too";
}

TEST(FloodFill, ADiagonalBorderHoldsAFourNeighbourFill)
{
    Session s;
    s.run({ "koordinatas 0,0", "lenkis 315", "uz prieksu 1000", "krasot 10,300,1,22" });
    EXPECT_EQ(s.m().drawing.page.pixel(5, 400), Yellow);
    EXPECT_EQ(s.m().drawing.page.pixel(400, 5), rgb(255, 255, 255));
}

TEST(FloodFill, RepeatingAFillPaintsNothingNew)
{
    Session s;
    s.run(with(Square, { "krasot 125,125,1,22", "krasot 125,125,1,22" }));
    const QStringList fills = s.events("fill");
    ASSERT_EQ(fills.size(), 2);
    EXPECT_TRUE(fills[1].endsWith(u"n=0"));
}

TEST(FloodFill, ASeedOnTheBorderPaintsItAndSpreadsToBothSides)
{
    Session s;
    s.run(with(Square, { "krasot 125,100,1,22" }));
    EXPECT_EQ(s.m().drawing.page.pixel(125, 100), Yellow);
    EXPECT_EQ(s.m().drawing.page.pixel(125, 101), Yellow);
    EXPECT_EQ(s.m().drawing.page.pixel(125, 99), Yellow);
    EXPECT_EQ(s.m().drawing.page.pixel(126, 100), 0u) << "the rest of the border stays";
}

TEST(FloodFill, AWidePenCoversThinBorders)
{
    Session s;
    s.run(with(Square, { "biezums 3", "krasot 125,101,1,22" }));
    EXPECT_EQ(s.m().drawing.page.pixel(125, 100), Yellow) << "the seed's dot paints over the border";
    EXPECT_EQ(s.m().drawing.page.pixel(125, 99), rgb(255, 255, 255));
}

TEST(FloodFill, SeedsOutsideThePageFillFromTheEdgeOrNotAtAll)
{
    Session s;
    s.run({ "krasot 1000000000000,5,1,22", "krasot 5,900,1,22" });
    EXPECT_EQ(s.events("fill"),
        (QStringList { "fill 1000000000000 5 b=#000000 f=#FFFF00 n=0",
            "fill 5 900 b=#000000 f=#FFFF00 n=0" }));
    EXPECT_EQ(s.m().drawing.page.pixel(5, 5), rgb(255, 255, 255));
    s.run({ "krasot 789,5,1,22" });
    EXPECT_EQ(s.m().drawing.page.pixel(788, 5), Yellow) << "one pixel outside starts at the edge";
}

TEST(FloodFill, ColourNumbersAreClampedAndAShortLineRepeatsItsLastField)
{
    Session s;
    s.run({ "krasot 5,5,1,0" });
    EXPECT_TRUE(s.events("fill").first().contains(u"f=#000000"));
    s.run({ "fona krasa 6", "krasot 5,5,99,99" });
    EXPECT_TRUE(s.events("fill").first().contains(u"b=#FF80FF f=#FF80FF"));
    s.run({ "fona krasa 6", "krasot 5,22" });
    EXPECT_TRUE(s.events("fill").first().contains(u"b=#FFFF00 f=#FFFF00"));
}
