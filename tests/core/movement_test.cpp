#include "testrun.h"

#include "turtle/pen.h"

#include <gtest/gtest.h>

using namespace zimo;
using zimo::test::Session;

TEST(Movement, ForwardFollowsTheHeadingAndDrawsFromThePreviousPosition)
{
    Session s;
    s.run({ "uz prieksu 100" });
    EXPECT_EQ(
        s.events("seg"), QStringList { "seg 394.500 306.500 294.500 306.500 c=#000000 w=1 s=0" });
    s.run({ "lenkis 90", "uz prieksu 10" });
    EXPECT_NEAR(s.m().drawing.turtle.y, 296.5, 1e-9);
    EXPECT_EQ(s.m().drawing.turtle.displayAngle, 90);
}

TEST(Movement, ScreenDirectionsSetTheHeadingWhichTheSpriteThenNormalises)
{
    Session s;
    s.run({ "uz leju 30" });
    EXPECT_EQ(s.m().drawing.turtle.y, 336.5);
    EXPECT_EQ(s.m().drawing.turtle.heading, 450);
    s.run({ "pa kreisi 30" });
    EXPECT_EQ(s.m().drawing.turtle.heading, 360);
    EXPECT_EQ(s.m().drawing.turtle.x, 364.5);
    s.run({ "pa labi 5" });
    EXPECT_EQ(s.m().drawing.turtle.heading, 180);
    EXPECT_EQ(s.m().drawing.turtle.displayAngle, 0);
}

TEST(Movement, TurnsAreRelativeAndAngleIsAbsolute)
{
    Session s;
    s.run({ "lenkis pa kreisi 90" });
    EXPECT_EQ(s.m().drawing.turtle.heading, 450);
    s.run({ "lenkis pa labi 200" });
    EXPECT_EQ(s.m().drawing.turtle.heading, 520);
    s.run({ "lenkis pa labi 400" });
    EXPECT_EQ(s.m().drawing.turtle.heading, 320);
    s.run({ "lenkis pa labi 2.5" });
    EXPECT_EQ(s.m().drawing.turtle.heading, 359) << "a fractional literal is a name worth 1";
}

TEST(Movement, ATurnLineIsNotAlsoAMoveSideways)
{
    Session s;
    s.run({ "lenkis pa labi 10" });
    EXPECT_EQ(s.m().drawing.turtle.x, 394.5);
    EXPECT_TRUE(s.events("seg").isEmpty());
}

TEST(Movement, ParvietotMovesWithoutPenAndCoordinatesJump)
{
    Session s;
    s.run({ "parvietot uz augsu 50", "koordinatas 10,20", "pa labi 5" });
    EXPECT_EQ(s.events("seg"), QStringList { "seg 10.000 20.000 15.000 20.000 c=#000000 w=1 s=0" });
}

TEST(Movement, CoordinatesLookUpBothNamesBeforeStoringEither)
{
    Session s;
    s.run({ "koordinatas y,x" });
    EXPECT_EQ(s.m().drawing.turtle.x, 306.5);
    EXPECT_EQ(s.m().drawing.turtle.y, 394.5);
}

TEST(Movement, AMissingArgumentDrawsAZeroLengthLineAndNoBlankMeansNoCommand)
{
    Session s;
    s.run({ "uz prieksu ", "uz prieksu" });
    EXPECT_EQ(
        s.events("seg"), QStringList { "seg 394.500 306.500 394.500 306.500 c=#000000 w=1 s=0" });
}

TEST(Movement, ConditionalLinesAreLeftToTheConditional)
{
    Session s;
    s.run({ "ja x<0 tad uz augsu 5" });
    EXPECT_EQ(s.m().drawing.turtle.y, 306.5);
}

TEST(LineStyle, NumbersOneToSixAndEverythingElseSolid)
{
    Session s;
    s.run({ "linijas stils 3" });
    EXPECT_EQ(s.m().drawing.page.lineStyle(), 2);
    s.run({ "linijas stils 9" });
    EXPECT_EQ(s.m().drawing.page.lineStyle(), 0);
    s.run({ "linijas stils 6", "linijas stils 0" });
    EXPECT_EQ(s.m().drawing.page.lineStyle(), 0);
    s.run({ "linijas stils 6" });
    s.run({ "uz augsu 1" });
    EXPECT_EQ(s.m().drawing.page.lineStyle(), 5) << "the style is not reset by a run";
}

TEST(PenCommands, ColourNumbersAreClampedAndLinesWithFonaSetOnlyTheBackground)
{
    Session s;
    s.run({ "linijas krasa 0" });
    EXPECT_EQ(s.m().drawing.pen.lineColour, rgb(0, 0, 0));
    s.run({ "linijas krasa 99" });
    EXPECT_EQ(s.m().drawing.pen.lineColour, rgb(255, 128, 255));
    s.run({ "linijas krasa 10", "fona linijas krasa 3" });
    EXPECT_EQ(s.m().drawing.pen.lineColour, rgb(255, 0, 0));
    s.run({ "fona krasa 10" });
    EXPECT_EQ(s.events("bg"), QStringList { "bg #FF0000" });
    EXPECT_EQ(s.m().drawing.page.pixel(5, 5), rgb(255, 0, 0));
    EXPECT_EQ(s.m().drawing.pen.lineColour, 0u);
    EXPECT_EQ(colourOfNumber(1.5), ColourTable[0]) << "0.5 rounds to the even 0";
    EXPECT_EQ(colourOfNumber(2.5), ColourTable[2]);
}

TEST(PenCommands, WidthSpeedAndPauseReadTheirArgument)
{
    Session s;
    s.run({ "biezums 0", "pauze 7", "atrums 0" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 1);
    EXPECT_EQ(s.events("wait"),
        (QStringList { "wait 300.000", "wait 7.000", "wait 300.000", "wait 0.000" }));
    s.run({ "biezums 99999" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 32767);
    s.run({ "palielinat vertibu v,2.5", "atrums v", "atrums -5" });
    EXPECT_EQ(s.events("wait").mid(1), (QStringList { "wait 2.500", "wait 1.000" }));
    s.run({ "biezums 3" });
    s.run({ "uz augsu 1" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 1) << "the reset sets width 1 and speed 300";
    EXPECT_EQ(s.events("wait"), QStringList { "wait 300.000" });
}

TEST(PenCommands, SpriteVisibilityActsEvenInAConditionalLine)
{
    Session s;
    s.run({ "ja x<0 tad brunurupucis paslepts", "uz augsu 1" });
    EXPECT_EQ(s.events("line").last().right(5), u"vis=0");
    s.run({ "brunurupucis paslepts", "brunurupucis redzams" });
    EXPECT_TRUE(s.m().drawing.turtle.spriteVisible);
}

TEST(PenCommands, RootReturnsToTheMiddleAndClearErasesThePage)
{
    Session s;
    s.run({ "uz augsu 100", "lenkis 45", "sakne", "notirit lapu" });
    EXPECT_EQ(s.m().drawing.turtle.y, 306.5);
    EXPECT_EQ(s.m().drawing.turtle.heading, 360);
    EXPECT_EQ(s.events("clear").size(), 1);
    EXPECT_EQ(s.m().drawing.page.pixel(394, 250), rgb(255, 255, 255));
}
