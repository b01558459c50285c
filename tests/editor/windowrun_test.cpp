#include "windowdesk.h"

#include "editor/pickers/colourpanel.h"
#include "files/recovery.h"
#include "platform/rasterpage.h"
#include "interpreter/machine.h"

#include <QAction>
#include <QApplication>
#include <QFile>

#include <gtest/gtest.h>

using zimo::RunOutcome;

namespace
{

// An endless jump loop at speed 0: the only waits are none at all.
const QString EndlessLoop
    = QStringLiteral("atrums 0\nsakt\nuz prieksu 1\nlenkis pa labi 1\niet uz sakt");

RunOutcome::End endOf(const QSignalSpy& finished)
{
    return finished.back().at(0).value<RunOutcome>().end;
}

} // namespace

TEST(WindowRun, DrawsEndsAndLeavesTheWindowAsBefore)
{
    WindowDesk d;
    QSignalSpy finished(&d.w, &zimo::Form1::runFinished);
    d.clickText();
    d.text().setProgramText(QStringLiteral("uz prieksu 50\r\nlenkis 90"));
    ASSERT_TRUE(d.runToEnd());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(endOf(finished), RunOutcome::End::Finished);

    const zimo::RasterPage& page = d.w.page();
    EXPECT_EQ(page.pixel(370, 306), zimo::rgb(0, 0, 0));
    const int b = zimo::PageView::Border;
    EXPECT_EQ(d.page().frame().image.pixelColor(370, 306), QColor(Qt::black));
    EXPECT_EQ(d.page().grab().toImage().pixelColor(370 + b, 306 + b), QColor(Qt::black));
    EXPECT_EQ(d.w.statusRow()->lb_coord()->text(), u"Koordinātas X:344  Y:306");
    EXPECT_EQ(d.w.statusRow()->lb_lenk()->text(), u"Lenķis: 90");

    QFile work(QStringLiteral("komandas.zkf"));
    ASSERT_TRUE(work.open(QIODevice::ReadOnly));
    EXPECT_EQ(work.readAll(), QByteArray("uz prieksu 50\r\nlenkis 90\r\n"));
    EXPECT_EQ(d.w.toolbar()->zimet()->toolTip(), u"Startēt programmu");
    EXPECT_FALSE(d.text().isReadOnly()) << "text mode again after the run";
    EXPECT_EQ(d.text().runLine(), 0);
    EXPECT_TRUE(d.takeMessages().isEmpty());

    // A second run draws over the first from the middle of the page.
    d.text().setProgramText(QStringLiteral("lenkis 90\r\nuz prieksu 40"));
    ASSERT_TRUE(d.runToEnd());
    EXPECT_EQ(page.pixel(370, 306), zimo::rgb(0, 0, 0));
    EXPECT_EQ(page.pixel(394, 280), zimo::rgb(0, 0, 0));
}

TEST(WindowRun, WhileRunningTheLineIsHighlightedAndNothingElseChangesState)
{
    WindowDesk d;
    d.text().setProgramText(QStringLiteral("atrums 1000\r\n\r\n\r\n\r\n\r\n\r\n"));
    d.w.zimet_Click();
    ASSERT_TRUE(d.w.isRunning());
    zimo::Toolbar& bar = *d.w.toolbar();
    EXPECT_EQ(bar.zimet()->toolTip(), u"Apturēt programmu");
    EXPECT_TRUE(d.text().isReadOnly());
    EXPECT_FALSE(bar.Command2()->isEnabled());
    EXPECT_FALSE(bar.com(3)->isEnabled());
    EXPECT_FALSE(d.w.menus().jauns()->isEnabled());
    EXPECT_FALSE(d.w.f_krasas()->isEnabled());
    EXPECT_TRUE(bar.zimet()->isEnabled());

    EXPECT_TRUE(WindowDesk::waitFor([&] { return d.text().runLine() == 3; }, 3000));
    d.clickText();
    d.type(QStringLiteral("abc"));
    EXPECT_EQ(d.text().toPlainText(), u"atrums 1000\n\n\n\n\n\n") << "read-only in text mode too";

    QSignalSpy finished(&d.w, &zimo::Form1::runFinished);
    // A click within the double-click time after the start is the Run double click.
    QTest::qWait(QApplication::doubleClickInterval());
    QTest::mouseClick(bar.zimet(), Qt::LeftButton);
    ASSERT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 1000));
    EXPECT_EQ(endOf(finished), RunOutcome::End::Stopped);
    EXPECT_EQ(d.text().runLine(), 0);
    EXPECT_TRUE(bar.Command2()->isEnabled());
    EXPECT_TRUE(d.w.menus().jauns()->isEnabled());
    EXPECT_FALSE(d.text().isReadOnly());
    EXPECT_TRUE(d.takeMessages().isEmpty()) << "the user stopped it and needs no message";
}

TEST(WindowRun, ADoubleClickOnRunKeepsTheRunItStartedAndEscStillStops)
{
    WindowDesk d;
    d.text().setProgramText(EndlessLoop);
    zimo::Toolbar& bar = *d.w.toolbar();
    // The two clicks of a double click.
    QTest::mouseClick(bar.zimet(), Qt::LeftButton);
    QTest::mouseClick(bar.zimet(), Qt::LeftButton);
    ASSERT_FALSE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 300))
        << "the second click of the double click stopped the run";
    QTest::keyClick(&d.text(), Qt::Key_Escape);
    EXPECT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 1000));
}

TEST(WindowRun, EscapeStopsAnEndlessLoopAtFullSpeed)
{
    WindowDesk d;
    QSignalSpy finished(&d.w, &zimo::Form1::runFinished);
    d.clickText();
    d.text().setProgramText(EndlessLoop);
    d.w.zimet_Click();
    QTest::qWait(150);
    ASSERT_TRUE(d.w.isRunning());
    QTest::keyClick(&d.text(), Qt::Key_Escape);
    // The promise is 100 ms; the bound here only keeps a slow sanitizer build from failing.
    ASSERT_TRUE(WindowDesk::waitFor([&] { return !d.w.isRunning(); }, 1000));
    EXPECT_EQ(endOf(finished), RunOutcome::End::Stopped);
    int inked = 0;
    for (int y = 200; y < 320; ++y)
        for (int x = 280; x < 400; ++x)
            inked += d.w.page().pixel(x, y) != zimo::rgb(255, 255, 255);
    EXPECT_GT(inked, 100) << "the loop had drawn";
}

TEST(WindowRun, FailedRunSelectsItsLineAndKeepsTextAndDrawing)
{
    WindowDesk d;
    const QString program = QStringLiteral("uz prieksu 30\r\nnakosais\r\nuz prieksu 90");
    d.text().setProgramText(program);
    ASSERT_TRUE(d.runToEnd());
    const QStringList messages = d.takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(u"Kļūda 2. rindā: ")) << messages[0].toStdString();
    EXPECT_EQ(d.text().textCursor().selectedText(), u"nakosais");
    EXPECT_EQ(d.text().programText(), program);
    EXPECT_EQ(d.w.page().pixel(380, 306), zimo::rgb(0, 0, 0));
    EXPECT_EQ(d.w.page().pixel(340, 306), zimo::rgb(255, 255, 255)) << "line 3 did not run";
}

TEST(WindowRun, UnwritableWorkFileIsToldOnceAndTheRunStillGoes)
{
    WindowDesk d;
    ASSERT_TRUE(QDir::current().mkdir(QStringLiteral("komandas.zkf")));
    d.text().setProgramText(QStringLiteral("uz prieksu 30"));
    ASSERT_TRUE(d.runToEnd());
    const QStringList first = d.takeMessages();
    ASSERT_EQ(first.size(), 1);
    EXPECT_TRUE(first[0].contains(u"komandas.zkf"));
    EXPECT_EQ(d.w.page().pixel(380, 306), zimo::rgb(0, 0, 0));
    ASSERT_TRUE(d.runToEnd());
    EXPECT_TRUE(d.takeMessages().isEmpty());
}

TEST(WindowRun, ACharacterTheWorkFileCannotHoldStopsTheRunAtItsLine)
{
    WindowDesk d;
    const QString program = QStringLiteral("uz prieksu 30\r\nzieds Ж\r\nuz prieksu 90");
    d.text().setProgramText(program);
    ASSERT_TRUE(d.runToEnd());
    const QStringList messages = d.takeMessages();
    ASSERT_EQ(messages.size(), 1) << "no word about the work file";
    EXPECT_TRUE(messages[0].startsWith(u"Kļūda 2. rindā: ")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(u"„Ж”"));
    EXPECT_EQ(d.text().textCursor().selectedText(), u"zieds Ж");
    EXPECT_EQ(d.text().programText(), program);
    EXPECT_EQ(d.w.page().pixel(380, 306), zimo::rgb(255, 255, 255)) << "nothing ran";
}

TEST(WindowRun, EveryRunKeepsTheTextForRecoveryFirst)
{
    // Windows of tests running beside this one keep their texts too: this one gets a
    // recovery file of its own.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(
        QStringLiteral("zimo_recovery_%1").arg(QCoreApplication::applicationPid()));
    struct Restore {
        QString name;
        ~Restore() { QCoreApplication::setApplicationName(name); }
    } restore { name };
    WindowDesk d;
    d.text().setProgramText(QStringLiteral("uz prieksu 30\r\nlenkis 45"));
    ASSERT_TRUE(d.runToEnd());
    EXPECT_EQ(zimo::readRecoveryText().text, u"uz prieksu 30\r\nlenkis 45");
    QFile::remove(zimo::recoveryFilePath());
}

TEST(WindowRun, ClosingOrDestroyingTheWindowEndsARun)
{
    WindowDesk d;
    d.text().setProgramText(EndlessLoop);
    d.w.zimet_Click();
    QTest::qWait(50);
    ASSERT_TRUE(d.w.isRunning());
    d.w.close();
    EXPECT_FALSE(d.w.isRunning());
    EXPECT_TRUE(d.takeMessages().isEmpty());

    d.w.show();
    d.w.zimet_Click();
    QTest::qWait(50);
    ASSERT_TRUE(d.w.isRunning());
    d.window.reset();
}

TEST(WindowRun, NewProgramEmptiesTextAndResetsTheTurtleButKeepsTheDrawing)
{
    WindowDesk d;
    d.text().setProgramText(QStringLiteral("uz prieksu 30\r\nlenkis 45"));
    ASSERT_TRUE(d.runToEnd());
    d.w.newProgram();
    EXPECT_TRUE(d.text().toPlainText().isEmpty());
    EXPECT_EQ(d.w.machine().program.lineCount, 0);
    EXPECT_EQ(d.w.statusRow()->lb_lenk()->text(), u"Lenķis: 180");
    EXPECT_EQ(d.w.statusRow()->lb_coord()->text(), u"Koordinātas X:394  Y:306");
    EXPECT_EQ(d.w.page().pixel(380, 306), zimo::rgb(0, 0, 0));
}
