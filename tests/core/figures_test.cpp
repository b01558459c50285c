#include "testrun.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zimo;
using zimo::test::Session;

namespace
{

struct Segment {
    double x1, y1, x2, y2;
};

QList<Segment> segments(const Session& s)
{
    QList<Segment> found;
    for (const QString& line : s.events("seg ")) {
        const QStringList f = line.split(u' ');
        found.append({ f[1].toDouble(), f[2].toDouble(), f[3].toDouble(), f[4].toDouble() });
    }
    return found;
}

constexpr double X0 = 394.5;
constexpr double Y0 = 306.5;

} // namespace

TEST(Flower, FivePetalsIn105StepsAroundTheTurtle)
{
    Session s;
    s.run({ "zieds 5,50,50" });
    const QList<Segment> segs = segments(s);
    ASSERT_EQ(segs.size(), 105);
    EXPECT_EQ(segs.first().x1, X0);
    EXPECT_EQ(segs.first().y1, Y0);
    for (int i = 1; i < segs.size(); ++i)
        ASSERT_EQ(segs[i].x1, segs[i - 1].x2) << "a chain";
    double farthest = 0;
    for (const Segment& seg : segs)
        farthest = std::max(farthest, std::hypot(seg.x2 - X0, seg.y2 - Y0));
    EXPECT_NEAR(farthest, 50, 0.1);
    EXPECT_EQ(s.m().drawing.turtle.x, X0);
    EXPECT_NEAR(s.m().drawing.turtle.heading, 180.48, 0.01);
    EXPECT_EQ(s.events("wait").first(), u"wait 60.000");
}

TEST(Flower, NoPetalsKeepEveryPointAtTheCentre)
{
    Session s;
    s.run({ "zieds 0,50,50" });
    for (const Segment& seg : segments(s)) {
        EXPECT_EQ(seg.x2, X0);
        EXPECT_EQ(seg.y2, Y0);
    }
}

TEST(Star, ClosedFivePointedStarForAnyUnknownType)
{
    for (const char* line : { "zvaigzne 1,150,150", "zvaigzne 4,150,150" }) {
        Session s;
        s.run({ line });
        const QList<Segment> segs = segments(s);
        ASSERT_EQ(segs.size(), 5) << line;
        EXPECT_EQ(segs.first().x1, X0);
        EXPECT_EQ(segs.first().y1, Y0 - 75);
        EXPECT_NEAR(segs.last().x2, X0, 1e-3);
        EXPECT_NEAR(segs.last().y2, Y0 - 75, 1e-3);
        EXPECT_EQ(s.m().drawing.turtle.heading, 270);
        EXPECT_EQ(s.m().drawing.turtle.x, X0);
    }
    Session s;
    s.run({ "zvaigzne 2,50,50" });
    EXPECT_EQ(segments(s).size(), 7);
    s.run({ "zvaigzne 3,50,50" });
    EXPECT_EQ(segments(s).size(), 11);
    EXPECT_EQ(s.m().drawing.turtle.heading, 270);
}

TEST(Polygon, ASquareStandsOnACornerAndClosesExactly)
{
    Session s;
    s.run({ "daudzsturis 4,50,50" });
    const QList<Segment> segs = segments(s);
    ASSERT_EQ(segs.size(), 5);
    EXPECT_NEAR(segs[0].x1, segs[0].x2, 1e-3) << "the first step has zero length";
    const double corners[5][2]
        = { { X0 + 50, Y0 }, { X0, Y0 + 50 }, { X0 - 50, Y0 }, { X0, Y0 - 50 }, { X0 + 50, Y0 } };
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(segs[i].x2, corners[i][0], 1e-3) << i;
        EXPECT_NEAR(segs[i].y2, corners[i][1], 1e-3) << i;
    }
}

TEST(Polygon, StepCountsOfSmallAndLargeCornerCounts)
{
    Session s;
    const std::pair<int, int> cases[]
        = { { 1, 2 }, { 2, 3 }, { 6, 7 }, { 21, 22 }, { 22, 24 }, { 100, 105 } };
    for (const auto& [n, steps] : cases) {
        s.run({ QStringLiteral("daudzsturis %1,50,50").arg(n) });
        EXPECT_EQ(segments(s).size(), steps) << n;
    }
    s.run({ "daudzsturis 2,50,50" });
    const QList<Segment> segs = segments(s);
    // From the bottom corner to the top one and back.
    EXPECT_NEAR(segs[0].y2, Y0 + 50, 1e-3);
    EXPECT_NEAR(segs[1].y2, Y0 - 50, 1e-3);
    EXPECT_NEAR(segs[2].y2, Y0 + 50, 1e-3);
    EXPECT_NEAR(segs[2].x2, X0, 1e-3);
}

TEST(Rays, EveryTwelveDegreesTheLastAlongX)
{
    Session s;
    s.run({ "stari 30,150,150" });
    const QList<Segment> segs = segments(s);
    ASSERT_EQ(segs.size(), 30);
    for (const Segment& seg : segs) {
        EXPECT_EQ(seg.x1, X0);
        EXPECT_NEAR(std::hypot(seg.x2 - X0, seg.y2 - Y0), 150, 1e-3);
    }
    EXPECT_NEAR(segs.last().x2, X0 + 150, 1e-3);
    EXPECT_NEAR(segs.last().y2, Y0, 1e-3);
    EXPECT_NEAR(segs.first().y2, Y0 + 150 * std::sin(12 / 57.29577951), 1e-3)
        << "clockwise on screen";
}

TEST(SineWave, StepsAndTheTurtlesMoveAlongItsRow)
{
    Session s;
    s.run({ "sinusoida 100,50,5" });
    EXPECT_EQ(segments(s).size(), 101);
    EXPECT_NEAR(s.m().drawing.turtle.x, X0 - 101, 1e-6) << "heading 360 draws towards smaller x";
    EXPECT_EQ(s.m().drawing.turtle.y, Y0);
    s.run({ "lenkis 0", "sinusoida 0,50,5" });
    EXPECT_EQ(segments(s).size(), 1);
    EXPECT_NEAR(s.m().drawing.turtle.x, X0 + 1, 1e-9);
}

TEST(Spiral, TenTurnsIn3142Steps)
{
    Session s;
    s.run({ "atrums 0", "spirale 10,10" });
    const QList<Segment> segs = segments(s);
    ASSERT_EQ(segs.size(), 3142);
    EXPECT_NEAR(std::hypot(segs.last().x2 - X0, segs.last().y2 - Y0), 104.7, 0.05);
    EXPECT_GT(segs.first().x2, X0) << "it leaves the turtle to the right";
    EXPECT_LT(segs[20].y2, Y0) << "and winds upwards";
    s.run({ "spirale 10" });
    EXPECT_EQ(segments(s).size(), 3142) << "a missing field repeats the last one";
    s.run({ "spirale 0,10" });
    EXPECT_EQ(segments(s).size(), 1);
}

TEST(Figures, DegenerateCountsStopTheRunInsteadOfNeverEnding)
{
    Session s;
    for (const char* line : { "daudzsturis 0,50,50", "stari 0,50,50", "sinusoida 10,5,0" }) {
        s.run({ "uz augsu 1", line });
        ASSERT_TRUE(s.failed()) << line;
        EXPECT_EQ(s.outcome.line, 2);
    }
    s.run({ "samazinat vertibu n,3", "stari n,50,50" });
    EXPECT_TRUE(s.failed());
    s.run({ "sinusoida 0,5,0" });
    EXPECT_FALSE(s.failed()) << "no length and no period is one step";
}

TEST(Figures, FigureStepsAreBoundedLikeLineSteps)
{
    Session s;
    s.run({ "atrums 0", "spirale 30000,1" }, 100);
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(segments(s).size(), 1000);
}

TEST(Figures, TwoFigureKeywordsOnOneLineDrawBoth)
{
    Session s;
    s.run({ "zieds stari 3,10,10" });
    EXPECT_EQ(segments(s).size(), 105 + 3) << "both with the same arguments";
    EXPECT_FALSE(s.failed());
}
