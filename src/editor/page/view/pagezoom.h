#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>

namespace zimo
{

/// How the page view shows the page: how large, and which part of it.
///
/// The zoom counts from the page's fitted size: 1 shows the whole page at the window's
/// scale, 2 shows every page pixel twice as large, and so on from MinZoom to MaxZoom. A page
/// larger than the view is scrolled (the scroll is the view's top left inside the enlarged
/// page, in screen pixels); a smaller one stands in the middle. Every position on the screen
/// goes to the page and back through here, so the pointer's numbers, the clicks and the
/// overlays agree with the page's own pixels at any zoom.
class PageZoom
{
public:
    static constexpr double MinZoom = 0.5;
    static constexpr double MaxZoom = 8.0;

    /// The window's scale: screen pixels per page pixel at zoom 1.
    void setBase(double pixelsPerPagePixel);
    /// The part of the view the page is shown in, in the view's coordinates.
    void setViewport(QRectF viewport);
    QRectF viewport() const { return m_viewport; }

    double zoom() const { return m_zoom; }
    /// Screen pixels per page pixel now.
    double pixelsPerPagePixel() const { return m_base * m_zoom; }
    /// Sets the zoom (brought into MinZoom..MaxZoom) so that the page point under anchor
    /// (view coordinates) stays under it.
    void setZoom(double zoom, QPointF anchor);
    /// Scrolls so that the page point page lies under anchor, as far as the scroll goes.
    void keep(QPointF page, QPointF anchor);
    /// The whole page at the window's scale again.
    void fit();

    /// The enlarged page's size in screen pixels, and how far it can scroll.
    QSize contentSize() const;
    QPoint maxScroll() const;
    QPoint scroll() const { return m_scroll; }
    /// Scrolls to scroll, kept within 0..maxScroll().
    void setScroll(QPoint scroll);

    QPointF toView(QPointF page) const;
    QPointF toPage(QPointF view) const;
    /// The page point a zoom around view holds still: toPage() without the rounding of the
    /// scroll to whole screen pixels.
    QPointF heldAt(QPointF view) const;
    /// The page's rectangle in view coordinates (it may reach beyond the viewport).
    QRectF pageRect() const;

    /// The zoom step after zoom in direction (+1 larger, -1 smaller); zoom at the ends.
    static double nextZoom(double zoom, int direction);

private:
    QPointF origin() const;
    QPointF origin(QPointF scroll) const;
    void clampScroll();

    double m_base = 1.0;
    double m_zoom = 1.0;
    QRectF m_viewport;
    QPoint m_scroll;
    QPointF m_exactScroll;
};

} // namespace zimo
