#include "program/messages.h"
#include "turtle/turtle.h"

#include <gtest/gtest.h>

using namespace zimo;

namespace
{

Turtle turtleAt(double heading)
{
    Turtle t;
    t.x = 394.5;
    t.y = 306.5;
    t.heading = heading;
    trissturis(t, t.x, t.y, t.heading);
    return t;
}

} // namespace

TEST(Sprite, AfterResetTheNosePointsLeftWithTheRearCornersAtNinetyRadians)
{
    const Turtle t = turtleAt(360);
    EXPECT_FLOAT_EQ(t.sprite[0].x1, 384.5f);
    EXPECT_FLOAT_EQ(t.sprite[0].y1, 306.5f);
    EXPECT_NEAR(t.sprite[0].x2, 394.5 + 4.48, 0.01);
    EXPECT_NEAR(std::abs(t.sprite[0].y2 - 306.5), 8.94, 0.01);
    EXPECT_NEAR(t.sprite[1].x2, 394.5 + 4.48, 0.01);
    EXPECT_NEAR(t.sprite[1].y2 + t.sprite[1].y1, 2 * 306.5, 0.01) << "symmetric rear edge";
    EXPECT_EQ(t.sprite[2].x2, t.sprite[0].x1) << "lin3 closes the triangle at the nose";
    EXPECT_EQ(msg::angleLabel(t.displayAngle), u"Lenķis: 180");
}

TEST(Sprite, NormalisesEachWayAtMostOnce)
{
    struct Case {
        double heading, normalised, display;
    };
    const Case cases[] = {
        { 541, 181, 1 },
        { 542, 542, 362 },
        { 540, 540, 360 },
        { 179, 539, 359 },
        { -500, -140, -320 },
        { 179.5, 179.5, -0.5 },
    };
    for (const Case& c : cases) {
        const Turtle t = turtleAt(c.heading);
        EXPECT_EQ(t.heading, c.normalised) << c.heading;
        EXPECT_EQ(t.displayAngle, c.display) << c.heading;
    }
    EXPECT_EQ(msg::angleLabel(turtleAt(542).displayAngle), u"Lenķis: 362");
    EXPECT_EQ(msg::angleLabel(turtleAt(-500).displayAngle), u"Lenķis: -320");
    EXPECT_EQ(msg::angleLabel(turtleAt(179.5).displayAngle), u"Lenķis: -1");
}

TEST(Sprite, CoordinateLabelFloorsTheTurtlesOwnPosition)
{
    EXPECT_EQ(msg::coordinateLabel(394.5, -0.5), u"Koordinātas X:394  Y:-1");
    Turtle t = turtleAt(360);
    trissturis(t, 10, 20, t.heading);
    EXPECT_FLOAT_EQ(t.sprite[0].x1, 0.0f) << "the sprite stands where it is drawn";
    EXPECT_EQ(t.x, 394.5) << "the position itself does not move";
}

TEST(HeadingFromRadians, RoundsToWholeDegreesAndRaisesNegativeDisplayAngles)
{
    Turtle t;
    lenka_kontrole(t, 1.5708);
    EXPECT_EQ(t.heading, 450);
    EXPECT_EQ(t.displayAngle, 270);
    lenka_kontrole(t, 0);
    EXPECT_EQ(t.heading, 360);
    lenka_kontrole(t, 180 / Turtle::DegreesPerRadian);
    EXPECT_EQ(t.heading, 180);
    lenka_kontrole(t, -30 / Turtle::DegreesPerRadian);
    EXPECT_EQ(t.heading, 330) << "the remainder keeps its sign, then one raise";
    lenka_kontrole(t, 360);
    EXPECT_EQ(t.heading, 466) << "20626 degrees";
}

TEST(KeyStep, MovesFourPixelsAlongTheNose)
{
    Turtle t = turtleAt(270);
    draw(t);
    EXPECT_NEAR(t.x, 394.5, 1e-6);
    EXPECT_NEAR(t.y, 302.5, 1e-6);
}
