// The grid, the protractor and the ruler over the page, and what they never touch.

#include "viewdesk.h"

#include "editor/page/overlays/ruler.h"
#include "editor/page/pageview.h"
#include "editor/page/view/pagezoom.h"
#include "editor/window/editoractions.h"
#include "files/programfiles.h"
#include "interpreter/machine.h"
#include "platform/rasterpage.h"

#include <QScrollBar>
#include <QToolButton>
#include <QtMath>

#include <gtest/gtest.h>

TEST(Grid, ShowsLinesEvery50PixelsWithTheirNumbersButNeverDrawsThem)
{
    ViewDesk d;
    QImage blank;
    d.w.page().copyTo(blank);
    QTest::keyClick(&d.page(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(d.w.view().grid().isOn());
    const QImage shown = d.shown();
    // The line for x = 50 runs through page pixel column 50, the one for y = 300 through row 300.
    EXPECT_TRUE(bluish(shown.pixelColor(d.at(50.5, 400).x(), d.at(50.5, 400).y())));
    EXPECT_TRUE(bluish(shown.pixelColor(d.at(700, 300.5))));
    EXPECT_EQ(shown.pixelColor(d.at(75.5, 425.5)), QColor(Qt::white)) << "between the lines";
    // A number stands at the top of its line: some dark blue text near x = 100.
    bool number = false;
    for (int y = d.at(0, 0).y(); y < d.at(0, 12).y(); ++y)
        for (int x = d.at(92, 0).x(); x < d.at(108, 0).x(); ++x)
            number = number || shown.pixelColor(x, y).blue() - shown.pixelColor(x, y).red() > 80;
    EXPECT_TRUE(number);

    QImage page;
    d.w.page().copyTo(page);
    EXPECT_EQ(page, blank) << "the page itself has no grid";
    const QString png = d.dir.filePath(QStringLiteral("rezgis.png"));
    ASSERT_TRUE(d.w.files().savePicture(png));
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), blank);

    // A fill starting on a grid line fills the whole page: the fill sees no grid either.
    d.w.setProgramText(QStringLiteral("krasot 50,50,1,22\r\n"));
    ASSERT_TRUE(d.runToEnd());
    EXPECT_EQ(d.w.page().pixel(50, 50), d.w.page().pixel(51, 51));
    EXPECT_EQ(d.w.page().pixel(100, 100), d.w.page().pixel(700, 600));
}

TEST(Grid, EachAidIsRememberedForTheNextStart)
{
    ViewDesk d;
    d.w.view().rezgis()->trigger();
    d.w.view().lineals()->trigger();
    WindowDesk again;
    EXPECT_TRUE(again.w.view().rezgis()->isChecked());
    EXPECT_TRUE(again.w.view().grid().isOn());
    EXPECT_TRUE(again.w.view().ruler().isOn());
    EXPECT_FALSE(again.w.view().transportieris()->isChecked());
}

TEST(Protractor, ShowsTheHeadingInTheLanguagesDegreesAroundTheTurtle)
{
    EXPECT_EQ(zimo::Protractor::reading(45.0), 45);
    EXPECT_EQ(zimo::Protractor::reading(-90.0), 270);
    EXPECT_EQ(zimo::Protractor::reading(359.6), 0);

    ViewDesk d;
    d.w.view().transportieris()->setChecked(true);
    d.keypad(Qt::Key_8);
    auto pointAt = [&d](double angle, double share) {
        const zimo::PageFrame& f = d.page().frame();
        const QPointF centre = d.zoom().toView(QPointF(f.x + 0.5, f.y + 0.5));
        const double r = zimo::Protractor::Radius * share;
        return (centre
            + QPointF(std::cos(qDegreesToRadians(angle)), -std::sin(qDegreesToRadians(angle))) * r)
            .toPoint();
    };
    QImage shown = d.shown();
    EXPECT_TRUE(orangeish(shown.pixelColor(pointAt(60, 0.55)))) << "inside the sweep from 0 to 90";
    EXPECT_FALSE(orangeish(shown.pixelColor(pointAt(200, 0.55)))) << "beyond the heading";
    EXPECT_TRUE(bluish(shown.pixelColor(pointAt(200, 1.0)))) << "the ring";

    // It follows the turtle: after a step down the ring stands 40 pixels lower.
    d.keypad(Qt::Key_2);
    d.hold(Qt::Key_Up, 10);
    shown = d.shown();
    EXPECT_TRUE(orangeish(shown.pixelColor(pointAt(200, 0.55)))) << "the sweep now reaches 270";
    EXPECT_EQ(d.page().frame().y, 306.5 + 40);
}

TEST(Ruler, MeasuresInPagePixelsAndOffersTheLinesThatDrawIt)
{
    ViewDesk d;
    d.w.view().lineals()->setChecked(true);
    zimo::Ruler& ruler = d.w.view().ruler();
    // From the turtle (394.5, 306.5) up and to the right.
    d.drag(d.at(395, 307), d.at(494.5, 206.5));
    EXPECT_EQ(ruler.line().p1(), QPointF(394.5, 306.5)) << "a drag on the turtle starts at it";
    EXPECT_EQ(ruler.length(), 141);
    EXPECT_EQ(ruler.angle(), 45);
    EXPECT_EQ(ruler.commandLines(), (QStringList { "lenkis 45", "uz prieksu 141" }));
    ASSERT_TRUE(ruler.insertButton()->isVisible());
    EXPECT_TRUE(ruler.insertButton()->text().contains(u"lenkis 45, uz prieksu 141"));
    EXPECT_TRUE(bluish(d.shown().pixelColor(d.at(444, 256.5))));

    QTest::mouseClick(ruler.insertButton(), Qt::LeftButton);
    EXPECT_EQ(d.lines(), (QStringList { "lenkis 45", "uz prieksu 141" }));
    // Steering goes on at the angle the program has now, and knows it.
    d.keypad(Qt::Key_9);
    d.hold(Qt::Key_Up, 10);
    EXPECT_EQ(d.lines().last(), u"uz prieksu 40");
    d.drag(d.at(100, 100), d.at(130, 100));
    EXPECT_EQ(ruler.commandLines(), QStringList { "pa labi 30" }) << "along an axis";
    d.drag(d.at(100, 100), d.at(190, 48));
    EXPECT_EQ(ruler.commandLines().first(), u"lenkis 30");
    QTest::mouseClick(ruler.insertButton(), Qt::LeftButton);
    d.hold(Qt::Key_Up, 10);
    EXPECT_EQ(d.lines().mid(d.lines().size() - 2),
        (QStringList { "lenkis 45", "uz prieksu 40" }))
        << "the ruler's angle line came between: the step writes its own angle again";

    // Zoomed in, the same drag on the screen measures the same page pixels.
    d.drag(d.at(100, 100), d.at(100, 100));
    EXPECT_FALSE(ruler.insertButton()->isVisible()) << "a click measures nothing";
    d.wheel(d.at(200, 200), 240);
    d.drag(d.at(200.5, 200.5), d.at(260.5, 120.5));
    EXPECT_EQ(ruler.length(), 100);
    EXPECT_EQ(ruler.angle(), 53);
}

TEST(Zoom, CtrlWheelZoomsAroundThePointerWithCrispPixels)
{
    ViewDesk d;
    zimo::RasterPage& page = d.w.machine().drawing.page;
    page.drawPoint(300, 200, zimo::rgb(0, 0, 0));
    d.w.updatePage();
    // On the corner of page pixel 300,200, which every zoom step shows on a whole pixel.
    const QPoint pointer = d.at(300, 200);
    ASSERT_EQ(d.page().pagePoint(pointer), QPointF(300, 200));
    for (int i = 0; i < 6; ++i)
        d.wheel(pointer, 120);
    EXPECT_EQ(d.zoom().zoom(), 8.0);
    d.wheel(pointer, 120);
    EXPECT_EQ(d.zoom().zoom(), 8.0) << "800 % at most";
    const QPointF held = d.page().pagePoint(pointer);
    EXPECT_EQ(held, QPointF(300, 200)) << "the point under the pointer stays under it";

    // The page pixel is an 8 x 8 block of black with white around it: no smoothing.
    const QImage shown = d.shown();
    const QPoint corner = d.at(300, 200);
    for (int dy = 0; dy < 8; ++dy)
        for (int dx = 0; dx < 8; ++dx)
            EXPECT_EQ(shown.pixelColor(corner + QPoint(dx, dy)), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(corner + QPoint(8, 4)), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(corner + QPoint(-1, 4)), QColor(Qt::white));

    // The pointer's numbers and the page under it stay the page's.
    d.mouse(QEvent::MouseMove, pointer, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(d.w.statusRow()->peles_koord()->text(), u"Kursora koordinātas 300:200");
}

TEST(Zoom, ScrollBarsAndTheMiddleButtonPanAndTheWholePageComesBack)
{
    ViewDesk d;
    auto* hBar = d.page().findChild<QScrollBar*>(QStringLiteral("lapa_hscroll"));
    auto* vBar = d.page().findChild<QScrollBar*>(QStringLiteral("lapa_vscroll"));
    ASSERT_TRUE(hBar && vBar);
    EXPECT_FALSE(hBar->isVisible());
    d.wheel(d.at(394, 306), 240);
    EXPECT_EQ(d.zoom().zoom(), 2.0);
    EXPECT_TRUE(hBar->isVisible());
    EXPECT_TRUE(vBar->isVisible());

    const QPoint scroll = d.zoom().scroll();
    d.drag(d.at(300, 300), d.at(300, 300) + QPoint(50, 30), Qt::MiddleButton);
    EXPECT_EQ(d.zoom().scroll(), scroll - QPoint(50, 30));
    EXPECT_EQ(hBar->value(), d.zoom().scroll().x());
    hBar->setValue(0);
    EXPECT_EQ(d.zoom().scroll().x(), 0);
    EXPECT_NEAR(d.page().pagePoint(d.zoom().viewport().topLeft()).x(), 0, 0.01);

    // The wheel alone scrolls a zoomed page, and zooming out below the whole page centres it.
    const int top = d.zoom().scroll().y();
    d.wheel(d.at(300, 300), -120, Qt::NoModifier);
    EXPECT_GT(d.zoom().scroll().y(), top);
    d.w.view().visaLapa()->trigger();
    EXPECT_EQ(d.zoom().zoom(), 1.0);
    EXPECT_FALSE(hBar->isVisible());
    EXPECT_EQ(d.page().pagePixel(QPointF(2 + 120.5, 2 + 45.5)), QPoint(120, 45));
    d.wheel(d.at(394, 306), -240);
    EXPECT_EQ(d.zoom().zoom(), 0.5);
    EXPECT_NEAR(d.zoom().pageRect().center().x(), d.zoom().viewport().center().x(), 1);
    EXPECT_EQ(d.shown().pixelColor(d.zoom().viewport().topLeft().toPoint() + QPoint(2, 2)),
        QColor(150, 150, 150))
        << "around the page shows that the page ends";
}

TEST(Zoom, StepsAndMappingHoldAtEveryWindowScale)
{
    zimo::PageZoom zoom;
    zoom.setBase(1.5);
    zoom.setViewport(QRectF(3, 3, 1184, 920));
    EXPECT_EQ(zoom.toView(QPointF(0, 0)), QPointF(3, 3)) << "the fitted page where it always was";
    EXPECT_EQ(zoom.toPage(QPointF(3 + 150, 3 + 75)), QPointF(100, 50));
    zoom.setZoom(4, QPointF(600, 400));
    EXPECT_NEAR(zoom.toPage(QPointF(600, 400)).x(), (600 - 3) / 1.5, 0.5);
    EXPECT_EQ(zoom.contentSize(), QSize(4734, 3678));
    zoom.setScroll(QPoint(-5, 99999));
    EXPECT_EQ(zoom.scroll(), QPoint(0, 3678 - 920));
    EXPECT_EQ(zimo::PageZoom::nextZoom(1, 1), 1.5);
    EXPECT_EQ(zimo::PageZoom::nextZoom(1.2, -1), 1.0);
    EXPECT_EQ(zimo::PageZoom::nextZoom(0.5, -1), 0.5);

    // Step after step around a point between screen pixels: the roundings never add up.
    zimo::PageZoom steps;
    steps.setViewport(QRectF(2, 2, 775, 599));
    const QPointF anchor(303, 203);
    const QPointF held = steps.toPage(anchor);
    for (double z = 1; z < zimo::PageZoom::MaxZoom;) {
        z = zimo::PageZoom::nextZoom(z, 1);
        steps.setZoom(z, anchor);
        EXPECT_NEAR(steps.toPage(anchor).x(), held.x(), 0.5 / z + 1e-9) << z;
        EXPECT_NEAR(steps.toPage(anchor).y(), held.y(), 0.5 / z + 1e-9) << z;
    }
}
