// Run control in the window: F10, F6, the Run button while paused, stop marks and the
// state inspector.

#include "windowdesk.h"

#include "editor/run/runcontrolactions.h"
#include "editor/run/stateinspector.h"
#include "editor/run/stopmarks.h"

#include <QAction>
#include <QMenu>
#include <QTextBlock>

#include <gtest/gtest.h>

using zimo::RunOutcome;

namespace
{

// The window's run control and the pauses it shows.
struct SteppingDesk : WindowDesk {
    zimo::RunControlActions& run = w.runActions();
    QSignalSpy pauses { &run, &zimo::RunControlActions::pausedAt };
    QSignalSpy finished { &w, &zimo::Form1::runFinished };

    void setText(const char* lines) { w.setProgramText(QString::fromUtf8(lines)); }
    /// Waits for the next pause; its line, or 0 when the run ended instead.
    int nextPause()
    {
        const int seen = int(pauses.count());
        waitFor([&] { return pauses.count() > seen || !w.isRunning(); }, 5000);
        return pauses.count() > seen ? pauses.back().at(0).toInt() : 0;
    }
    /// Presses F10 until the run ends; the lines it paused before.
    QList<int> stepToEnd()
    {
        QList<int> lines;
        run.solis()->trigger();
        for (int line = nextPause(); line != 0; line = nextPause()) {
            lines.append(line);
            run.solis()->trigger();
        }
        return lines;
    }
    void markLine(int line)
    {
        QTextCursor cursor(text().document()->findBlockByNumber(line - 1));
        text().setTextCursor(cursor);
        run.apstasanas_vieta()->trigger();
    }
    QString shown(const QString& group, const QString& name)
    {
        return run.inspector() ? run.inspector()->valueOf(group, name) : QString();
    }
};

} // namespace

TEST(WindowStepping, TheMenusHoldTheRunControlWithTheirKeys)
{
    SteppingDesk d;
    auto* program = d.w.findChild<QMenu*>(QStringLiteral("programma"));
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->title(), u"P&rogramma");
    EXPECT_EQ(d.run.pauze()->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(d.run.solis()->shortcut(), QKeySequence(Qt::Key_F10));
    EXPECT_EQ(d.run.apstasanas_vieta()->shortcut(), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(d.run.apstasanas_vieta()->text(), u"Apstāšanās vieta");
    auto* start = program->findChild<QAction*>(QStringLiteral("startet"));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->shortcut(), QKeySequence(Qt::Key_F5));
    auto* view = d.w.findChild<QMenu*>(QStringLiteral("skats"));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->actions().contains(d.run.stavoklis()));
    EXPECT_EQ(d.run.stavoklis()->text(), u"Stāvoklis");
}

TEST(WindowStepping, F10WalksALoopAndAProcedureCallLineByLine)
{
    SteppingDesk d;
    d.setText("atrums 0\r\nprocedura mana\r\npa labi 90\r\nproceduras beigas\r\natkartot 2\r\n"
              "uz prieksu 5\r\nbeigas\r\nmana\r\nlenkis 0");
    // F10 with no run starts one and makes its first line step; each further F10 one more.
    // The closing line 7 replays line 6 as a step of its own; the call on line 8 goes into
    // the body (line 3) and returns to line 9.
    EXPECT_EQ(d.stepToEnd(), (QList<int> { 5, 6, 7, 6, 8, 3, 9 }));
    ASSERT_EQ(d.finished.count(), 1);
    EXPECT_EQ(d.finished.back().at(0).value<RunOutcome>().end, RunOutcome::End::Finished);
    EXPECT_EQ(d.text().runLine(), 0);
}

TEST(WindowStepping, PauseShowsTheRunSoFarAndTheRunButtonGoesOn)
{
    SteppingDesk d;
    d.setText("atrums 0\r\nsakt\r\nuz prieksu 1\r\nlenkis pa labi 1\r\niet uz sakt");
    d.w.zimet_Click();
    ASSERT_TRUE(WindowDesk::waitFor([&] { return d.text().runLine() >= 2; }, 3000));
    d.run.pauze()->trigger();
    const int line = d.nextPause();
    ASSERT_GE(line, 2);
    EXPECT_TRUE(d.w.isRunning());
    EXPECT_EQ(d.text().runLine(), line) << "the line about to run is highlighted";
    EXPECT_TRUE(d.text().isReadOnly());
    EXPECT_EQ(d.w.toolbar()->zimet()->toolTip(), u"Turpināt programmu");
    EXPECT_NE(d.w.statusRow()->lb_coord()->text(), u"Koordinātas X:394  Y:306")
        << "the status row shows where the run has got to";
    ASSERT_NE(d.run.inspector(), nullptr);
    EXPECT_TRUE(d.run.inspector()->isVisible()) << "the first pause opens the inspector";

    // The Run button goes on; F6 pauses again; "Apturēt" ends the paused run.
    d.w.zimet_Click();
    EXPECT_EQ(d.w.toolbar()->zimet()->toolTip(), u"Apturēt programmu");
    QTest::qWait(20);
    d.run.pauze()->trigger();
    EXPECT_NE(d.nextPause(), 0);
    d.w.stopRun();
    ASSERT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 1000));
    EXPECT_EQ(d.finished.back().at(0).value<RunOutcome>().end, RunOutcome::End::Stopped);
    EXPECT_EQ(d.w.toolbar()->zimet()->toolTip(), u"Startēt programmu");
}

TEST(WindowStepping, AStopMarkOnAReplayedLinePausesEveryPass)
{
    SteppingDesk d;
    d.setText("atrums 0\r\natkartot 3\r\nuz prieksu 10\r\npa labi 90\r\nbeigas");
    d.markLine(4);
    EXPECT_TRUE(d.run.marks().isMarked(4));
    d.w.zimet_Click();
    QList<int> lines;
    for (int line = d.nextPause(); line != 0; line = d.nextPause()) {
        lines.append(line);
        d.w.zimet_Click();
    }
    EXPECT_EQ(lines, (QList<int> { 4, 4, 4 }));
    EXPECT_EQ(d.finished.back().at(0).value<RunOutcome>().end, RunOutcome::End::Finished);
}

TEST(WindowStepping, StopMarksMoveWithTheirLinesAndStayOutOfTheText)
{
    SteppingDesk d;
    d.setText("uz prieksu 1\r\nuz prieksu 2\r\nuz prieksu 3");
    d.markLine(2);
    d.markLine(3);
    EXPECT_EQ(d.run.marks().lines(), (QList<int> { 2, 3 }));
    QTextCursor top(d.text().document());
    top.insertText(QStringLiteral("lenkis 90\n"));
    EXPECT_EQ(d.run.marks().lines(), (QList<int> { 3, 4 }));
    d.markLine(3);
    EXPECT_EQ(d.run.marks().lines(), (QList<int> { 4 })) << "F9 again removes the mark";
    EXPECT_EQ(d.w.programText(), u"lenkis 90\r\nuz prieksu 1\r\nuz prieksu 2\r\nuz prieksu 3");
    d.setText("biezums 2");
    EXPECT_TRUE(d.run.marks().lines().isEmpty()) << "a new text has no marks";
}

TEST(WindowStepping, TheInspectorShowsTheStateAtAPause)
{
    SteppingDesk d;
    d.setText("atrums 0\r\npalielinat vertibu a,2.5\r\nsamazinat vertibu b,0.125\r\n"
              "no i=1 lidz 3\r\natkartot 2\r\nlinijas krasa 10\r\nbiezums 4\r\nbeigas\r\n"
              "nakosais");
    d.markLine(7);
    d.w.zimet_Click();
    ASSERT_EQ(d.nextPause(), 7);
    using namespace zimo;
    EXPECT_EQ(d.shown(QStringLiteral("Mainīgie"), QStringLiteral("a")), u"2.5");
    EXPECT_EQ(d.shown(QStringLiteral("Mainīgie"), QStringLiteral("b")), u"-0.125");
    EXPECT_EQ(d.shown(QStringLiteral("Cikli \"no ... lidz\""), QStringLiteral("i")),
        u"1 → 3, solis 1 (4. rinda)");
    EXPECT_EQ(d.shown(QStringLiteral("Atkārtojumi \"atkartot\""), QStringLiteral("1")),
        u"2 reizes (5. rinda)");
    EXPECT_EQ(d.shown(QStringLiteral("Bruņurupucis"), QStringLiteral("Krāsa")), u"Nr. 10");
    EXPECT_EQ(d.shown(QStringLiteral("Bruņurupucis"), QStringLiteral("Biezums")), u"1")
        << "line 7 has not run yet";
    EXPECT_EQ(d.shown(QStringLiteral("Izpilde"), QStringLiteral("Nākamā rinda")), u"7. rinda");
    EXPECT_EQ(d.shown(QStringLiteral("Procedūra"), QStringLiteral("Procedūra")), u"nav iekšā");

    // The second pass pauses at line 7 again with the width set by the first.
    d.w.zimet_Click();
    ASSERT_EQ(d.nextPause(), 7);
    EXPECT_EQ(d.shown(QStringLiteral("Bruņurupucis"), QStringLiteral("Biezums")), u"4");
    d.w.stopRun();
    EXPECT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 1000));
}

// Also the ThreadSanitizer check of the hand-over: the inspector refreshes from the run's
// copies while the run goes on.
TEST(WindowStepping, AnOpenInspectorFollowsARunningProgram)
{
    SteppingDesk d;
    d.run.stavoklis()->trigger();
    ASSERT_TRUE(d.run.inspector()->isVisible());
    d.setText("atrums 0\r\nsakt\r\npalielinat vertibu n,1\r\nno k=1 lidz 20\r\nuz prieksu 1\r\n"
              "nakosais\r\niet uz sakt");
    d.w.zimet_Click();
    const QString group = QStringLiteral("Izpilde");
    const QString steps = QStringLiteral("Izpildīti soļi");
    ASSERT_TRUE(WindowDesk::waitFor([&] { return d.shown(group, steps).toLongLong() > 0; }, 3000));
    const long long first = d.shown(group, steps).toLongLong();
    ASSERT_TRUE(
        WindowDesk::waitFor([&] { return d.shown(group, steps).toLongLong() > first; }, 3000));
    EXPECT_FALSE(d.shown(QStringLiteral("Mainīgie"), QStringLiteral("n")).isEmpty());
    d.w.stopRun();
    ASSERT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 1000));
    EXPECT_GT(d.shown(group, steps).toLongLong(), first) << "the end state is shown";
}
