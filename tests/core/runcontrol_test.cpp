// Pausing, single-stepping and stop marks, and the state copies taken for the inspector.

#include "stepper.h"

#include "program/numbers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace zimo;
using namespace std::chrono_literals;

namespace
{

QString program(std::initializer_list<const char*> lines)
{
    QStringList text;
    for (const char* line : lines)
        text.append(QString::fromUtf8(line));
    return text.join(QStringLiteral("\r\n"));
}

// Three passes of a two-line body: the closing line replays lines 3 and 4 twice.
const QString RepeatThree
    = program({ "atrums 0", "atkartot 3", "uz prieksu 10", "pa labi 90", "beigas", "lenkis 0" });

} // namespace

TEST(Stepping, EachStepIsOneLineStepAndReplayedLinesCountOneEach)
{
    test::Stepper s;
    s.start(RepeatThree, true);
    // The first line step is made at once; then every step pauses before the next one.
    EXPECT_EQ(s.stepToEnd(), (QList<int> { 2, 3, 4, 5, 3, 4, 3, 4, 6 }));
    EXPECT_EQ(s.outcome.end, RunOutcome::End::Finished);
}

TEST(Stepping, AProcedureCallIsFollowedIntoTheBodyAndBack)
{
    test::Stepper s;
    s.start(program({ "atrums 0", "procedura kvadrats", "uz prieksu 5", "proceduras beigas",
                "kvadrats", "lenkis 10" }),
        true);
    // Line 2 passes over the definition: its step is made for line 5, the call.
    EXPECT_EQ(s.stepToEnd(), (QList<int> { 5, 3, 6 }));
}

TEST(Stepping, AStopMarkOnAReplayedLinePausesEveryPass)
{
    test::Stepper s;
    s.control.setMarked(4, true);
    s.start(RepeatThree, false);
    QList<int> pauses;
    for (int line = s.nextPause(); line != 0; line = s.nextPause()) {
        pauses.append(line);
        EXPECT_TRUE(s.control.isPaused());
        EXPECT_EQ(s.control.pausedLine(), line);
        s.control.resume();
    }
    s.join();
    EXPECT_EQ(pauses, (QList<int> { 4, 4, 4 }));
    EXPECT_EQ(s.outcome.end, RunOutcome::End::Finished);
}

TEST(Stepping, MarksChangedDuringARunTakeEffectAtOnce)
{
    test::Stepper s;
    s.control.setMarked(3, true);
    s.start(RepeatThree, false);
    EXPECT_EQ(s.nextPause(), 3);
    s.control.setMarkedLines({ 6 });
    EXPECT_FALSE(s.control.isMarked(3));
    s.control.resume();
    EXPECT_EQ(s.nextPause(), 6);
    s.control.resume();
    EXPECT_EQ(s.nextPause(), 0);
}

TEST(Stepping, PauseAndResumeAnEndlessRun)
{
    test::Stepper s;
    s.start(program({ "atrums 0", "sakt", "uz prieksu 1", "iet uz sakt" }), false);
    std::this_thread::sleep_for(20ms);
    s.control.pause();
    // On a slow machine the run may not have got past its first line yet.
    const int line = s.nextPause();
    EXPECT_GE(line, 1);
    EXPECT_LE(line, 4);
    EXPECT_FALSE(s.done());
    s.control.resume();
    EXPECT_FALSE(s.control.isPaused());
    s.control.pause();
    EXPECT_NE(s.nextPause(), 0);
}

TEST(Stepping, AStopEndsAPausedRunWithinAHundredMilliseconds)
{
    test::Stepper s;
    s.start(RepeatThree, true);
    ASSERT_EQ(s.nextPause(), 2);
    const auto asked = std::chrono::steady_clock::now();
    s.stop.store(true);
    // Even without a wake-up the paused run looks at the flag every 20 ms; the bound leaves
    // room for a busy test machine.
    s.join();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 500ms);
    EXPECT_EQ(s.outcome.end, RunOutcome::End::Stopped);
}

TEST(Stepping, ThePauseCopiesTheStateBeforeTheLine)
{
    test::Stepper s;
    s.control.setMarked(5, true);
    s.start(program({ "atrums 7", "palielinat vertibu a,2.5", "no i=1 lidz 3", "atkartot 2",
                "lenkis 90", "beigas", "nakosais", "biezums 4", "linijas krasa 10" }),
        false);
    ASSERT_EQ(s.nextPause(), 5);
    StateSnapshot shot;
    ASSERT_TRUE(s.control.takeSnapshot(shot));
    EXPECT_EQ(shot.line, 5);
    EXPECT_EQ(shot.steps, 4);
    EXPECT_EQ(shot.speed, 7 * FixedScale);
    ASSERT_EQ(shot.variables.size(), 1u);
    EXPECT_EQ(shot.variables[0].name, u"a");
    EXPECT_EQ(shot.variables[0].value, 25000);
    ASSERT_EQ(shot.forLoops.size(), 1u);
    EXPECT_EQ(shot.forLoops[0].name, u"i");
    EXPECT_EQ(shot.forLoops[0].current, 1);
    EXPECT_EQ(shot.forLoops[0].end, 3);
    EXPECT_EQ(shot.forLoops[0].line, 3);
    ASSERT_EQ(shot.repeatBlocks.size(), 1u);
    EXPECT_EQ(shot.repeatBlocks[0].count, 2);
    EXPECT_EQ(shot.repeatBlocks[0].line, 4);
    EXPECT_EQ(shot.displayAngle, 180) << "line 5 has not run yet";
    EXPECT_FALSE(s.control.takeSnapshot(shot)) << "taken already";

    s.control.setMarkedLines({});
    s.control.resume();
    s.join();
    EXPECT_EQ(s.outcome.end, RunOutcome::End::Finished);
}

TEST(Stepping, ColourNumbersAreFoundInTheTable)
{
    EXPECT_EQ(colourNumberOf(ColourTable[0]), 1);
    EXPECT_EQ(colourNumberOf(ColourTable[35]), 36);
    EXPECT_EQ(colourNumberOf(rgb(1, 2, 3)), 0);
}
