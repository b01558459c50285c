#include "testrun.h"

#include <gtest/gtest.h>

using namespace zimo;
using zimo::test::Session;

TEST(Conditional, ComparesTheLeftNameWithTheRightNumber)
{
    for (const auto& [x, width] : { std::pair { 250, 5 }, { 150, 3 }, { 200, 3 } }) {
        Session s;
        s.run({ QStringLiteral("koordinatas %1,10").arg(x),
            "ja x>200 tad biezums 5 citadi biezums 3" });
        EXPECT_EQ(s.m().drawing.page.penWidth(), width) << x;
    }
}

TEST(Conditional, WithoutElseAFalseConditionDoesNothing)
{
    Session s;
    s.run({ "ja x<5 tad biezums 5" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 1);
    s.run({ "ja x=394.5 tad biezums 5" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 1) << "the right operand 394.5 is a name worth 1";
    s.run({ "ja y>x tad biezums 5 citadi biezums 2" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 2) << "y (306.5) is not above x (394.5)";
}

TEST(Conditional, BlanksAroundTheOperatorBelongToTheOperands)
{
    Session s;
    s.run({ "ja x > 200 tad biezums 5 citadi biezums 3" });
    // "x " is an unknown name worth 1, " 200" fails the digit test and is worth 1 too.
    EXPECT_EQ(s.m().drawing.page.penWidth(), 3);
    s.run({ "ja x = 200 tad biezums 5 citadi biezums 3" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 5);
}

TEST(Conditional, TheAngleIsComparedAsTheUserSeesIt)
{
    Session s;
    s.run({ "lenkis 90", "ja lenkis=90 tad biezums 4" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 4);
}

TEST(Conditional, BranchesRunThroughBothProceduresAndTheLineIsRestored)
{
    Session s;
    s.run({ "ja x>1 tad uz augsu 5", "ja x<1 tad uz augsu 50 citadi pa labi 7" });
    EXPECT_EQ(s.m().drawing.turtle.y, 301.5);
    EXPECT_EQ(s.m().drawing.turtle.x, 401.5) << "the else text \"di pa labi 7\" still holds the keyword";
    EXPECT_EQ(s.m().program.lines[2], u"ja x<1 tad uz augsu 50 citadi pa labi 7");
}

TEST(Conditional, NestedConditionalsEvaluateInTheBranch)
{
    Session s;
    s.run(
        { "palielinat vertibu a,1", "palielinat vertibu b,2", "ja a=1 tad ja b=2 tad biezums 5" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 5);
    s.run({ "palielinat vertibu a,1", "ja a=1 tad ja b=2 tad biezums 5" });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 1);
}

TEST(Conditional, EndActsWhateverTheCondition)
{
    Session s;
    s.run({ "ja a>5 tad beigt", "uz augsu 10" });
    EXPECT_EQ(s.steps(), QList<int> { 1 });
}

TEST(Conditional, AJumpOrCallInTheBranchDoesNotMoveTheRun)
{
    Session s;
    s.run({ "uz augsu 1", "ja x>1 tad iet uz uz", "uz augsu 2" });
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2, 3 }));
    s.run({ "procedura pp", "uz augsu 1", "proceduras beigas", "ja x>1 tad pp", "uz augsu 2" });
    EXPECT_EQ(s.steps(), (QList<int> { 4, 5 }));
    EXPECT_TRUE(s.m().program.inProcedure) << "the call's side effects stay";
    EXPECT_EQ(s.m().program.returnLine, 5);
}

TEST(Conditional, WithoutAnOperatorBeforeTadTheRunStops)
{
    Session s;
    s.run({ "uz augsu 1", "ja x tad biezums 5" });
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(s.outcome.line, 2);
    s.run({ "ja x tad biezums=5" });
    EXPECT_TRUE(s.failed()) << "an operator after tad does not count";
    s.run({ "ja a citadi b=1 tad biezums 5" });
    EXPECT_TRUE(s.failed()) << "the then text cannot be cut when citadi comes first";
}

TEST(Jump, GoesToTheLastLineBeginningWithTheLabel)
{
    Session s;
    s.run({ "iet uz 15", "15 uz augsu 1", "uz augsu 2", "150 uz augsu 3", "uz augsu 4" });
    EXPECT_EQ(s.steps(), (QList<int> { 1, 5 }));
    s.run({ "iet uz beigam", "uz augsu 1", "beigam", "uz augsu 2" });
    EXPECT_EQ(s.steps(), (QList<int> { 1, 4 }));
}

TEST(Jump, WithoutAMatchOrLabelTheRunGoesOn)
{
    Session s;
    s.run({ "iet uz nekur", "uz augsu 1" });
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2 }));
    s.run({ "iet uz ", "uz augsu 1" });
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2 }));
}

TEST(Jump, LaterTestsOfTheSameCallReadTheLabelLine)
{
    Session s;
    s.run({ "iet uz zz", "uz augsu 1", "zz biezums 2 zieds 1,10,10" });
    // The flower on the label line is drawn at the jump; "biezums" comes before the jump,
    // and the label line itself never gets a step of its own.
    EXPECT_EQ(s.events("seg").size(), 105);
    EXPECT_EQ(s.steps(), QList<int> { 1 });
    EXPECT_EQ(s.m().drawing.page.penWidth(), 1);
}

TEST(Procedure, NamesAreFoundInsideOtherWordsAndTwoNamesCallTwice)
{
    Session s;
    s.run({ "xabxcdx", "beigt", "procedura ab", "uz augsu 1", "proceduras beigas", "procedura cd",
        "uz augsu 2", "proceduras beigas" });
    // The second call returns to the line after the first definition.
    EXPECT_EQ(s.steps(), (QList<int> { 1, 7, 4, 5, 9 }));
}
