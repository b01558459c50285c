#include "figurepictures.h"

#include "platform/rasterpage.h"
#include "interpreter/machine.h"
#include "run/runloop.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace zimo
{

namespace
{

// The buttons' own figures, with fewer waves, rays and turns where the sample line has
// too many to tell apart at the size of a button.
constexpr std::array<QStringView, SampleCount> PictureLines {
    u"zieds 3,50,50",
    u"zieds 5,50,50",
    u"daudzsturis 4,50,50",
    u"daudzsturis 5,50,50",
    u"daudzsturis 6,50,50",
    u"sinusoida 125,40,10",
    u"zvaigzne 1,150,150",
    u"zvaigzne 2,150,150",
    u"stari 12,150,150",
    u"spirale 3,10",
};
constexpr int Margin = 2;
/// How thick a line of the figure should look once shrunk, in pixels.
constexpr double ShownWidth = 1.6;
/// A sample figure needs a few thousand steps; this only guards against a stuck one.
constexpr std::int64_t StepLimit = 100'000;

// Draws line in white on a black page with pen width thickness; the bounds of the ink.
QRect drawFigure(Machine& m, const QString& line, int thickness)
{
    const QString program = QStringLiteral("fona krasa 1\r\nlinijas krasa 6\r\nbiezums %1\r\n%2")
                                .arg(thickness)
                                .arg(line);
    zimet_Click(m, program, RunOptions { std::nullopt, StepLimit });
    return inkedBounds(m.drawing.page, rgb(0, 0, 0));
}

QPixmap shrink(const RasterPage& page, QRect bounds, int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::black);
    if (bounds.isEmpty())
        return picture;
    // A view of the figure's rows for the moment of scaling; it never outlives the call.
    const auto* first = reinterpret_cast<const uchar*>(page.row(bounds.top()) + bounds.left());
    const auto stride = qsizetype(
        reinterpret_cast<const uchar*>(page.row(1)) - reinterpret_cast<const uchar*>(page.row(0)));
    const QImage view(first, bounds.width(), bounds.height(), stride, QImage::Format_RGB32);
    const int room = side - 2 * Margin;
    const QImage figure = view.scaled(room, room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&picture);
    p.drawImage((side - figure.width()) / 2, (side - figure.height()) / 2, figure);
    return picture;
}

} // namespace

QRect inkedBounds(const RasterPage& page, Colour background)
{
    const std::uint32_t paper = toPixel(background) & 0xFFFFFFu;
    auto inked = [paper](std::uint32_t pixel) { return (pixel & 0xFFFFFFu) != paper; };
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const std::uint32_t* row = page.row(y);
        int first = 0;
        while (first < page.width() && !inked(row[first]))
            ++first;
        if (first == page.width())
            continue;
        int last = page.width() - 1;
        while (!inked(row[last]))
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

std::array<QPixmap, SampleCount> figurePictures(int side)
{
    // The machine and its page are far too big for the stack.
    auto page = std::make_unique<RasterPage>();
    auto machine = std::make_unique<Machine>(*page);
    std::array<QPixmap, SampleCount> pictures;
    const double room = side - 2 * Margin;
    for (int i = 0; i < SampleCount; ++i) {
        const QString line = PictureLines[size_t(i)].toString();
        // A first thin drawing finds the figure's size, and so the pen width that stays
        // visible once the figure is shrunk.
        const QRect thin = drawFigure(*machine, line, 1);
        const double scale = room / std::max({ 1, thin.width(), thin.height() });
        const int thickness = std::clamp(int(std::lround(ShownWidth / scale)), 1, 12);
        const QRect bounds = thickness == 1 ? thin : drawFigure(*machine, line, thickness);
        pictures[size_t(i)] = shrink(*page, bounds, side);
    }
    return pictures;
}

} // namespace zimo
