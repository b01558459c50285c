// Keyboard steering, the sample buttons and the pickers driven through the window with real
// key and mouse events.

#include "windowdesk.h"

#include "editor/common/picturebox.h"
#include "editor/pickers/colourpanel.h"
#include "editor/pickers/stylepanel.h"
#include "editor/pickers/thicknesspanel.h"
#include "editor/window/editoractions.h"
#include "editor/window/statusrow.h"
#include "platform/rasterpage.h"
#include "interpreter/machine.h"

#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace
{

struct SteeringDesk : WindowDesk {
    SteeringDesk() { clickPage(); }

    // A key held down for presses key-down events, then let go once.
    void hold(Qt::Key key, int presses)
    {
        for (int i = 0; i < presses; ++i) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), i > 0);
            QApplication::sendEvent(&page(), &press);
        }
        QTest::keyRelease(&page(), key);
    }
    void keypad(Qt::Key digit) { QTest::keyClick(&page(), digit, Qt::KeypadModifier); }
    QStringList lines() const
    {
        return w.ieraksti()->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }
};

} // namespace

TEST(SteeringWindow, HeldUpKeyRecordsOneStepAlongTheAxis)
{
    SteeringDesk d;
    d.keypad(Qt::Key_8);
    d.hold(Qt::Key_Up, 10);
    EXPECT_EQ(d.lines(), QStringList { "uz augsu 40" });
    const zimo::RasterPage& page = d.w.page();
    EXPECT_EQ(page.pixel(394, 306 - 20), 0u) << "one 40-pixel line, drawn on release";
    EXPECT_EQ(page.pixel(394, 306 - 45), zimo::rgb(255, 255, 255));
}

TEST(SteeringWindow, ADiagonalStepRecordsItsAngleOnce)
{
    SteeringDesk d;
    d.keypad(Qt::Key_9);
    d.hold(Qt::Key_Up, 10);
    d.hold(Qt::Key_Up, 10);
    EXPECT_EQ(d.lines(), (QStringList { "lenkis 45", "uz prieksu 40", "uz prieksu 40" }));
    d.keypad(Qt::Key_8);
    d.hold(Qt::Key_Up, 10);
    d.keypad(Qt::Key_9);
    d.hold(Qt::Key_Up, 10);
    EXPECT_EQ(d.lines().mid(3), (QStringList { "uz augsu 40", "uz prieksu 40" }));
}

TEST(SteeringWindow, TurningAloneRecordsNothingAndSpaceLiftsThePen)
{
    SteeringDesk d;
    QTest::keyClick(&d.page(), Qt::Key_Left);
    QTest::keyClick(&d.page(), Qt::Key_Right);
    EXPECT_TRUE(d.lines().isEmpty());
    QTest::keyClick(&d.page(), Qt::Key_Space);
    EXPECT_EQ(d.w.actions().steering().sideColour(), zimo::rgb(255, 0, 0));
    d.keypad(Qt::Key_6);
    d.hold(Qt::Key_Up, 5);
    EXPECT_EQ(d.lines(), QStringList { "koordinatas 414,306" });
    EXPECT_EQ(d.w.page().pixel(404, 306), zimo::rgb(255, 255, 255)) << "the pen is up";
    QTest::keyClick(&d.page(), Qt::Key_Space);
    EXPECT_EQ(d.w.actions().steering().sideColour(), zimo::rgb(0, 0, 255));
}

TEST(SteeringWindow, TextModeLocksTheTurtleOut)
{
    SteeringDesk d;
    d.clickText();
    d.hold(Qt::Key_Up, 3);
    EXPECT_TRUE(d.lines().isEmpty());
    EXPECT_EQ(d.w.machine().drawing.turtle.x, 394.5);
}

TEST(SteeringWindow, SamplesAppendTheirLineAndExplainIt)
{
    SteeringDesk d;
    d.click(d.w.toolbar()->com(9));
    d.click(d.w.toolbar()->com(9));
    EXPECT_EQ(d.lines(), (QStringList { "spirale 10,10", "spirale 10,10" }));
    EXPECT_EQ(d.w.helpArea()->row().command, u"spirale");
    EXPECT_EQ(d.w.helpArea()->row().example, u"Piemērs: spirale 15,10");
    d.click(d.w.toolbar()->Command4());
    EXPECT_TRUE(d.lines().isEmpty());
    d.click(d.w.toolbar()->com(0));
    EXPECT_EQ(d.lines(), QStringList { "zieds 3,50,50" }) << "the next line is the first again";
}

TEST(SteeringWindow, ColourPickerAppendsItsNumberAndColoursTheSteering)
{
    SteeringDesk d;
    zimo::ColourPanel* panel = d.w.f_krasas();
    d.click(d.w.toolbar()->krasa());
    ASSERT_TRUE(panel->isVisible());
    d.click(panel->Command1());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(d.lines().isEmpty()) << "Atcelt appends nothing";
    d.click(d.w.toolbar()->krasa());
    d.click(panel->k_lauks(9));
    EXPECT_EQ(panel->nr_krasas()->text(), u"10.krāsa");
    d.click(panel->krasas_ok());
    EXPECT_EQ(d.lines(), QStringList { "linijas krasa 10" });
    EXPECT_EQ(d.w.helpArea()->row().help, u"1-36");
    EXPECT_EQ(d.w.machine().drawing.pen.lineColour, zimo::rgb(255, 0, 0));
    d.keypad(Qt::Key_6);
    d.hold(Qt::Key_Up, 5);
    EXPECT_EQ(d.w.page().pixel(404, 306), zimo::rgb(255, 0, 0)) << "steering draws in it";
}

TEST(SteeringWindow, ThicknessAndStylePickersAppendTheirLines)
{
    SteeringDesk d;
    zimo::ThicknessPanel* thickness = d.w.f_linija();
    d.click(d.w.toolbar()->cf_lin());
    thickness->HScroll1()->setValue(7);
    EXPECT_EQ(thickness->lin_lab()->text(), u"7");
    d.click(thickness->lin_ok());
    EXPECT_FALSE(thickness->isVisible());
    zimo::StylePanel* style = d.w.Frame2();
    d.click(d.w.toolbar()->l_stils());
    d.click(style->stl(3));
    EXPECT_EQ(d.lines(), (QStringList { "biezums 7", "linijas stils 4" }));
    EXPECT_EQ(d.w.helpArea()->row().command, u"linijas stils");
    EXPECT_EQ(d.w.machine().drawing.pen.steeringThickness, 1);
    d.click(d.w.toolbar()->cf_lin());
    EXPECT_EQ(thickness->HScroll1()->value(), 7) << "the panel keeps its state";
}

TEST(SteeringWindow, AFullLineArrayRefusesTheLineAndKeepsTheText)
{
    SteeringDesk d;
    d.w.setProgramText(QStringLiteral("uz augsu 1"));
    d.w.machine().program.lineCount = zimo::ProgramState::MaxLines;
    d.click(d.w.toolbar()->com(1));
    EXPECT_EQ(d.lines(), QStringList { "uz augsu 1" });
    EXPECT_EQ(d.w.machine().program.lineCount, zimo::ProgramState::MaxLines);
    EXPECT_FALSE(d.w.statusRow()->zinojums()->text().isEmpty());
}
