#include "testrun.h"

#include "interpreter/variables.h"

#include <gtest/gtest.h>

using namespace zimo;
using zimo::test::Session;

namespace
{

double lookUp(Session& s, const char* name)
{
    return parverst(s.m(), Value(QString::fromUtf8(name)));
}

} // namespace

TEST(Variables, IncreaseAndDecreaseKeepTheirSign)
{
    Session s;
    ASSERT_FALSE(
        s.run({ "palielinat vertibu a,5", "samazinat vertibu a,2", "samazinat vertibu b,4",
                  "palielinat vertibu c,-2", "palielinat vertibu d,2.5", "palielinat vertibu 7,5" })
            .message.size());
    EXPECT_EQ(lookUp(s, "a"), 3);
    EXPECT_EQ(lookUp(s, "b"), -4);
    EXPECT_EQ(lookUp(s, "c"), -2);
    EXPECT_EQ(lookUp(s, "d"), 2.5);
    EXPECT_EQ(s.m().variables.count(), 4) << "a digit name creates nothing";
}

TEST(Variables, AVariableMovesTheTurtle)
{
    Session s;
    s.run({ "uz prieksu c", "palielinat vertibu a,5", "samazinat vertibu a,2", "uz augsu a" });
    EXPECT_NEAR(s.m().drawing.turtle.x, 789 / 2.0 - 1, 1e-6) << "an unknown name is worth 1, facing left";
    EXPECT_NEAR(s.m().drawing.turtle.y, 613 / 2.0 - 3, 1e-6);
}

TEST(Variables, BuiltInNamesWinAndOthersAreCaseSensitive)
{
    Session s;
    s.run({ "palielinat vertibu x,10", "palielinat vertibu Lenkis,4" });
    EXPECT_EQ(lookUp(s, "x"), 394.5) << "the table's x is never reached";
    EXPECT_EQ(lookUp(s, "lenkis"), 360) << "the internal heading";
    EXPECT_EQ(lookUp(s, "Lenkis"), 4);
    EXPECT_EQ(lookUp(s, "X"), 1);
    EXPECT_EQ(lookUp(s, "-50"), 1) << "negative literals are names";
}

TEST(Variables, EveryRunStartsWithAnEmptyTable)
{
    Session s;
    s.run({ "palielinat vertibu a,5" });
    EXPECT_EQ(lookUp(s, "a"), 5);
    for (int i = 0; i < 200; ++i)
        s.run({ "uz augsu 0" });
    EXPECT_EQ(lookUp(s, "a"), 1);
    EXPECT_EQ(s.m().variables.count(), 0);
}

TEST(Variables, TheHundredAndFirstVariableStopsTheRun)
{
    QStringList program;
    for (int i = 1; i <= 100; ++i)
        program.append(QStringLiteral("palielinat vertibu v%1,1").arg(i));
    Session s;
    s.run(program);
    EXPECT_FALSE(s.failed());
    program.append(QStringLiteral("palielinat vertibu v101,1"));
    s.run(program);
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(s.outcome.line, 101);
    EXPECT_TRUE(s.outcome.message.startsWith(u"Kļūda 101. rindā: "));
}

TEST(Variables, AnAmountThatIsNoNumberOrTooLargeStopsTheRun)
{
    Session s;
    s.run({ "palielinat vertibu a,b" });
    EXPECT_TRUE(s.failed());
    s.run({ "palielinat vertibu a,900000000000000", "palielinat vertibu a,900000000000000" });
    EXPECT_TRUE(s.failed());
    EXPECT_EQ(s.outcome.line, 2);
}

TEST(Variables, LoopVariablesComeBeforeTableVariablesOutermostFirst)
{
    Session s;
    s.run({ "palielinat vertibu a,100", "no a=7 lidz 7", "no a=3 lidz 3", "beigt" });
    EXPECT_EQ(lookUp(s, "a"), 7);
    EXPECT_EQ(s.m().program.forDepth, 2);
}

TEST(Variables, TheEmptyNameFindsTheReservedFirstSlot)
{
    Session s;
    s.run({ "uz augsu 0" });
    EXPECT_EQ(lookUp(s, ""), 0);
}
