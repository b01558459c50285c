// Checks a picture of the main window taken on a real X server: the page, the toolbar, the
// text box and the status row stand where the layout puts them. Exit status 0 when they do.

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdio>
#include <functional>

namespace
{

constexpr int ClientWidth = 1016;
constexpr int ClientHeight = 705;

int failures = 0;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "screenshot: %s\n", what);
        ++failures;
    }
}

int count(const QImage& image, QRect area, const std::function<bool(QColor)>& wanted)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += wanted(image.pixelColor(x, y));
    return n;
}

bool white(QColor c) { return c == QColor(Qt::white); }
bool black(QColor c) { return c.red() < 40 && c.green() < 40 && c.blue() < 40; }

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: screenshot_check WINDOW.png\n", stderr);
        return 2;
    }
    const QImage image
        = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (image.width() != ClientWidth || image.height() <= ClientHeight) {
        std::fprintf(stderr, "screenshot: the window is %dx%d\n", image.width(), image.height());
        return 1;
    }
    // Everything below the menu bar is the client area of the layout.
    const int top = image.height() - ClientHeight;
    auto at = [top](int x, int y, int w, int h) { return QRect(x, top + y, w, h); };

    // The page: a white inner area of 789 x 613 inside a 2-pixel border, framed for page mode.
    const QRect inner = at(2, 50, 789, 613);
    const int whiteInside = count(image, inner, white);
    check(whiteInside > inner.width() * inner.height() - 200, "the page is not white");
    const QColor frame(128, 128, 255);
    for (QPoint p : { QPoint(400, top + 45), QPoint(400, top + 666), QPoint(794, top + 300) })
        check(image.pixelColor(p) == frame, "the page's mode frame is missing");
    check(count(image, at(376, 340, 30, 30), [](QColor c) { return c == QColor(0, 0, 255); }) > 5,
        "the turtle is not in the middle of the page");

    // The toolbar: the green Run triangle on white, the figure buttons black with white lines.
    check(count(image, at(70, 0, 33, 33),
              [](QColor c) { return c.green() > 120 && c.red() < 80 && c.blue() < 80; })
            > 40,
        "the Run button is not at 70,0");
    for (int left : { 176, 211, 490 }) {
        const QRect button = at(left + 4, 4, 25, 25);
        check(count(image, button, black) > button.width() * button.height() / 2,
            "a figure button is not black");
        check(count(image, button, [](QColor c) { return c.lightness() > 200; }) > 10,
            "a figure button shows no figure");
    }
    check(count(image, at(0, 0, 33, 33), white) > 200, "the new-page button is not at 0,0");

    // The text box: white right of its line numbers, with its border at 800 and a vertical
    // scroll bar at its right.
    check(count(image, at(850, 60, 135, 500), white) == 135 * 500, "the text box is not white");
    check(count(image, at(805, 60, 30, 500), white) == 0, "the text box has no line numbers");
    check(!white(image.pixelColor(800, top + 300)), "the text box's border is not at 800");
    check(count(image, at(1000, 100, 10, 400), white) < 2000, "the text box has no scroll bar");

    // The status row: dark letters on the row at 672.
    check(count(image, at(8, 674, 100, 20), black) > 30, "the status row is empty");
    return failures == 0 ? 0 : 1;
}
