#include "testrun.h"

#include "run/stepgate.h"

#include <gtest/gtest.h>

using namespace zimo;
using zimo::test::Session;

namespace
{

// The x positions the turtle had after each step of line n, as it moves left by the loop
// variable each pass.
QList<int> valuesSeen(Session& s, const QStringList& program, int n)
{
    s.run(program);
    QList<int> values;
    double last = 394.5;
    for (const QString& line : s.events("line ")) {
        const double x = line.section(u' ', 2, 2).mid(2).toDouble();
        if (line.section(u' ', 1, 1).toInt() == n)
            values.append(int(last - x));
        last = x;
    }
    return values;
}

} // namespace

TEST(CountedLoop, PassesAndValuesFollowTheStartEndAndStep)
{
    Session s;
    EXPECT_EQ(valuesSeen(s, { "no a=1 lidz 5", "uz prieksu a", "nakosais" }, 2),
        (QList<int> { 1, 2, 3, 4, 5 }));
    EXPECT_EQ(valuesSeen(s, { "no a=1 lidz 15 solis 2", "uz prieksu a", "nakosais" }, 2),
        (QList<int> { 1, 3, 5, 7, 9, 11, 13, 15 }));
    EXPECT_EQ(valuesSeen(s, { "no a=5 lidz 5", "uz prieksu a", "nakosais" }, 2),
        (QList<int> { 5, 4, 3 }));
    const QList<int> down = valuesSeen(s, { "no a=10 lidz 1", "uz prieksu a", "nakosais" }, 2);
    EXPECT_EQ(down.size(), 12);
    EXPECT_EQ(down.first(), 10);
    EXPECT_EQ(down.last(), -1);
}

TEST(CountedLoop, TheVariableIsOnlyALoopVariableInsideTheLoop)
{
    Session s;
    const QList<int> seen = valuesSeen(s, { "no a=3 lidz 4", "nakosais", "uz prieksu a" }, 3);
    EXPECT_EQ(seen, QList<int> { 1 });
}

TEST(CountedLoop, NestedLoopsMultiplyAndBothVariablesResolve)
{
    Session s;
    s.run(
        { "no b=1 lidz 3", "no a=1 lidz 2", "pa kreisi a", "uz augsu b", "nakosais", "nakosais" });
    EXPECT_EQ(s.steps().count(3), 6);
    EXPECT_EQ(s.m().drawing.turtle.x, 394.5 - 3 * (1 + 2));
    EXPECT_EQ(s.m().drawing.turtle.y, 306.5 - 2 * (1 + 2 + 3));
    EXPECT_EQ(s.m().program.forDepth, 0);
}

TEST(CountedLoop, StartAndEndAfterSolisAreReadAsNumbersOnly)
{
    Session s;
    s.run({ "palielinat vertibu n,4", "no a=n lidz n solis 1", "uz prieksu 1", "nakosais" });
    EXPECT_EQ(s.steps().count(3), 3) << "both read as 0: three passes, like a=5 lidz 5";
    s.run({ "no a=1 lidz n", "nakosais" });
    ASSERT_TRUE(s.failed()) << "an end value that is a name cannot be stored";
    EXPECT_EQ(s.outcome.line, 1);
    s.run({ "no a=1 lidz 5 solis -2", "uz prieksu 1", "nakosais" });
    EXPECT_FALSE(s.failed()) << "a signed step is a number";
    s.run({ "no a=1 lidz 40000", "nakosais" });
    EXPECT_TRUE(s.failed());
}

TEST(CountedLoop, AZeroStepWithAnEmptyBodyStopsInsteadOfSpinning)
{
    Session s;
    s.run({ "no a=1 lidz 5 solis 0", "nakosais" });
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(s.outcome.line, 2);
    s.run({ "no a=1 lidz 5 solis 0", "uz augsu 0", "nakosais" }, 1000);
    ASSERT_TRUE(s.failed()) << "with a body it runs until the step limit";
    EXPECT_EQ(s.steps().size(), 999) << "the closing line's own step never ends";
}

TEST(RepeatBlock, RunsItsBodyCountTimesAndAtLeastOnce)
{
    Session s;
    s.run({ "atkartot 4", "uz augsu 1", "beigas" });
    EXPECT_EQ(s.steps().count(2), 4);
    s.run({ "atkartot 0", "uz augsu 1", "beigas" });
    EXPECT_EQ(s.steps().count(2), 1);
    s.run({ "palielinat vertibu n,3", "atkartot n", "uz augsu 1", "beigas" });
    EXPECT_EQ(s.steps().count(3), 3);
    s.run({ "atkartot 3", "atkartot 2", "uz augsu 1", "beigas", "beigas" });
    EXPECT_EQ(s.steps().count(3), 6);
}

// What the inspector shows: the pass each open repeat block is on, at each step of line.
class PassWatch : public StepGate
{
public:
    explicit PassWatch(int line)
        : m_line(line)
    {
    }
    void beforeLineStep(const Machine& m, int line, RunSession&) override
    {
        if (line != m_line)
            return;
        QString passes;
        for (int d = 1; d <= m.program.repeatDepth; ++d)
            passes += QString::number(m.program.repeatStack[size_t(d)].pass);
        seen.append(passes);
    }
    QStringList seen;

private:
    int m_line;
};

TEST(RepeatBlock, EachOpenBlockCountsItsPasses)
{
    Session s;
    PassWatch watch(3);
    RunOptions options;
    options.gate = &watch;
    zimet_Click(s.m(), QStringLiteral("atkartot 2\r\natkartot 3\r\npa labi 1\r\nbeigas\r\nbeigas"),
        options);
    EXPECT_EQ(watch.seen.join(u' '), QStringLiteral("11 12 13 21 22 23"));
}

TEST(RepeatBlock, ProcedureEndNeverClosesABlock)
{
    Session s;
    s.run({ "atkartot 2", "proceduras beigas", "beigas" });
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2, 2, 3 }));
}

TEST(Loops, AJumpInAReplayLeavesEveryEnclosingLoop)
{
    Session s;
    s.run({ "atkartot 3", "no a=1 lidz 3", "uz augsu 1", "ja a=2 tad iet uz nekur", "nakosais",
        "beigas", "uz leju 1" });
    // The counted loop's first replay (a=2) jumps, which ends it. Inside the repeat block's
    // first replay the same jump also ends the block: there is no second replay of it.
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2, 3, 4, 3, 4, 5, 2, 3, 4, 3, 4, 5, 6, 7 }));
    EXPECT_EQ(s.m().program.forDepth, 0);
    EXPECT_EQ(s.m().program.repeatDepth, 0);
}

TEST(Loops, AJumpInTheSequentialPassLeavesTheEntryOpen)
{
    Session s;
    s.run({ "uz augsu 1", "atkartot 2", "iet uz zz", "beigas", "zz" });
    EXPECT_EQ(s.m().program.repeatDepth, 1);
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2, 3 }));
}

TEST(Loops, EndBeforeAClosingLastLineReplaysWithoutEndAndIsStopped)
{
    Session s;
    s.run({ "atkartot 3", "uz augsu 1", "beigt", "uz augsu 5", "beigas" });
    // "beigt" lets the rest of its call read the last line, whose "beigas" replays the
    // block; each replayed "beigt" does the same again, one level deeper every time.
    ASSERT_TRUE(s.failed());
    EXPECT_TRUE(s.outcome.line == 2 || s.outcome.line == 3);
    EXPECT_TRUE(s.outcome.message.contains(u"1000"));
    EXPECT_EQ(s.steps().mid(0, 4), (QList<int> { 1, 2, 2, 2 }));
}

TEST(Loops, ACallFromAReplayedLineDoesNotReturn)
{
    Session s;
    s.run({ "atkartot 2", "kk", "uz augsu 1", "beigas", "beigt", "procedura kk", "uz leju 1",
        "proceduras beigas" });
    // Sequential pass: the call returns to line 3. Replay: the call moves the replay's
    // counter to the definition, past the block's range, so the pass ends there.
    EXPECT_EQ(s.steps(), (QList<int> { 1, 2, 7, 3, 2, 4, 5 }));
    EXPECT_TRUE(s.m().program.inProcedure);
}

TEST(Loops, ClosingLinesWithNothingOpenAndTooDeepNestingStopTheRun)
{
    Session s;
    s.run({ "uz augsu 1", "nakosais" });
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(s.outcome.line, 2);
    s.run({ "beigas" });
    EXPECT_TRUE(s.failed());
    QStringList deep(101, QStringLiteral("atkartot 2"));
    s.run(deep);
    ASSERT_TRUE(s.failed());
    EXPECT_EQ(s.outcome.line, 101);
    QStringList deepFor(100, QStringLiteral("no a=1 lidz 2"));
    s.run(deepFor);
    EXPECT_FALSE(s.failed());
}

TEST(Loops, DeeplyNestedReplaysDoNotExhaustTheStack)
{
    QStringList program;
    for (int i = 0; i < 100; ++i)
        program.append(QStringLiteral("atkartot 2"));
    program.append(QStringLiteral("atrums 0"));
    for (int i = 0; i < 100; ++i)
        program.append(QStringLiteral("beigas"));
    Session s;
    s.run(program, 20000);
    EXPECT_TRUE(s.failed()) << "2^100 passes end at the step limit";
    EXPECT_TRUE(s.outcome.message.contains(u"20000"));
}
