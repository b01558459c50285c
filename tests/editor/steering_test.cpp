#include "steeringdesk.h"

#include "editor/page/recordingmessages.h"
#include "run/runloop.h"
#include "turtle/turtle.h"

#include <gtest/gtest.h>

using zimo::CommandRecorder;
using zimo::KeySteering;

TEST(KeySteering, TenStepsStraightUpDrawOneLineAndRecordIt)
{
    SteeringDesk d;
    d.text = QStringLiteral("pa labi 10"); // no line end: the step still gets a line of its own
    d.tap(Keypad8);
    const double x0 = d.m.drawing.turtle.x, y0 = d.m.drawing.turtle.y;
    for (int i = 0; i < 10; ++i)
        d.steering.Form_KeyDown(KeySteering::Up, false);
    EXPECT_TRUE(d.steering.rubberBand().visible);
    EXPECT_EQ(d.steering.rubberBand().to, QPointF(x0, y0 - 40));
    EXPECT_EQ(d.inkedPixels(), 0) << "nothing is drawn while the key is held";

    d.tap(KeySteering::Up, 0);
    EXPECT_FALSE(d.steering.rubberBand().visible);
    EXPECT_EQ(d.text, u"pa labi 10\r\nuz augsu 40\r\n");
    EXPECT_EQ(d.m.program.lines[size_t(d.m.program.lineCount)], u"uz augsu 40");
    EXPECT_EQ(d.workFileText(), d.text);
    // 40 pixels long, both ends drawn, one pixel wide.
    EXPECT_EQ(d.inkedPixels(), 41);
    EXPECT_EQ(d.page.pixel(int(x0), int(y0) - 40), zimo::rgb(0, 0, 0));
}

TEST(KeySteering, AngleLineOnlyWhenTheAngleDiffersFromTheLastRecorded)
{
    SteeringDesk d;
    d.tap(Keypad9);
    d.tap(KeySteering::Up, 10);
    d.tap(KeySteering::Up, 10);
    d.tap(Keypad8);
    d.tap(KeySteering::Up, 10);
    d.tap(Keypad9);
    d.tap(KeySteering::Up, 10);
    d.tap(KeySteering::Left, 3);
    d.tap(KeySteering::Up, 5);
    EXPECT_EQ(d.text,
        u"lenkis 45\r\nuz prieksu 40\r\nuz prieksu 40\r\nuz augsu 40\r\nuz prieksu 40\r\n"
        u"lenkis 48\r\nuz prieksu 20\r\n");
}

TEST(KeySteering, TurningAndSpaceAloneRecordAndDrawNothing)
{
    SteeringDesk d;
    d.tap(KeySteering::Left, 5);
    d.tap(KeySteering::Right, 2);
    EXPECT_EQ(d.m.drawing.turtle.displayAngle, 183);
    d.tap(KeySteering::Space);
    EXPECT_EQ(d.steering.sideColour(), KeySteering::PenUpSides);
    d.tap(KeySteering::Space);
    EXPECT_EQ(d.steering.sideColour(), KeySteering::PenDownSides);
    EXPECT_TRUE(d.text.isEmpty());
    EXPECT_EQ(d.inkedPixels(), 0);
}

TEST(KeySteering, PenUpStepRecordsRoundedCoordinatesAndDrawsNothing)
{
    SteeringDesk d;
    d.tap(KeySteering::Space);
    d.tap(Keypad9);
    d.tap(KeySteering::Up, 10);
    EXPECT_EQ(d.steering.rubberBand().to, QPointF()) << "the band stays where it lay";
    d.m.drawing.turtle.y = 199.5;
    d.tap(KeySteering::Up, 0);
    // (394.5, 306.5) plus 40 pixels at 45 degrees, then a half rounded to even.
    EXPECT_EQ(d.text, u"koordinatas 423,278\r\nkoordinatas 423,200\r\n");
    EXPECT_EQ(d.inkedPixels(), 0);
}

TEST(KeySteering, KeysDoNothingWhileARunGoesOn)
{
    SteeringDesk d;
    const zimo::Turtle before = d.m.drawing.turtle;
    for (int key : { 32, 37, 38, 104 })
        EXPECT_FALSE(d.steering.Form_KeyDown(key, true));
    d.take(d.steering.Form_KeyUp(KeySteering::Up, d.text, true));
    EXPECT_EQ(d.m.drawing.turtle.y, before.y);
    EXPECT_EQ(d.m.drawing.turtle.heading, before.heading);
    EXPECT_TRUE(d.m.drawing.pen.penDown);
    EXPECT_TRUE(d.text.isEmpty());
}

TEST(KeySteering, RecordedProgramRedrawsTheSteeredPath)
{
    SteeringDesk d;
    zimo::Turtle& t = d.m.drawing.turtle;
    t.heading = 225.5 + 180; // a fraction left by a run: written as 226
    zimo::trissturis(t, t.x, t.y, t.heading);
    d.tap(KeySteering::Up, 12);
    d.tap(Keypad6);
    d.tap(KeySteering::Up, 7);
    d.tap(KeySteering::Right, 30);
    d.tap(KeySteering::Up, 9);
    d.tap(KeySteering::Space);
    d.tap(KeySteering::Up, 3);
    d.tap(KeySteering::Space);
    d.tap(KeySteering::Left, 100);
    d.tap(KeySteering::Up, 6);
    ASSERT_TRUE(d.text.startsWith(u"lenkis 226\r\n"));

    SteeringDesk replay;
    const zimo::RunOutcome outcome = zimo::zimet_Click(replay.m, d.text, {});
    ASSERT_EQ(outcome.end, zimo::RunOutcome::End::Finished) << outcome.message.toStdString();
    EXPECT_NEAR(replay.m.drawing.turtle.x, t.x, 1.0) << d.text.toStdString();
    EXPECT_NEAR(replay.m.drawing.turtle.y, t.y, 1.0) << d.text.toStdString();
}

TEST(CommandRecorder, FullLineArrayRefusesAndKeepsTextAndArray)
{
    SteeringDesk d;
    d.m.program.lineCount = 999;
    d.tap(Keypad9);
    d.tap(KeySteering::Up, 10); // needs two lines, one is left
    EXPECT_FALSE(d.last.appended);
    EXPECT_EQ(d.last.notice, zimo::recordingmsg::lineArrayFull());
    EXPECT_TRUE(d.text.isEmpty());
    EXPECT_EQ(d.m.program.lineCount, 999);
    EXPECT_TRUE(d.m.program.lines[1000].isEmpty());
    EXPECT_FALSE(d.recorder.lastRecordedAngle()) << "an unwritten angle is still to write";

    d.take(d.recorder.appendLine(d.text, QStringLiteral("biezums 3")));
    d.take(d.recorder.appendLine(d.text, QStringLiteral("biezums 4")));
    EXPECT_FALSE(d.last.appended);
    EXPECT_EQ(d.text, u"biezums 3\r\n");
    EXPECT_EQ(d.m.program.lines[1000], u"biezums 3");
}

TEST(CommandRecorder, WorkFileTroubleNeverCostsText)
{
    SteeringDesk d;
    d.take(d.recorder.appendLine(d.text, QStringLiteral("pa labi 5")));
    d.text += QStringLiteral("ēģīķ \u0416\U0001F600\r\n");
    for (int i = 0; i < 1200; ++i) // far beyond 10,000 bytes
        d.text += QStringLiteral("uz prieksu %1\r\n").arg(i);
    const QString typed = d.text;
    d.take(d.recorder.appendLine(d.text, QStringLiteral("spirale 10,10")));
    EXPECT_EQ(d.text, typed + QStringLiteral("spirale 10,10\r\n"));
    EXPECT_TRUE(d.last.notice.contains(QStringLiteral("\u0416"))) << d.last.notice.toStdString();
    EXPECT_EQ(d.workFileText(), u"pa labi 5\r\n") << "the file keeps its last good text";

    d.text.remove(QStringLiteral("\u0416\U0001F600"));
    d.take(d.recorder.appendLine(d.text, QStringLiteral("stari 30,150,150")));
    EXPECT_TRUE(d.last.notice.isEmpty());
    EXPECT_EQ(d.workFileText(), d.text);

    CommandRecorder lost(d.m.program, QStringLiteral("/nonexistent-folder/komandas.zkf"));
    const zimo::Recorded r
        = lost.appendLine(QStringLiteral("uz augsu 4\r\n"), QStringLiteral("biezums 2"));
    EXPECT_EQ(r.text, u"uz augsu 4\r\nbiezums 2\r\n");
    EXPECT_TRUE(r.notice.contains(u"komandas.zkf")) << r.notice.toStdString();
}

TEST(CommandRecorder, FractionalAngleIsWrittenWholeHalvesToEvenWithin0To359)
{
    const std::pair<double, int> cases[]
        = { { 44.5, 44 }, { 45.5, 46 }, { 359.6, 0 }, { -0.4, 0 }, { -90.5, 270 }, { 405.4, 45 } };
    for (auto [angle, written] : cases)
        EXPECT_EQ(CommandRecorder::recordedAngle(angle), written) << angle;

    // What is remembered is the written angle.
    SteeringDesk d;
    for (double angle : { 30.5, 29.7 }) {
        d.m.drawing.turtle.heading = angle + 180;
        zimo::trissturis(d.m.drawing.turtle, d.m.drawing.turtle.x, d.m.drawing.turtle.y, d.m.drawing.turtle.heading);
        d.tap(KeySteering::Up, 10);
    }
    EXPECT_EQ(d.text, u"lenkis 30\r\nuz prieksu 40\r\nuz prieksu 40\r\n");
}

TEST(CommandRecorder, AnAppendedLineNeverGluesOntoAnOpenLastLine)
{
    SteeringDesk d;
    const std::pair<QString, QString> cases[] = {
        { QString(), QStringLiteral("biezums 2\r\n") },
        { QStringLiteral("pa labi 10"), QStringLiteral("pa labi 10\r\nbiezums 2\r\n") },
        { QStringLiteral("pa labi 10\r\n"), QStringLiteral("pa labi 10\r\nbiezums 2\r\n") },
        { QStringLiteral("pa labi 10\r"), QStringLiteral("pa labi 10\rbiezums 2\r\n") },
        { QStringLiteral("\r\n\r\n"), QStringLiteral("\r\n\r\nbiezums 2\r\n") },
    };
    for (const auto& [before, after] : cases) {
        d.take(d.recorder.appendLine(before, QStringLiteral("biezums 2")));
        EXPECT_EQ(d.text, after);
        EXPECT_EQ(d.workFileText(), after);
    }
}
