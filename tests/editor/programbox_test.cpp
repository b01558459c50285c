// The program text box as the learner's work: appended lines never glue onto the last line,
// every change can be taken back and done again, and the work file follows the box.

#include "windowdesk.h"

#include "editor/textbox/programhistory.h"
#include "editor/window/statusrow.h"
#include "files/programfiles.h"
#include "platform/rasterpage.h"
#include "platform/textcodec.h"
#include "interpreter/machine.h"

#include <QAction>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace
{

struct BoxDesk : WindowDesk {
    QAction* undo() { return w.menus().history().atsaukt(); }
    QAction* redo() { return w.menus().history().atceltAtsauksanu(); }
    QString box() const { return w.ieraksti()->toPlainText(); }
    QString workFile() const
    {
        QFile file(dir.filePath(QStringLiteral("komandas.zkf")));
        return file.open(QIODevice::ReadOnly) ? zimo::decodeWindows1257(file.readAll())
                                              : QStringLiteral("<none>");
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }
    void sample(int index) { click(w.toolbar()->com(index)); }
    void ctrl(Qt::Key key, QWidget* to, Qt::KeyboardModifiers more = {})
    {
        QTest::keyClick(to, key, Qt::ControlModifier | more);
    }
    // A step up the page of ten presses, with the pen down.
    void stepUp()
    {
        QTest::keyClick(&page(), Qt::Key_8, Qt::KeypadModifier);
        for (int i = 0; i < 10; ++i)
            QTest::keyPress(&page(), Qt::Key_Up);
        QTest::keyRelease(&page(), Qt::Key_Up);
    }
    QString load(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("kvadrats.zkf"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        w.files().openAtStart(path);
        return path;
    }
};

} // namespace

TEST(AppendedLines, StandOnTheirOwnLineAfterALoadedProgram)
{
    BoxDesk d;
    d.load("lenkis 90\r\nuz prieksu 50");
    ASSERT_EQ(d.box(), u"lenkis 90\nuz prieksu 50");
    d.clickPage();
    d.sample(3);
    EXPECT_EQ(d.box(), u"lenkis 90\nuz prieksu 50\ndaudzsturis 5,50,50\n");
    EXPECT_EQ(d.workFile(), d.w.programText()) << "the work file mirrors the box byte for byte";
    d.sample(3);
    EXPECT_EQ(d.box(), u"lenkis 90\nuz prieksu 50\ndaudzsturis 5,50,50\ndaudzsturis 5,50,50\n")
        << "a text that ends with its line end gets no empty line";
}

TEST(AppendedLines, AStepAfterALineTypedWithoutEnterGetsALineOfItsOwn)
{
    BoxDesk d;
    d.clickText();
    d.type(QStringLiteral("biezums 3"));
    d.clickPage();
    QTest::keyClick(&d.page(), Qt::Key_4, Qt::KeypadModifier);
    QTest::keyPress(&d.page(), Qt::Key_Up);
    QTest::keyRelease(&d.page(), Qt::Key_Up);
    EXPECT_EQ(d.box(), u"biezums 3\npa kreisi 4\n");
    EXPECT_EQ(d.workFile(), u"biezums 3\r\npa kreisi 4\r\n");
}

TEST(UndoRedo, ClearingTheProgramIsTakenBackAndTheProgramRuns)
{
    BoxDesk d;
    d.clickPage();
    EXPECT_FALSE(d.undo()->isEnabled()) << "nothing to take back at start";
    d.stepUp();
    d.sample(2);
    const QString program = d.box();
    d.click(d.w.toolbar()->Command4());
    EXPECT_EQ(d.box(), u"");
    ASSERT_TRUE(d.undo()->isEnabled());
    d.ctrl(Qt::Key_Z, &d.page());
    EXPECT_EQ(d.box(), program) << "Ctrl+Z in page mode, with the box read-only";
    EXPECT_EQ(d.workFile(), d.w.programText());
    d.click(d.w.toolbar()->Command2());
    ASSERT_TRUE(d.runToEnd());
    EXPECT_EQ(d.w.page().pixel(394, 306 - 20), 0u) << "the step draws again";

    d.ctrl(Qt::Key_Y, &d.page());
    EXPECT_EQ(d.box(), u"") << "Ctrl+Y clears again";
    EXPECT_EQ(d.workFile(), u"");
    d.ctrl(Qt::Key_Z, &d.page());
    d.ctrl(Qt::Key_Z, &d.page(), Qt::ShiftModifier);
    EXPECT_EQ(d.box(), u"") << "Ctrl+Shift+Z does the same";
    EXPECT_FALSE(d.redo()->isEnabled());
}

TEST(UndoRedo, OneKeyboardStepIsOneStepWithItsAngleLine)
{
    BoxDesk d;
    d.clickPage();
    QTest::keyClick(&d.page(), Qt::Key_9, Qt::KeypadModifier);
    QTest::keyPress(&d.page(), Qt::Key_Up);
    QTest::keyRelease(&d.page(), Qt::Key_Up);
    d.sample(9);
    EXPECT_EQ(d.box(), u"lenkis 45\nuz prieksu 4\nspirale 10,10\n");
    d.undo()->trigger();
    EXPECT_EQ(d.box(), u"lenkis 45\nuz prieksu 4\n");
    d.undo()->trigger();
    EXPECT_EQ(d.box(), u"");
    EXPECT_FALSE(d.undo()->isEnabled());
    EXPECT_EQ(d.workFile(), u"");
    d.redo()->trigger();
    EXPECT_EQ(d.box(), u"lenkis 45\nuz prieksu 4\n");
    EXPECT_EQ(d.workFile(), u"lenkis 45\r\nuz prieksu 4\r\n");
    EXPECT_NE(d.w.machine().drawing.turtle.x, 394.5) << "the turtle is not undone";
}

TEST(UndoRedo, TypingLoadingAndNewProgramAreStepsToo)
{
    BoxDesk d;
    d.clickText();
    d.type(QStringLiteral("zieds 5,100,100"));
    d.load("stari 5,40,60\r\n");
    EXPECT_EQ(d.box(), u"stari 5,40,60") << "the loader drops the last line end";
    d.w.menus().jauns()->trigger();
    EXPECT_EQ(d.box(), u"");
    d.clickText();
    d.ctrl(Qt::Key_Z, &d.text());
    EXPECT_EQ(d.box(), u"stari 5,40,60") << "Ctrl+Z in text mode undoes \"Jauns\"";
    d.ctrl(Qt::Key_Z, &d.text());
    EXPECT_EQ(d.box(), u"zieds 5,100,100") << "the load is one step";
    d.ctrl(Qt::Key_Z, &d.text());
    EXPECT_EQ(d.box(), u"");
    EXPECT_EQ(d.workFile(), u"");
}

TEST(UndoRedo, TheMenuStandsAfterFailsAndRestsDuringARun)
{
    BoxDesk d;
    const QList<QAction*> menus = d.w.menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus.at(0)->text(), u"&Fails");
    EXPECT_EQ(menus.at(1)->text(), u"&Labot");
    EXPECT_EQ(menus.at(1)->menu()->objectName(), u"labot");
    EXPECT_EQ(d.undo()->text(), u"Atsaukt");
    EXPECT_EQ(d.redo()->text(), u"Atcelt atsaukšanu");
    EXPECT_EQ(d.undo()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(d.redo()->shortcuts().size(), 2);

    // An endless loop at full speed, stopped by hand.
    const QString loop
        = QStringLiteral("atrums 0\nsakt\nuz prieksu 1\nlenkis pa labi 1\niet uz sakt");
    d.w.setProgramText(loop);
    d.w.zimet_Click();
    ASSERT_TRUE(d.w.isRunning());
    EXPECT_FALSE(d.undo()->isEnabled());
    d.ctrl(Qt::Key_Z, &d.page());
    d.ctrl(Qt::Key_Z, &d.text());
    EXPECT_EQ(d.box(), loop) << "a run's program stays as it is";
    d.w.stopRun();
    ASSERT_TRUE(WindowDesk::waitFor([&d] { return !d.w.isRunning(); }, 5000));
    EXPECT_TRUE(d.undo()->isEnabled());
}

TEST(RecordingNotices, AWorkFileThatCannotBeWrittenIsToldOnceAndNoLineIsLost)
{
    BoxDesk d;
    // A folder in the work file's place: it cannot be written.
    ASSERT_TRUE(QDir(d.dir.path()).mkdir(QStringLiteral("komandas.zkf")));
    d.clickPage();
    QLabel* notice = d.w.statusRow()->zinojums();
    d.sample(0);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains(u"komandas.zkf")) << notice->text().toStdString();
    EXPECT_TRUE(d.takeMessages().isEmpty()) << "no box takes the keyboard";
    d.w.statusRow()->showNotice(QString());
    d.sample(1);
    d.stepUp();
    EXPECT_TRUE(notice->text().isEmpty()) << "told once a session";
    EXPECT_EQ(d.box(), u"zieds 3,50,50\nzieds 5,50,50\nuz augsu 40\n");
}

TEST(RecordingNotices, AFullLineArrayIsToldWithoutTakingTheKeyboard)
{
    BoxDesk d;
    d.w.setProgramText(QStringLiteral("uz augsu 1"));
    d.clickPage();
    d.w.machine().program.lineCount = zimo::ProgramState::MaxLines;
    d.sample(1);
    EXPECT_EQ(d.box(), u"uz augsu 1");
    EXPECT_TRUE(d.w.statusRow()->zinojums()->text().contains(u"1000"));
    EXPECT_TRUE(d.takeMessages().isEmpty());
    d.stepUp();
    EXPECT_EQ(d.w.machine().drawing.turtle.y, 306.5 - 40) << "the next keys still steer";
    d.w.machine().program.lineCount = 0;
    d.sample(1);
    EXPECT_TRUE(d.w.statusRow()->zinojums()->isHidden()) << "a line that goes in ends it";
}

TEST(UndoRedo, AnEditReplacesOnlyWhatDiffersAndNeverHalfACharacter)
{
    using zimo::changeBetween;
    const zimo::TextChange append
        = changeBetween(QStringLiteral("lenkis 90"), QStringLiteral("lenkis 90\nzieds 3,50,50\n"));
    EXPECT_EQ(append.from, 9);
    EXPECT_EQ(append.removed, 0);
    EXPECT_EQ(append.inserted, u"\nzieds 3,50,50\n");
    const zimo::TextChange middle = changeBetween(QStringLiteral("abcabc"), QStringLiteral("abXc"));
    EXPECT_EQ(middle.from, 2);
    EXPECT_EQ(middle.removed, 3);
    EXPECT_EQ(middle.inserted, u"X");
    const zimo::TextChange face
        = changeBetween(QStringLiteral("a\U0001F600b"), QStringLiteral("a\U0001F601b"));
    EXPECT_EQ(face.from, 1);
    EXPECT_EQ(face.removed, 2);
    EXPECT_EQ(face.inserted, QStringLiteral("\U0001F601"));

    BoxDesk d;
    d.w.setProgramText(QStringLiteral("uz augsu 1\r\nuz augsu 2"));
    d.text().moveCursor(QTextCursor::Start);
    d.w.setProgramText(QStringLiteral("uz augsu 1\r\nuz augsu 2\r\nbiezums 3\r\n"));
    EXPECT_EQ(d.text().textCursor().position(), 0) << "the caret keeps its place";
    d.undo()->trigger();
    EXPECT_EQ(d.box(), u"uz augsu 1\nuz augsu 2");
}
