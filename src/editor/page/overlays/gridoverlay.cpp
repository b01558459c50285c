#include "gridoverlay.h"

#include "overlaystyle.h"

#include "editor/page/view/pagezoom.h"
#include "files/twips.h"
#include "platform/rasterpage.h"

#include <QPainter>

#include <cmath>

namespace zimo
{

namespace
{

// Every other line, at the hundreds, a little stronger so the eye finds its way.
const QColor Line(40, 100, 200, 60);
const QColor HundredLine(40, 100, 200, 110);

// A grid line runs through the middle of its page pixel column or row, on a whole screen
// pixel so that it stays one sharp pixel wide.
double screenLine(double view) { return std::floor(view) + 0.5; }

} // namespace

void GridOverlay::paint(QPainter& p, const PageZoom& zoom, const PageFrame&) const
{
    if (!m_on)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    paintLines(p, zoom);
    paintNumbers(p, zoom);
    p.restore();
}

void GridOverlay::paintLines(QPainter& p, const PageZoom& zoom) const
{
    const QRectF page = zoom.pageRect().intersected(zoom.viewport());
    for (int x = Spacing; x < RasterPage::Width; x += Spacing) {
        p.setPen(QPen(x % 100 == 0 ? HundredLine : Line, 0));
        const double at = screenLine(zoom.toView(QPointF(x + 0.5, 0)).x());
        p.drawLine(QPointF(at, page.top()), QPointF(at, page.bottom()));
    }
    for (int y = Spacing; y < RasterPage::Height; y += Spacing) {
        p.setPen(QPen(y % 100 == 0 ? HundredLine : Line, 0));
        const double at = screenLine(zoom.toView(QPointF(0, y + 0.5)).y());
        p.drawLine(QPointF(page.left(), at), QPointF(page.right(), at));
    }
}

// The numbers stand along the edges of what is in view, so a zoomed page keeps them; each
// line gets its number when there is room for it, every other or every fourth when not.
void GridOverlay::paintNumbers(QPainter& p, const PageZoom& zoom) const
{
    p.setFont(overlaystyle::font(10));
    const QFontMetricsF metrics(p.font());
    const double room = metrics.horizontalAdvance(QStringLiteral("0000"));
    int step = Spacing;
    while (step * zoom.pixelsPerPagePixel() < room && step < 4 * Spacing)
        step *= 2;
    const QRectF page = zoom.pageRect().intersected(zoom.viewport());
    // The plates' middles: a half line below the top edge, half a number right of the left.
    const double top = page.top() + scaled(2) + metrics.height() / 2;
    const double left = page.left() + scaled(2) + room / 2;
    for (int x = step; x < RasterPage::Width; x += step) {
        const double at = zoom.toView(QPointF(x + 0.5, 0)).x();
        if (at > left && at < page.right())
            overlaystyle::plate(p, QString::number(x), QPointF(at, top), true, overlaystyle::Blue);
    }
    for (int y = step; y < RasterPage::Height; y += step) {
        const double at = zoom.toView(QPointF(0, y + 0.5)).y();
        if (at > top + metrics.height() && at < page.bottom())
            overlaystyle::plate(p, QString::number(y), QPointF(left, at), true, overlaystyle::Blue);
    }
    // The origin's number where the origin is in view.
    if (zoom.viewport().contains(zoom.pageRect().topLeft()))
        overlaystyle::plate(p, QStringLiteral("0"), QPointF(left, top), true, overlaystyle::Blue);
}

} // namespace zimo
