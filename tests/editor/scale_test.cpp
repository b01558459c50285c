#include "windowdesk.h"

#include "editor/common/outlinerect.h"
#include "editor/common/picturebox.h"
#include "editor/pickers/colourpanel.h"
#include "editor/window/windowscale.h"
#include "editor/window/windowscaler.h"
#include "files/programfiles.h"
#include "files/twips.h"
#include "platform/rasterpage.h"

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace
{

// The window's own scale is a process-wide setting; each test leaves it at 100 %.
struct ScaleDesk : WindowDesk {
    ScaleDesk()
    {
        // Shortcuts belong to the active window.
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    ~ScaleDesk() { zimo::setScalePercent(100); }

    // The pointer at position of the page, as the window system reports it.
    void movePointer(QPoint position)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(position),
            page().mapToGlobal(QPointF(position)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&page(), &move);
    }
};

} // namespace

TEST(StartScale, IsTheLargestStepThatFitsTheScreenWithATitleBar)
{
    ScaleDesk d;
    const QSize full = d.w.scaler().sizeAtFullScale();
    EXPECT_EQ(full.width(), 1016);
    EXPECT_GT(full.height(), 705) << "the menu bar counts";
    // A school laptop: under a taskbar 728 pixels leave no room for the window at 100 %
    // and a title bar; on the bare screen a low menu bar just lets it fit.
    EXPECT_EQ(zimo::fittingScale(QSize(1366, 728), full), 90) << "under a taskbar";
    EXPECT_EQ(zimo::fittingScale(QSize(1366, 768), QSize(1016, 727)), 100);
    EXPECT_EQ(zimo::fittingScale(QSize(1366, 768), QSize(1016, 730)), 90);
    EXPECT_EQ(zimo::fittingScale(QSize(2560, 1440), full), 175);
    EXPECT_EQ(zimo::fittingScale(QSize(3840, 2160), full), 200) << "never beyond 200 %";
    EXPECT_EQ(zimo::fittingScale(QSize(640, 480), full), 75) << "the smallest when none fits";
    EXPECT_EQ(zimo::fittingScale(QSize(1016, 705 + 40), QSize(1016, 705)), 100) << "exactly fits";

    // And the chosen step really fits: the laid-out window within 1366 x 768, the next not.
    const int chosen = zimo::fittingScale(QSize(1366, 768), full);
    d.w.scaler().setScale(chosen);
    EXPECT_LE(d.w.minimumSizeHint().width(), 1366);
    EXPECT_LE(d.w.minimumSizeHint().height() + zimo::TitleBarRoom, 768);
    d.w.scaler().setScale(zimo::nextScale(chosen, +1));
    EXPECT_GT(d.w.minimumSizeHint().height() + zimo::TitleBarRoom, 768);
}

TEST(StartScale, TheUsersChoiceIsRememberedAndWinsOverTheScreen)
{
    {
        ScaleDesk d;
        d.w.menus().zoomIn()->trigger();
        EXPECT_EQ(d.w.scaler().scale(), 125);
        EXPECT_TRUE(d.w.menus().scaleStep(125)->isChecked());
    }
    EXPECT_EQ(zimo::rememberedScale(), 125);
    ScaleDesk again;
    EXPECT_EQ(again.w.scaler().scale(), 100) << "a new window opens at 100 % until told its start";
    again.w.scaler().useStartScale();
    EXPECT_EQ(again.w.scaler().scale(), 125);
    again.w.menus().scaleStep(100)->trigger();
    EXPECT_EQ(zimo::rememberedScale(), 100);
}

TEST(Scale, ShortcutsStepThroughTheScalesAndStopAtTheEnds)
{
    ScaleDesk d;
    auto press = [&d](QKeyCombination key) {
        QTest::keyClick(&d.page(), key.key(), key.keyboardModifiers());
    };
    press(Qt::CTRL | Qt::Key_Plus);
    EXPECT_EQ(d.w.scaler().scale(), 125);
    press(Qt::CTRL | Qt::Key_Equal);
    EXPECT_EQ(d.w.scaler().scale(), 150);
    press(Qt::CTRL | Qt::Key_0);
    EXPECT_EQ(d.w.scaler().scale(), 100);
    for (int i = 0; i < 4; ++i)
        press(Qt::CTRL | Qt::Key_Minus);
    EXPECT_EQ(d.w.scaler().scale(), 75);
    EXPECT_TRUE(d.w.menus().scaleStep(75)->isChecked());
    EXPECT_FALSE(d.w.menus().scaleStep(100)->isChecked());
    d.clickText();
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(&d.text(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(d.w.scaler().scale(), 200);
    EXPECT_EQ(d.text().toPlainText(), u"") << "the keys never reach the program";
}

TEST(Scale, TheWholeWindowGrowsButThePageKeepsItsPixels)
{
    ScaleDesk d;
    d.w.scaler().setScale(150);
    EXPECT_EQ(d.w.centralWidget()->minimumSize(), QSize(1524, 1058));
    // The page's inner area shows 789 x 613 page pixels at one and a half screen pixels.
    EXPECT_EQ(d.page().geometry(), QRect(0, 72, 1184 + 6, 920 + 6));
    EXPECT_EQ(
        d.page().frame().image.size(), QSize(zimo::RasterPage::Width, zimo::RasterPage::Height));
    EXPECT_EQ(d.w.lapa_rect()->bounds(), d.page().geometry());
    EXPECT_EQ(d.w.toolbar()->zimet()->geometry(), QRect(105, 0, 50, 50));
    EXPECT_EQ(d.w.toolbar()->com(0)->iconSize(), QSize(48, 48));
    EXPECT_EQ(d.text().geometry(), QRect(1200, 72, 326, 938));
    EXPECT_EQ(d.text().font().pixelSize(), 20);
    EXPECT_EQ(d.w.statusRow()->lb_lenk()->font().pixelSize(), 29);
    EXPECT_EQ(d.w.helpArea()->l_c()->font().pixelSize(), 24);
    EXPECT_EQ(d.w.f_krasas()->k_lauks(7)->geometry(), QRect(36, 24, 38, 26));

    // The picture of the page is the page's own pixels, whatever the scale.
    const QString png = d.dir.filePath(QStringLiteral("lapa.png"));
    ASSERT_TRUE(d.w.files().savePicture(png));
    EXPECT_EQ(QImage(png).size(), QSize(789, 613));

    // The save dialog, opened at this scale, is laid out at it too.
    d.w.menus().saveAs()->trigger();
    auto* form2 = d.w.findChild<QWidget*>(QStringLiteral("Form2"));
    ASSERT_TRUE(form2);
    EXPECT_EQ(form2->size(), QSize(503, 473));
    form2->hide();

    // And back at 100 % every control stands where it stood.
    d.w.scaler().setScale(100);
    EXPECT_EQ(d.page().geometry(), QRect(0, 48, 793, 617));
    EXPECT_EQ(d.text().geometry(), zimo::twRect(12000, 720, 3255, 9375));
    EXPECT_EQ(d.w.toolbar()->com(0)->iconSize(), QSize(32, 32));
    EXPECT_EQ(d.w.size(), d.w.minimumSizeHint()) << "the window goes back to the layout's size";
}

TEST(Scale, PointerAndClicksMapBackToPagePixels)
{
    ScaleDesk d;
    d.w.scaler().setScale(150);
    QLabel* label = d.w.statusRow()->peles_koord();
    d.movePointer(QPoint(3 + 180, 3 + 67));
    EXPECT_EQ(label->text(), u"Kursora koordinātas 120:44");
    d.movePointer(QPoint(3 + 181, 3 + 68));
    EXPECT_EQ(label->text(), u"Kursora koordinātas 120:45");
    d.movePointer(QPoint(3 + 1183, 3 + 919));
    EXPECT_EQ(label->text(), u"Kursora koordinātas 788:612");
    d.movePointer(QPoint(1, 1));
    EXPECT_EQ(label->text(), u"Kursora koordinātas 788:612") << "the border is not the page";
    d.clickText();
    QTest::mouseClick(&d.page(), Qt::LeftButton, {}, QPoint(1000, 800));
    EXPECT_TRUE(d.w.isPageMode());
}

TEST(Resize, TheTextBoxTakesTheRoomAndThePageStays)
{
    ScaleDesk d;
    const QRect page = d.page().geometry();
    const QRect text = d.text().geometry();
    const QSize smallest = d.w.minimumSizeHint();
    EXPECT_GT(d.w.maximumWidth(), 10000) << "no fixed size any more: the window can be maximised";
    d.w.resize(smallest + QSize(200, 100));
    QTest::qWait(1);
    EXPECT_EQ(d.page().geometry(), page);
    EXPECT_EQ(d.text().geometry(), text.adjusted(0, 0, 200, 100));
    EXPECT_EQ(d.w.ieraksti_rect()->bounds(), d.text().geometry());
    const QRect grown = d.text().geometry();
    QWidget* low = d.w.centralWidget()->childAt(grown.center().x(), grown.bottom() - 30);
    EXPECT_TRUE(low && d.text().isAncestorOf(low)) << "the status row does not cover the text box";
    d.w.resize(smallest - QSize(100, 100));
    QTest::qWait(1);
    EXPECT_EQ(d.text().geometry(), text) << "the window is never smaller than its layout";
    d.w.scaler().setScale(125);
    EXPECT_EQ(d.text().geometry().size(), zimo::twRect(12000, 720, 3255, 9375).size());
}
