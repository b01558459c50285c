// Taking back steering steps in page mode: Backspace and Ctrl+Z.

#include "windowsteering.h"

#include "editor/page/commandrecorder.h"
#include "editor/page/stepback.h"
#include "editor/textbox/programhistory.h"
#include "editor/window/editoractions.h"
#include "interpreter/machine.h"
#include "platform/rasterpage.h"

#include <QAction>

#include <gtest/gtest.h>

#include <memory>

namespace
{

QImage pageImage(const zimo::RasterPage& page)
{
    QImage image;
    page.copyTo(image);
    return image;
}

struct TurtleAt {
    double x, y, heading;
    bool operator==(const TurtleAt&) const = default;
};

TurtleAt turtleOf(zimo::Form1& w)
{
    const zimo::Turtle& t = w.machine().drawing.turtle;
    return { t.x, t.y, t.heading };
}

void backspace(WindowSteeringDesk& d) { QTest::keyClick(&d.page(), Qt::Key_Backspace); }

} // namespace

TEST(StepBack, BackspaceTakesBackTheLastStepAsOneUndoStep)
{
    WindowSteeringDesk d;
    d.keypad(Qt::Key_9);
    d.hold(Qt::Key_Up, 10);
    const QImage afterFirst = pageImage(d.w.page());
    const TurtleAt turtleAfterFirst = turtleOf(d.w);
    d.keypad(Qt::Key_6);
    d.hold(Qt::Key_Up, 5);
    ASSERT_EQ(d.lines(), (QStringList { "lenkis 45", "uz prieksu 40", "pa labi 20" }));

    backspace(d);
    EXPECT_EQ(d.lines(), (QStringList { "lenkis 45", "uz prieksu 40" }));
    EXPECT_EQ(pageImage(d.w.page()), afterFirst) << "the line's pixels are back as they were";
    EXPECT_EQ(turtleOf(d.w).x, turtleAfterFirst.x);
    EXPECT_EQ(turtleOf(d.w).y, turtleAfterFirst.y);
    EXPECT_EQ(d.w.machine().program.lineCount, 2);
    EXPECT_EQ(d.page().frame().x, turtleAfterFirst.x) << "the page shows the turtle where it is";

    // The text's own undo brings the lines back in one step: the take-back was one edit.
    d.w.menus().history().undo();
    EXPECT_EQ(d.lines(), (QStringList { "lenkis 45", "uz prieksu 40", "pa labi 20" }));
}

TEST(StepBack, CtrlZTakesBackStepsUntilNoneIsLeftThenUndoesText)
{
    WindowSteeringDesk d;
    const QImage blank = pageImage(d.w.page());
    const TurtleAt start = turtleOf(d.w);
    d.keypad(Qt::Key_9);
    const TurtleAt turned = turtleOf(d.w);
    d.hold(Qt::Key_Up, 10);
    d.hold(Qt::Key_Up, 10);
    QTest::keyClick(&d.page(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(d.lines(), (QStringList { "lenkis 45", "uz prieksu 40" }));
    QTest::keyClick(&d.page(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(d.lines().isEmpty());
    EXPECT_EQ(pageImage(d.w.page()), blank);
    EXPECT_EQ(turtleOf(d.w), turned) << "back at the start, still facing the way it was turned";
    EXPECT_NE(turned, start);

    // The angle went back with its line: the next step at 45 writes it again.
    d.hold(Qt::Key_Up, 10);
    EXPECT_EQ(d.lines(), (QStringList { "lenkis 45", "uz prieksu 40" }));
    d.click(d.w.ieraksti());
    d.clickPage();
    backspace(d);
    backspace(d);
    EXPECT_TRUE(d.w.statusRow()->zinojums()->text().contains(u"Nav"));
}

TEST(StepBack, ARunsDrawingStaysAndAChangedPageIsNeverPatched)
{
    WindowSteeringDesk d;
    d.w.setProgramText(QStringLiteral("koordinatas 100,100\r\npa labi 200\r\n"));
    ASSERT_TRUE(d.runToEnd());
    d.clickPage();
    const QImage afterRun = pageImage(d.w.page());
    const QString program = d.w.programText();
    d.keypad(Qt::Key_2);
    d.hold(Qt::Key_Up, 10);
    ASSERT_EQ(d.lines().last(), u"uz leju 40");
    backspace(d);
    EXPECT_EQ(pageImage(d.w.page()), afterRun) << "the run's drawing is kept whole";
    EXPECT_EQ(d.w.programText(), program);

    // A step, then a run: the kept step no longer describes the page.
    d.hold(Qt::Key_Up, 10);
    ASSERT_TRUE(d.runToEnd());
    d.clickPage();
    const QImage rerun = pageImage(d.w.page());
    const QString text = d.w.programText();
    backspace(d);
    EXPECT_EQ(pageImage(d.w.page()), rerun);
    EXPECT_EQ(d.w.programText(), text);
    EXPECT_TRUE(d.w.statusRow()->zinojums()->toolTip().contains(u"mainījies"));
}

TEST(StepBack, APenUpStepGoesBackToWhereItStarted)
{
    WindowSteeringDesk d;
    const TurtleAt start = turtleOf(d.w);
    QTest::keyClick(&d.page(), Qt::Key_Space);
    d.keypad(Qt::Key_6);
    d.hold(Qt::Key_Up, 5);
    ASSERT_EQ(d.lines(), QStringList { "koordinatas 414,306" });
    backspace(d);
    EXPECT_TRUE(d.lines().isEmpty());
    EXPECT_EQ(turtleOf(d.w).x, start.x);
    EXPECT_FALSE(d.w.machine().drawing.pen.penDown) << "the pen stays as it was for the step";
}

TEST(StepBack, KeepsABoundedHistoryOfSmallPatches)
{
    auto page = std::make_unique<zimo::RasterPage>();
    auto machine = std::make_unique<zimo::Machine>(*page);
    zimo::CommandRecorder recorder(machine->program, QString());
    zimo::StepBack back(*machine, recorder);
    zimo::Turtle& t = machine->drawing.turtle;
    t.x = t.prevX = 10;
    t.y = t.prevY = 10;
    QString text;
    for (size_t i = 0; i < zimo::StepBack::MaxSteps + 20; ++i) {
        t.prevX = t.x;
        t.x = t.prevX == 10 ? 11 : 10;
        back.beforeRelease(text);
        text += QStringLiteral("x\r\n");
        machine->program.lineCount = 1 + int(i % 900);
        back.afterRelease(true, text);
    }
    EXPECT_EQ(back.size(), zimo::StepBack::MaxSteps);
    EXPECT_TRUE(back.canTakeBack(text));
    EXPECT_FALSE(back.canTakeBack(text + u'y')) << "another text is another program";
}
