#include "windowdesk.h"

#include "editor/common/outlinerect.h"
#include "platform/rasterpage.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace
{

struct Row {
    QString c, help, c2, help2, example;
};

Row rowOf(WindowDesk& d)
{
    zimo::HelpArea& h = d.help();
    return { h.l_c()->text(), h.l_help()->text(), h.l_c2()->text(), h.l_help2()->text(),
        h.piem()->text() };
}

} // namespace

TEST(HelpRow, FlowerIsExplainedAtItsLastLetterAndTheDigitsStayInTheBuffer)
{
    WindowDesk d;
    d.clickText();
    d.type(QStringLiteral("zied"));
    EXPECT_EQ(rowOf(d).c, u"...");
    d.type(QStringLiteral("s"));
    const Row row = rowOf(d);
    EXPECT_EQ(row.c, u"zieds");
    EXPECT_EQ(row.help, u"ziedlapu skaits, platums, augstums");
    EXPECT_EQ(row.example, u"Piemērs: zieds 5,100,100");
    d.type(QStringLiteral(" 5,100,100"));
    EXPECT_EQ(d.w.helpArea()->buffer(), u" 5,100,100");
    EXPECT_EQ(rowOf(d).c, u"zieds");
    EXPECT_EQ(rowOf(d).example, u"") << "every key press clears the example first";
    EXPECT_EQ(d.text().toPlainText(), u"zieds 5,100,100");
}

TEST(HelpRow, TurnHelpGivesWayToTheLongerCommand)
{
    WindowDesk d;
    d.clickText();
    d.type(QStringLiteral("lenkis pa lab"));
    EXPECT_EQ(rowOf(d).c, u"lenkis");
    EXPECT_EQ(rowOf(d).help, u"cik liels");
    d.type(QStringLiteral("i"));
    EXPECT_EQ(rowOf(d).c, u"lenkis pa labi");
    EXPECT_EQ(rowOf(d).help, u"par cik");
}

TEST(HelpRow, KeptTurnKeywordSilencesTheMovementGroup)
{
    WindowDesk d;
    d.clickText();
    d.type(QStringLiteral("pa labi"));
    EXPECT_EQ(rowOf(d).c, u"pa labi");
    EXPECT_EQ(rowOf(d).help, u"cik daudz");
    d.type(QStringLiteral(" 10\nlenkis 5\npa kreisi 3"));
    EXPECT_EQ(rowOf(d).c, u"lenkis");
    EXPECT_EQ(rowOf(d).help, u"cik liels");
    EXPECT_TRUE(d.w.helpArea()->buffer().contains(u"lenkis 5\rpa kreisi 3"))
        << "Enter goes into the buffer as a carriage return";
}

TEST(HelpRow, UnmatchedBackgroundWordBlocksTheLineColourHelp)
{
    WindowDesk d;
    d.clickText();
    d.type(QStringLiteral("fona 2\nlinijas krasa 5"));
    EXPECT_EQ(rowOf(d).c, u"...");
    EXPECT_EQ(rowOf(d).help, u"...");
}

TEST(HelpRow, BackspaceIsKeptInTheBufferAndDoesNotUndoALetter)
{
    WindowDesk d;
    d.clickText();
    d.type(QStringLiteral("biezx"));
    QTest::keyClick(&d.text(), Qt::Key_Backspace);
    d.type(QStringLiteral("ums"));
    EXPECT_EQ(d.text().toPlainText(), u"biezums");
    EXPECT_EQ(rowOf(d).c, u"...") << "the buffer holds \"biezx\\bums\"";
    EXPECT_EQ(d.w.helpArea()->buffer(), u"biezx\bums");
}

TEST(HelpRow, CountedLoopFillsTheWholeRowSideBySide)
{
    WindowDesk d;
    d.clickText();
    d.type(QStringLiteral("no a=1 lid"));
    EXPECT_EQ(rowOf(d).c, u"...");
    d.type(QStringLiteral("z"));
    const Row row = rowOf(d);
    EXPECT_EQ(row.c, u"no");
    EXPECT_EQ(row.help, u"simbols=lielums");
    EXPECT_EQ(row.c2, u"lidz");
    EXPECT_EQ(row.help2, u" lidz cik");
    EXPECT_EQ(row.example, u"Piemērs: no a=1 lidz 15 solis 2");

    const zimo::HelpArea& h = d.help();
    const int gap = zimo::HelpArea::Gap;
    EXPECT_EQ(h.l_c()->x(), 2) << "l_c never moves";
    EXPECT_EQ(h.l_help()->x(), h.l_c()->geometry().right() + 1 + gap);
    EXPECT_EQ(h.l_c2()->x(), h.l_help()->geometry().right() + 1 + gap);
    EXPECT_EQ(h.l_help2()->x(), h.l_c2()->geometry().right() + 1 + gap);
    EXPECT_GE(h.l_help()->width(), h.l_help()->sizeHint().width()) << "labels fit their texts";

    // A shorter command draws the row together again.
    d.type(QStringLiteral(" 15\natrums"));
    EXPECT_EQ(rowOf(d).c2, u"");
    EXPECT_EQ(h.l_help()->x(), h.l_c()->geometry().right() + 1 + gap);
}

TEST(KeyboardModes, ClicksSwitchFramesLockAndWhoSeesTheKeys)
{
    WindowDesk d;
    QSignalSpy down(&d.w, &zimo::Form1::pageKeyDown);
    EXPECT_TRUE(d.w.isPageMode());
    EXPECT_TRUE(d.w.lapa_rect()->isVisible());
    EXPECT_FALSE(d.w.ieraksti_rect()->isVisible());
    EXPECT_FALSE(d.text().isReadOnly()) << "editable at start until the page is clicked";

    d.clickText();
    EXPECT_FALSE(d.w.isPageMode());
    EXPECT_FALSE(d.w.lapa_rect()->isVisible());
    EXPECT_TRUE(d.w.ieraksti_rect()->isVisible());
    d.type(QStringLiteral("ab"));
    QTest::keyClick(&d.text(), Qt::Key_Left);
    QTest::keyClick(&d.text(), Qt::Key_Space);
    EXPECT_EQ(d.text().toPlainText(), u"a b") << "text mode: the arrow and Space edit the text";
    EXPECT_EQ(down.count(), 0);

    d.clickPage();
    EXPECT_TRUE(d.w.isPageMode());
    EXPECT_TRUE(d.w.lapa_rect()->isVisible());
    EXPECT_FALSE(d.w.ieraksti_rect()->isVisible());
    EXPECT_TRUE(d.text().isReadOnly());
    d.type(QStringLiteral("xyz"));
    EXPECT_EQ(d.text().toPlainText(), u"a b") << "page mode: letters do not change the program";

    d.clickPage();
    EXPECT_TRUE(d.w.lapa_rect()->isVisible()) << "a second click changes nothing";
    d.clickText();
    EXPECT_FALSE(d.text().isReadOnly()) << "text mode unlocks the box again";
}

TEST(KeyboardModes, PageModeReportsSteeringKeysWithVirtualCodes)
{
    WindowDesk d;
    QSignalSpy down(&d.w, &zimo::Form1::pageKeyDown);
    QSignalSpy up(&d.w, &zimo::Form1::pageKeyUp);
    d.clickPage();
    QTest::keyClick(&d.page(), Qt::Key_Left);
    QTest::keyClick(&d.page(), Qt::Key_Down);
    QTest::keyClick(&d.page(), Qt::Key_Space);
    QTest::keyClick(&d.page(), Qt::Key_8, Qt::KeypadModifier);
    QTest::keyClick(&d.page(), Qt::Key_8);
    QTest::keyClick(&d.page(), Qt::Key_A);
    // Even a focused text box does not get the steering keys first.
    QTest::keyClick(&d.text(), Qt::Key_Right);
    ASSERT_EQ(down.count(), 5);
    const int expected[] = { 37, 40, 32, 104, 39 };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(down.at(i).at(0).toInt(), expected[i]);
        EXPECT_EQ(up.at(i).at(0).toInt(), expected[i]);
    }

    // A held key repeats its press; the releases auto-repeat makes in between are not reported.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&d.page(), &press);
    QApplication::sendEvent(&d.page(), &release);
    EXPECT_EQ(down.count(), 6);
    EXPECT_EQ(up.count(), 5);
}

TEST(PageMouse, PointerCoordinatesAreInPagePixelsAndStayWhenLeaving)
{
    WindowDesk d;
    QLabel* label = d.w.statusRow()->peles_koord();
    EXPECT_EQ(label->text(), u"Kursora koordinātas ");
    const int b = zimo::PageView::Border;
    QTest::mouseMove(&d.page(), QPoint(120 + b, 45 + b));
    EXPECT_EQ(label->text(), u"Kursora koordinātas 120:45");
    QTest::mouseMove(&d.page(), QPoint(1, 1));
    EXPECT_EQ(label->text(), u"Kursora koordinātas 120:45") << "the border is not the page";
    QTest::mouseMove(&d.page(), QPoint(788 + b, 612 + b));
    EXPECT_EQ(label->text(), u"Kursora koordinātas 788:612");
}

TEST(Layout, ControlsStandWhereTheWindowWasDrawn)
{
    WindowDesk d;
    EXPECT_EQ(d.w.windowTitle(), u"Zimo");
    EXPECT_EQ(d.w.centralWidget()->size(), QSize(1016, 705));
    EXPECT_EQ(d.page().geometry(), QRect(0, 48, 793, 617));
    EXPECT_EQ(d.text().geometry(), QRect(800, 48, 217, 625));
    EXPECT_EQ(d.w.toolbar()->com(9)->geometry(), QRect(490, 0, 33, 33));
    EXPECT_EQ(d.w.toolbar()->l_stils()->geometry(), QRect(568, 0, 33, 33));
    EXPECT_EQ(d.w.statusRow()->mapTo(d.w.centralWidget(), d.w.statusRow()->lb_coord()->pos()),
        QPoint(128, 672));
    for (const char* name : { "new_analog", "save_analog", "zimet", "Command2", "Command4", "com0",
             "cf_lin", "l_stils", "krasa", "Frame1", "l_c", "l_help", "l_c2", "l_help2", "piem",
             "lapa", "lapa_rect", "ieraksti", "ieraksti_rect", "lb_lenk", "lb_coord", "peles_koord",
             "f_krasas", "k_lauks35", "krasa2", "nr_krasas", "krasas_ok", "Command1", "f_linija",
             "HScroll1", "lin_lab", "Shape1", "view_line", "lin_ok", "lin_cancel", "Frame2", "stl5",
             "robeza", "Command3" })
        EXPECT_NE(d.w.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name : { "f_krasas", "f_linija", "Frame2" })
        EXPECT_FALSE(d.w.findChild<QWidget*>(QString::fromLatin1(name))->isVisible()) << name;
    for (const char* name : { "jauns", "ieladet", "saglabat", "iziet", "palidziba" })
        EXPECT_NE(d.w.findChild<QAction*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(d.w.toolbar()->com(5)->toolTip(), u"Sīnusoīda");
}

TEST(Sprite, IsLaidOverThePageAndNeverDrawnIntoIt)
{
    WindowDesk d;
    const QImage shown = d.page().grab().toImage();
    const zimo::RasterPage& page = d.w.page();
    const int b = zimo::PageView::Border;
    int blue = 0;
    for (int y = 296; y < 317; ++y) {
        for (int x = 384; x < 405; ++x) {
            EXPECT_EQ(page.pixel(x, y), zimo::rgb(255, 255, 255)) << x << "," << y;
            blue += shown.pixelColor(x + b, y + b) == QColor(0, 0, 255);
        }
    }
    EXPECT_GT(blue, 10) << "the nose sides show on screen";

    d.text().setProgramText(QStringLiteral("brunurupucis paslepts"));
    ASSERT_TRUE(d.runToEnd());
    const QImage hidden = d.page().grab().toImage();
    for (int y = 296; y < 317; ++y)
        for (int x = 384; x < 405; ++x)
            ASSERT_EQ(hidden.pixelColor(x + b, y + b), QColor(Qt::white)) << x << "," << y;
}
