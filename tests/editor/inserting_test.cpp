#include "steeringdesk.h"

#include "editor/page/samplecommands.h"

#include <gtest/gtest.h>

using zimo::KeySteering;

TEST(SampleButtons, SpiralTwiceAppendsTwoLinesWithHelp)
{
    SteeringDesk d;
    d.take(zimo::com_Click(d.inserter, d.text, 9));
    d.take(zimo::com_Click(d.inserter, d.text, 9));
    EXPECT_EQ(d.text, u"spirale 10,10\r\nspirale 10,10\r\n");
    EXPECT_EQ(d.m.program.lineCount, 2);
    EXPECT_EQ(d.help.command, u"spirale");
    EXPECT_EQ(d.help.help, u"periodu skaits, atstarpe");
    EXPECT_EQ(d.help.example, u"Piemērs: spirale 15,10");

    d.m.program.lineCount = 1000;
    d.take(zimo::com_Click(d.inserter, d.text, 0));
    EXPECT_EQ(d.help.command, u"spirale") << "a refused line is not explained";
}

TEST(ClearingButtons, ClearedTextStartsAtLineOneAndKeepsTheAngle)
{
    SteeringDesk d;
    d.tap(Keypad9);
    d.tap(KeySteering::Up, 10);
    zimo::Command4_Click(d.m.program);
    d.text.clear();
    EXPECT_TRUE(d.m.program.lines[2].isEmpty());
    d.tap(KeySteering::Up, 10);
    EXPECT_EQ(d.text, u"uz prieksu 40\r\n");
    EXPECT_EQ(d.m.program.lines[1], u"uz prieksu 40");
    EXPECT_EQ(d.m.program.lineCount, 1);
}

TEST(ClearingButtons, ClearedPageIsWhiteAndTheTurtleStays)
{
    SteeringDesk d;
    d.tap(KeySteering::Up, 10);
    d.page.setBackground(zimo::rgb(0, 0, 255));
    const double x = d.m.drawing.turtle.x;
    zimo::Command2_Click(d.m.drawing);
    EXPECT_EQ(d.inkedPixels(), 0);
    EXPECT_EQ(d.m.drawing.turtle.x, x);
    EXPECT_TRUE(d.m.drawing.turtle.spriteVisible);
}

TEST(ColourPicker, OkBeforeAnyBoxWritesZeroAndBlack)
{
    SteeringDesk d;
    d.m.drawing.pen.lineColour = zimo::rgb(0, 255, 0);
    d.take(d.pickers.krasas_ok_Click(d.text));
    EXPECT_EQ(d.text, u"linijas krasa 0\r\n");
    EXPECT_EQ(d.m.drawing.pen.lineColour, zimo::rgb(0, 0, 0));
    EXPECT_EQ(d.help.command, u"linijas krasa");
    EXPECT_EQ(d.help.help, u"1-36");
}

TEST(ColourPicker, TenthBoxThenOkMakesSteeringRed)
{
    SteeringDesk d;
    d.pickers.k_lauks_Click(9);
    EXPECT_EQ(d.pickers.state().colourCaption(), u"10.krāsa");
    EXPECT_EQ(d.m.drawing.pen.lineColour, zimo::rgb(0, 0, 0)) << "a box only previews";
    d.take(d.pickers.krasas_ok_Click(d.text));
    EXPECT_EQ(d.text, u"linijas krasa 10\r\n");
    EXPECT_EQ(d.steering.rubberBand().colour, zimo::rgb(255, 0, 0));
    d.tap(KeySteering::Up, 2);
    EXPECT_EQ(d.page.pixel(int(d.m.drawing.turtle.x) + 1, int(d.m.drawing.turtle.y)),
        zimo::rgb(255, 0, 0));
}

TEST(ThicknessPicker, OkWritesTheValueButSteeringStaysThin)
{
    SteeringDesk d;
    d.pickers.HScroll1_Change(7);
    d.take(d.pickers.lin_ok_Click(d.text));
    EXPECT_EQ(d.text, u"biezums 7\r\n");
    EXPECT_EQ(d.help.command, u"biezums");
    EXPECT_EQ(d.help.help, u"cik liels");
    d.tap(KeySteering::Up, 5);
    EXPECT_EQ(d.m.drawing.pen.steeringThickness, 1);
    EXPECT_EQ(d.inkedPixels(), 21) << "20 pixels long, one wide";
}

TEST(StylePicker, FourthSampleWritesStyleFour)
{
    SteeringDesk d;
    d.take(d.pickers.stl_Click(d.text, 3));
    EXPECT_EQ(d.text, u"linijas stils 4\r\n");
    EXPECT_EQ(d.help.command, u"linijas stils");
    EXPECT_EQ(d.help.help, u"kāds");
}
