#include "pagezoom.h"

#include "platform/rasterpage.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zimo
{

namespace
{

// The steps the wheel and the keys go through; whole factors from 1 on keep pixels square.
constexpr std::array<double, 9> ZoomSteps { 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8 };

// Where a content of this length starts in a viewport of that length: in the middle when it
// fits (by whole pixels, so that the fitted page lies exactly where it always did), else
// scrolled.
double start(double viewport, double content, double scroll)
{
    if (content <= viewport + 0.5)
        return std::floor(std::max(0.0, viewport - content) / 2);
    return -scroll;
}

} // namespace

void PageZoom::setBase(double pixelsPerPagePixel)
{
    m_base = pixelsPerPagePixel;
    clampScroll();
}

void PageZoom::setViewport(QRectF viewport)
{
    m_viewport = viewport;
    clampScroll();
}

void PageZoom::setZoom(double zoom, QPointF anchor)
{
    const QPointF held = heldAt(anchor);
    m_zoom = std::clamp(zoom, MinZoom, MaxZoom);
    keep(held, anchor);
}

void PageZoom::keep(QPointF page, QPointF anchor)
{
    const QPointF at = page * pixelsPerPagePixel();
    const QPointF inView = anchor - m_viewport.topLeft();
    m_exactScroll = at - inView;
    clampScroll();
}

void PageZoom::fit()
{
    m_zoom = 1.0;
    m_exactScroll = QPointF();
    clampScroll();
}

QSize PageZoom::contentSize() const
{
    const double s = pixelsPerPagePixel();
    return QSize(int(std::lround(RasterPage::Width * s)), int(std::lround(RasterPage::Height * s)));
}

QPoint PageZoom::maxScroll() const
{
    const QSize content = contentSize();
    return QPoint(std::max(0, content.width() - int(m_viewport.width())),
        std::max(0, content.height() - int(m_viewport.height())));
}

void PageZoom::setScroll(QPoint scroll)
{
    m_exactScroll = scroll;
    clampScroll();
}

// The page is shown at whole screen pixels, so that its pixels stay sharp squares; the
// exact scroll is kept beside it, or zooming step after step around one point would drift
// by the rounding of every step.
void PageZoom::clampScroll()
{
    const QPoint most = maxScroll();
    m_exactScroll = QPointF(std::clamp(m_exactScroll.x(), 0.0, double(most.x())),
        std::clamp(m_exactScroll.y(), 0.0, double(most.y())));
    m_scroll = QPoint(int(std::lround(m_exactScroll.x())), int(std::lround(m_exactScroll.y())));
}

QPointF PageZoom::origin(QPointF scroll) const
{
    const QSize content = contentSize();
    return m_viewport.topLeft()
        + QPointF(start(m_viewport.width(), content.width(), scroll.x()),
            start(m_viewport.height(), content.height(), scroll.y()));
}

QPointF PageZoom::origin() const { return origin(m_scroll); }

QPointF PageZoom::heldAt(QPointF view) const
{
    return (view - origin(m_exactScroll)) / pixelsPerPagePixel();
}

QPointF PageZoom::toView(QPointF page) const { return origin() + page * pixelsPerPagePixel(); }

QPointF PageZoom::toPage(QPointF view) const { return (view - origin()) / pixelsPerPagePixel(); }

QRectF PageZoom::pageRect() const
{
    const double s = pixelsPerPagePixel();
    return QRectF(origin(), QSizeF(RasterPage::Width * s, RasterPage::Height * s));
}

double PageZoom::nextZoom(double zoom, int direction)
{
    if (direction > 0) {
        const auto* next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom + 1e-9);
        return next == ZoomSteps.end() ? ZoomSteps.back() : *next;
    }
    const auto* next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoom - 1e-9);
    return next == ZoomSteps.begin() ? ZoomSteps.front() : *(next - 1);
}

} // namespace zimo
