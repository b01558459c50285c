#pragma once

#include "pageframe.h"
#include "view/pagezoom.h"

#include <QColor>
#include <QLineF>
#include <QWidget>

#include <vector>

class QScrollBar;

namespace zimo
{

class PageOverlay;

/// The drawing page lapa: a sunken control whose inner area shows a copy of the core's page,
/// with the turtle sprite (lin1, lin2, lin3) and the rubber band prevline laid over it.
///
/// Owns the frame it shows; the overlays are painted on the screen only, never into the
/// image, so moving or hiding them leaves the drawing as it is. At any scale the image keeps
/// its page pixels and is only shown larger; pointer moves are reported in page pixels.
/// Ctrl+wheel zooms the page around the pointer with crisp pixels; scroll bars, the wheel
/// and a drag with the middle button move a zoomed page about.
class PageView : public QWidget
{
    Q_OBJECT
public:
    /// Width of the sunken border around the page's inner area at 100 %.
    static constexpr int Border = 2;

    explicit PageView(QWidget* parent);

    /// Places the page at topLeft, sized for the current scale: the page's image of
    /// RasterPage::Width x Height pixels is shown that much larger, with its border.
    void layOut(QPoint topLeft);
    /// The page pixel under position (widget coordinates); outside the page when outside.
    QPoint pagePixel(QPointF position) const;
    /// The page point under position, with its fraction.
    QPointF pagePoint(QPointF position) const { return m_zoom.toPage(position); }

    /// How the page is zoomed and scrolled now.
    const PageZoom& zoom() const { return m_zoom; }
    /// Zooms one step in direction (+1 in, -1 out), keeping the page point under anchor.
    void zoomStep(int direction, QPointF anchor);
    /// The whole page again, as laid out.
    void fitPage();
    /// Paints overlay over the drawing from now on, after those added before; the view
    /// does not own it.
    void addOverlay(const PageOverlay* overlay);

    /// The frame on show; whoever refills it calls update().
    PageFrame& frame() { return m_frame; }
    const PageFrame& frame() const { return m_frame; }

    /// Colour of the sprite's two nose sides, lin1 and lin3.
    void setSideColour(QColor colour);
    /// The rubber band from keyboard steering, in page pixels; hidden at start.
    void setRubberBand(bool visible, QLineF line, QColor colour);
    bool rubberBandVisible() const { return m_bandVisible; }
    /// A task's picture, shown faintly as if under the drawing (its ink lightened, white
    /// elsewhere); a null image shows none. Like the sprite, never part of the page's image.
    void setGuide(const QImage& guide);
    /// Marks laid over the drawing (a transparent image of the page's size); null for none.
    void setMarks(const QImage& marks);
    const QImage& guide() const { return m_guide; }
    const QImage& marks() const { return m_marks; }

signals:
    /// The pointer moved to (x, y) of the page's inner area.
    void lapa_MouseMove(int x, int y);
    void lapa_Click();
    /// The zoom or the scroll changed.
    void zoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeScrollBars();
    void scrollTo(QPoint scroll);
    void paintPage(QPainter& p) const;
    void paintZoomBadge(QPainter& p) const;
    void paintBorder(QPainter& p) const;
    static void paintRing(QPainter& p, QRect r, int w, QColor topLeft, QColor bottomRight);
    QPen overlayPen(QColor colour) const;
    void paintSprite(QPainter& p) const;

    PageFrame m_frame;
    PageZoom m_zoom;
    QScrollBar* m_hBar;
    QScrollBar* m_vBar;
    std::vector<const PageOverlay*> m_overlays;
    /// Where a middle-button drag took hold of the page, and the scroll it started from.
    QPointF m_panFrom;
    QPoint m_panScroll;
    bool m_panning = false;
    /// Wheel turns of less than a notch (touchpads) add up to one.
    int m_wheelRest = 0;
    int m_border = Border;
    QColor m_sideColour { 0, 0, 255 };
    bool m_bandVisible = false;
    QLineF m_band;
    QColor m_bandColour { Qt::black };
    QImage m_guide;
    QImage m_marks;
};

} // namespace zimo
