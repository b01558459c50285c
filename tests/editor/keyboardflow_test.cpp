// Where the keyboard goes: a held steering key is one step, also when the X server's
// auto-repeat pairs slip past Qt; a closed picker gives the keyboard back; the status row's
// labels make room for each other.

#include "windowdesk.h"

#include "editor/common/picturebox.h"
#include "editor/pickers/colourpanel.h"
#include "editor/pickers/panelswitch.h"
#include "editor/pickers/stylepanel.h"
#include "editor/pickers/thicknesspanel.h"
#include "editor/window/editoractions.h"
#include "editor/window/keyrouter.h"
#include "editor/window/statusrow.h"
#include "interpreter/machine.h"

#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{

struct FlowDesk : WindowDesk {
    FlowDesk() { clickPage(); }

    QStringList lines() const
    {
        return w.ieraksti()->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }
    // A key event as a real X server delivers it: with its time, marked or not.
    void send(QEvent::Type type, Qt::Key key, quint64 time, bool autoRepeat)
    {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        event.setTimestamp(time);
        QApplication::sendEvent(&page(), &event);
    }
    void waitForRelease() { QTest::qWait(zimo::KeyRouter::ReleaseWaitMs * 3); }
    QWidget* focus() const { return QApplication::focusWidget(); }
};

} // namespace

TEST(HeldKey, AutoRepeatedPressesAndReleasesMakeOneStep)
{
    FlowDesk d;
    QSignalSpy up(&d.w, &zimo::Form1::pageKeyUp);
    QTest::keyClick(&d.page(), Qt::Key_8, Qt::KeypadModifier);
    up.clear();
    d.send(QEvent::KeyPress, Qt::Key_Up, 0, false);
    for (int i = 0; i < 9; ++i) {
        d.send(QEvent::KeyRelease, Qt::Key_Up, 0, true);
        d.send(QEvent::KeyPress, Qt::Key_Up, 0, true);
    }
    EXPECT_TRUE(d.lines().isEmpty()) << "nothing while the key is held";
    d.send(QEvent::KeyRelease, Qt::Key_Up, 0, false);
    EXPECT_EQ(d.lines(), QStringList { "uz augsu 40" });
    EXPECT_EQ(up.count(), 1);
}

TEST(HeldKey, PairsThatQtDidNotMarkStillBelongToTheHeldKey)
{
    FlowDesk d;
    QTest::keyClick(&d.page(), Qt::Key_8, Qt::KeypadModifier);
    // Qt marks a pair only when the press is already queued as the release is read; on a
    // busy machine some pairs come unmarked, a release and a press of one moment.
    quint64 time = 5000;
    d.send(QEvent::KeyPress, Qt::Key_Up, time, false);
    for (int i = 0; i < 9; ++i) {
        time += 40;
        const bool marked = i % 3 == 0;
        d.send(QEvent::KeyRelease, Qt::Key_Up, time, marked);
        if (!marked)
            QTest::qWait(2);
        d.send(QEvent::KeyPress, Qt::Key_Up, time, marked);
    }
    d.send(QEvent::KeyRelease, Qt::Key_Up, time + 300, false);
    EXPECT_TRUE(d.lines().isEmpty()) << "a real release waits a moment for its pair";
    d.waitForRelease();
    EXPECT_EQ(d.lines(), QStringList { "uz augsu 40" });

    // Two quick taps are two steps: their presses come later than the releases.
    d.send(QEvent::KeyPress, Qt::Key_Up, time + 400, false);
    d.send(QEvent::KeyRelease, Qt::Key_Up, time + 450, false);
    d.send(QEvent::KeyPress, Qt::Key_Up, time + 470, false);
    d.send(QEvent::KeyRelease, Qt::Key_Up, time + 520, false);
    d.waitForRelease();
    EXPECT_EQ(d.lines(), (QStringList { "uz augsu 40", "uz augsu 4", "uz augsu 4" }));
}

TEST(HeldKey, AWaitingReleaseIsDoneBeforeTheModeChanges)
{
    FlowDesk d;
    QTest::keyClick(&d.page(), Qt::Key_6, Qt::KeypadModifier);
    d.send(QEvent::KeyPress, Qt::Key_Up, 7000, false);
    d.send(QEvent::KeyRelease, Qt::Key_Up, 7050, false);
    d.clickText();
    EXPECT_EQ(d.lines(), QStringList { "pa labi 4" });
}

TEST(Pickers, EachGivesTheKeyboardBackToTheTextWhereTheCaretStood)
{
    FlowDesk d;
    d.clickText();
    d.type(QStringLiteral("uz leju 5\npauze 1"));
    QTextCursor caret = d.text().textCursor();
    caret.setPosition(3);
    d.text().setTextCursor(caret);
    ASSERT_EQ(d.focus(), &d.text());

    zimo::ColourPanel* colour = d.w.f_krasas();
    zimo::ThicknessPanel* thickness = d.w.f_linija();
    zimo::StylePanel* style = d.w.Frame2();
    const auto backInText = [&d](const char* how) {
        EXPECT_EQ(d.focus(), &d.text()) << how;
        EXPECT_EQ(d.text().textCursor().position(), 3) << how;
        EXPECT_FALSE(d.w.isPageMode()) << how;
    };
    d.click(d.w.toolbar()->krasa());
    d.click(colour->k_lauks(4));
    d.click(colour->krasas_ok());
    backInText("colour Labi");
    d.click(d.w.toolbar()->krasa());
    d.click(colour->Command1());
    backInText("colour Atcelt");
    d.click(d.w.toolbar()->cf_lin());
    d.click(thickness->lin_ok());
    backInText("thickness Labi");
    d.click(d.w.toolbar()->cf_lin());
    d.click(thickness->lin_cancel());
    backInText("thickness Atcelt");
    d.click(d.w.toolbar()->l_stils());
    d.click(style->stl(1));
    backInText("style sample");
    d.click(d.w.toolbar()->l_stils());
    d.click(style->Command3());
    backInText("style Atcelt");

    d.type(QStringLiteral("x"));
    EXPECT_EQ(d.lines(),
        (QStringList {
            "uz xleju 5", "pauze 1", "linijas krasa 5", "biezums 1", "linijas stils 2" }));
}

TEST(Pickers, EscapeCancelsAndPageModeKeepsSteering)
{
    FlowDesk d;
    QSignalSpy escapes(&d.w, &zimo::Form1::escapePressed);
    zimo::ColourPanel* colour = d.w.f_krasas();
    d.click(d.w.toolbar()->krasa());
    d.click(colour->k_lauks(9));
    QTest::keyClick(colour->krasas_ok(), Qt::Key_Escape);
    EXPECT_EQ(escapes.count(), 1) << "once, though the key passes up from the button";
    EXPECT_FALSE(colour->isVisible());
    EXPECT_TRUE(d.lines().isEmpty()) << "Esc acts as Atcelt";
    EXPECT_TRUE(d.w.isPageMode());
    ASSERT_EQ(d.focus(), &d.page());
    QTest::keyClick(d.focus(), Qt::Key_6, Qt::KeypadModifier);
    QTest::keyClick(d.focus(), Qt::Key_Up);
    EXPECT_EQ(d.lines(), QStringList { "pa labi 4" });
    EXPECT_EQ(d.text().toPlainText(), u"pa labi 4\n");
}

TEST(Pickers, OpeningOneClosesTheOther)
{
    FlowDesk d;
    d.click(d.w.toolbar()->krasa());
    d.click(d.w.toolbar()->cf_lin());
    EXPECT_FALSE(d.w.f_krasas()->isVisible());
    EXPECT_TRUE(d.w.f_linija()->isVisible());
    d.click(d.w.toolbar()->l_stils());
    EXPECT_FALSE(d.w.f_linija()->isVisible());
    EXPECT_EQ(d.w.actions().panels().openPanel(), d.w.Frame2());
    d.click(d.w.Frame2()->Command3());
    EXPECT_EQ(d.w.actions().panels().openPanel(), nullptr);
    EXPECT_EQ(d.focus(), &d.page()) << "back where the keyboard was before the first panel";
}

TEST(StatusRow, AGrownLabelPushesTheNextOnesRight)
{
    FlowDesk d;
    zimo::StatusRow* row = d.w.statusRow();
    const int coordinatesAt = row->lb_coord()->x();
    const int pointerAt = row->peles_koord()->x();
    row->showTurtle(910180123.5, 394.5, 306.5);
    EXPECT_GE(row->lb_coord()->x(), row->lb_lenk()->geometry().right() + 1);
    row->showTurtle(-123456789.25, -1234567.125, 7654321.5);
    for (QLabel* label : { row->lb_lenk(), row->lb_coord() }) {
        const QLabel* next = label == row->lb_lenk() ? row->lb_coord() : row->peles_koord();
        EXPECT_GE(next->x(), label->geometry().right() + 1 + zimo::StatusRow::Gap)
            << label->text().toStdString();
    }
    row->showNotice(QStringLiteral("Paziņojums"));
    EXPECT_GE(row->zinojums()->x(), row->peles_koord()->geometry().right() + 1);
    row->showTurtle(90, 394.5, 306.5);
    EXPECT_EQ(row->lb_coord()->x(), coordinatesAt) << "short texts stand at their places again";
    EXPECT_EQ(row->peles_koord()->x(), pointerAt);
}
