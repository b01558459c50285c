// The window on small and large screens: scales that fit, full screen, and the contrast theme.

#include "viewdesk.h"

#include "editor/common/contrast.h"
#include "editor/textbox/helparea.h"
#include "editor/window/fullscreen.h"
#include "editor/window/windowscale.h"
#include "editor/window/windowscaler.h"
#include "files/twips.h"
#include "platform/rasterpage.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <gtest/gtest.h>

namespace
{

struct ScreenDesk : ViewDesk {
    ~ScreenDesk() { zimo::setScalePercent(100); }

    // Puts the window on the offscreen platform's 1366 x 768 screen.
    QScreen* toLaptop()
    {
        QScreen* laptop = nullptr;
        for (QScreen* screen : QApplication::screens())
            if (screen->size() == QSize(1366, 768))
                laptop = screen;
        if (laptop) {
            w.windowHandle()->setScreen(laptop);
            w.move(laptop->geometry().topLeft() + QPoint(300, 200));
        }
        return laptop;
    }
    void press(QKeyCombination key) { QTest::keyClick(&page(), key.key(), key.keyboardModifiers()); }
    bool onScreen(const QScreen* screen)
    {
        return screen->availableGeometry().contains(w.frameGeometry());
    }
};

} // namespace

TEST(ScreenFit, CtrlPlusStopsAtTheLargestScaleThatFitsAndKeepsTheWindowOnScreen)
{
    ScreenDesk d;
    const QScreen* laptop = d.toLaptop();
    ASSERT_TRUE(laptop);
    ASSERT_EQ(d.w.screen(), laptop);
    const int fitting = zimo::fittingScale(QSize(1366, 768), d.w.scaler().sizeAtFullScale());
    EXPECT_EQ(d.w.scaler().largestFittingScale(), fitting);
    EXPECT_LT(fitting, 125);
    // Small and low on the screen, where each larger step reaches further down.
    d.w.scaler().setScale(75);
    d.w.move(laptop->geometry().topLeft() + QPoint(300, 200));
    ASSERT_TRUE(d.onScreen(laptop));
    for (int i = 0; i < 8; ++i) {
        d.press(Qt::CTRL | Qt::Key_Plus);
        EXPECT_LE(d.w.scaler().scale(), fitting);
        EXPECT_TRUE(d.onScreen(laptop)) << "the page's bottom and the status row stay in sight";
    }
    EXPECT_EQ(d.w.scaler().scale(), fitting);
    EXPECT_LE(d.w.minimumSizeHint().height() + zimo::TitleBarRoom, 768);
    // A step from the menu that would not fit is held to the one that does.
    d.w.menus().scaleStep(200)->trigger();
    EXPECT_EQ(d.w.scaler().scale(), fitting);
    EXPECT_EQ(zimo::rememberedScale(), fitting);

    // Ctrl+0 goes back to what a start picks for this screen and forgets the choice.
    d.press(Qt::CTRL | Qt::Key_Minus);
    d.press(Qt::CTRL | Qt::Key_Minus);
    EXPECT_LT(d.w.scaler().scale(), fitting);
    d.press(Qt::CTRL | Qt::Key_0);
    EXPECT_EQ(d.w.scaler().scale(), fitting);
    EXPECT_EQ(zimo::rememberedScale(), 0);
    EXPECT_TRUE(d.onScreen(laptop));
}

TEST(ScreenFit, ARememberedScaleLargerThanTheScreenIsHeldToIt)
{
    ScreenDesk d;
    zimo::rememberScale(200);
    ASSERT_TRUE(d.toLaptop());
    d.w.scaler().useStartScale();
    EXPECT_EQ(d.w.scaler().scale(), d.w.scaler().largestFittingScale());
    zimo::forgetScale();
}

TEST(FullScreen, F11FillsTheScreenLargerAndEscLeavesIt)
{
    EXPECT_EQ(zimo::FullScreen::fillingScale(QSize(1920, 1080), QSize(1016, 730)), 145);
    EXPECT_EQ(zimo::FullScreen::fillingScale(QSize(640, 480), QSize(1016, 730)), 60);
    EXPECT_EQ(zimo::FullScreen::fillingScale(QSize(400, 300), QSize(1016, 730)), 50);

    ScreenDesk d;
    const int before = d.w.scaler().scale();
    const int fontBefore = d.w.helpArea()->l_c()->font().pixelSize();
    const QSize full = d.w.scaler().sizeAtFullScale();
    d.press(Qt::Key_F11);
    EXPECT_TRUE(d.w.isFullScreen());
    EXPECT_TRUE(d.w.view().pilnekrans()->isChecked());
    const QSize screen = d.w.screen()->geometry().size();
    EXPECT_EQ(d.w.scaler().scale(), zimo::FullScreen::fillingScale(screen, full));
    EXPECT_GT(d.w.helpArea()->l_c()->font().pixelSize(), fontBefore) << "the help row grows";
    EXPECT_LE(d.w.centralWidget()->minimumSize().height(), screen.height());
    QTest::keyClick(&d.page(), Qt::Key_Escape);
    EXPECT_FALSE(d.w.isFullScreen());
    EXPECT_FALSE(d.w.view().pilnekrans()->isChecked());
    EXPECT_EQ(d.w.scaler().scale(), before);
}

TEST(Contrast, LightOnBlackForTheControlsButNeverForTheDrawing)
{
    ScreenDesk d;
    QImage page;
    d.w.page().copyTo(page);
    const QColor green = d.w.helpArea()->l_c()->palette().color(QPalette::WindowText);
    d.w.view().kontrastains()->trigger();
    // The application's palette reaches the windows through posted events.
    QApplication::processEvents();
    EXPECT_TRUE(zimo::highContrast());
    EXPECT_EQ(d.w.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(d.text().palette().color(QPalette::Text), QColor(Qt::white));
    const QColor shownGreen = d.w.helpArea()->l_c()->palette().color(QPalette::WindowText);
    EXPECT_GE(shownGreen.lightness(), 190) << "the help row's green, light enough on black";
    EXPECT_EQ(shownGreen.hslHue(), green.hslHue());
    EXPECT_EQ(d.shown().pixelColor(d.at(100, 100)), QColor(Qt::white)) << "the page stays white";
    QImage still;
    d.w.page().copyTo(still);
    EXPECT_EQ(still, page);
    EXPECT_TRUE(zimo::userSettings().value(QStringLiteral("skats/kontrastains")).toBool());

    d.w.view().kontrastains()->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(zimo::highContrast());
    EXPECT_EQ(d.w.helpArea()->l_c()->palette().color(QPalette::WindowText), green);
    EXPECT_NE(d.w.palette().color(QPalette::Window), QColor(Qt::black));
}
