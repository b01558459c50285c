#include "pageview.h"

#include "view/pageoverlay.h"

#include "files/twips.h"
#include "platform/rasterpage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace zimo
{

namespace
{

/// What shows around a page zoomed out smaller than the view.
const QColor Surround(150, 150, 150);
/// One notch of a mouse wheel.
constexpr int Notch = 120;

QScrollBar* makeBar(Qt::Orientation orientation, const QString& name, QWidget* parent)
{
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
    return bar;
}

} // namespace

PageView::PageView(QWidget* parent)
    : QWidget(parent)
    , m_hBar(makeBar(Qt::Horizontal, QStringLiteral("lapa_hscroll"), this))
    , m_vBar(makeBar(Qt::Vertical, QStringLiteral("lapa_vscroll"), this))
{
    setObjectName(QStringLiteral("lapa"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_frame.image = QImage(RasterPage::Width, RasterPage::Height, QImage::Format_RGB32);
    m_frame.image.fill(Qt::white);
    auto follow = [this] { scrollTo(QPoint(m_hBar->value(), m_vBar->value())); };
    connect(m_hBar, &QScrollBar::valueChanged, this, follow);
    connect(m_vBar, &QScrollBar::valueChanged, this, follow);
}

void PageView::layOut(QPoint topLeft)
{
    m_border = scaled(Border);
    m_zoom.setBase(scaleFactor());
    const QSize inner(scaled(RasterPage::Width), scaled(RasterPage::Height));
    setGeometry(QRect(topLeft, inner + QSize(2 * m_border, 2 * m_border)));
    placeScrollBars();
    update();
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeScrollBars();
}

// The bars stand inside the border along the bottom and the right, only while the zoomed
// page is larger than the room for it; the page is shown in what they leave.
void PageView::placeScrollBars()
{
    const QRect inner = rect().adjusted(m_border, m_border, -m_border, -m_border);
    const QSize content = m_zoom.contentSize();
    const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool wide = content.width() > inner.width() + 1;
    bool tall = content.height() > inner.height() + 1;
    // One bar takes room the other direction may then need.
    wide = wide || (tall && content.width() > inner.width() - thickness + 1);
    tall = tall || (wide && content.height() > inner.height() - thickness + 1);
    const QRect view = inner.adjusted(0, 0, tall ? -thickness : 0, wide ? -thickness : 0);
    m_zoom.setViewport(view);
    m_hBar->setVisible(wide);
    m_vBar->setVisible(tall);
    m_hBar->setGeometry(view.left(), view.bottom() + 1, view.width(), thickness);
    m_vBar->setGeometry(view.right() + 1, view.top(), thickness, view.height());
    const QSignalBlocker h(m_hBar), v(m_vBar);
    m_hBar->setRange(0, m_zoom.maxScroll().x());
    m_vBar->setRange(0, m_zoom.maxScroll().y());
    m_hBar->setSingleStep(scaled(20));
    m_vBar->setSingleStep(scaled(20));
    m_hBar->setPageStep(view.width());
    m_vBar->setPageStep(view.height());
    m_hBar->setValue(m_zoom.scroll().x());
    m_vBar->setValue(m_zoom.scroll().y());
}

void PageView::scrollTo(QPoint scroll)
{
    m_zoom.setScroll(scroll);
    placeScrollBars();
    update();
    emit zoomChanged();
}

void PageView::zoomStep(int direction, QPointF anchor)
{
    const double next = PageZoom::nextZoom(m_zoom.zoom(), direction);
    if (next == m_zoom.zoom())
        return;
    const QPointF held = m_zoom.heldAt(anchor);
    m_zoom.setZoom(next, anchor);
    // The bars come or go with the zoom and change the room; the point stays held.
    placeScrollBars();
    m_zoom.keep(held, anchor);
    placeScrollBars();
    update();
    emit zoomChanged();
}

void PageView::fitPage()
{
    m_zoom.fit();
    placeScrollBars();
    update();
    emit zoomChanged();
}

void PageView::addOverlay(const PageOverlay* overlay)
{
    m_overlays.push_back(overlay);
    update();
}

QPoint PageView::pagePixel(QPointF position) const
{
    const QPointF inner = m_zoom.toPage(position);
    return QPoint(int(std::floor(inner.x())), int(std::floor(inner.y())));
}

void PageView::setSideColour(QColor colour)
{
    m_sideColour = colour;
    update();
}

void PageView::setRubberBand(bool visible, QLineF line, QColor colour)
{
    m_bandVisible = visible;
    m_band = line;
    m_bandColour = colour;
    update();
}

void PageView::setGuide(const QImage& guide)
{
    m_guide = guide;
    update();
}

void PageView::setMarks(const QImage& marks)
{
    m_marks = marks;
    update();
}

void PageView::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter p(this);
    paintBorder(p);
    const QRectF view = m_zoom.viewport();
    p.setClipRect(view);
    p.fillRect(view, m_zoom.zoom() < 1 ? Surround : QColor(Qt::white));
    paintPage(p);
    for (const PageOverlay* overlay : m_overlays)
        overlay->paint(p, m_zoom, m_frame);
    p.save();
    p.translate(m_zoom.toView(QPointF(0, 0)));
    const double s = m_zoom.pixelsPerPagePixel();
    p.scale(s, s);
    if (m_bandVisible) {
        p.setPen(overlayPen(m_bandColour));
        p.drawLine(m_band);
    }
    if (m_frame.spriteVisible)
        paintSprite(p);
    p.restore();
    paintZoomBadge(p);
}

// Only the page pixels in view are drawn: at 800 % the whole page would be a huge image.
void PageView::paintPage(QPainter& p) const
{
    const QRectF shown = QRectF(m_zoom.toPage(m_zoom.viewport().topLeft()),
        m_zoom.toPage(m_zoom.viewport().bottomRight()));
    const QRect source = QRect(QPoint(int(std::floor(shown.left())), int(std::floor(shown.top()))),
        QPoint(int(std::ceil(shown.right())), int(std::ceil(shown.bottom()))))
                             .intersected(m_frame.image.rect());
    if (source.isEmpty())
        return;
    const double s = m_zoom.pixelsPerPagePixel();
    // Zoomed pixels stay crisp squares; the fitted page at an uneven scale may smooth, as
    // it always did.
    p.setRenderHint(
        QPainter::SmoothPixmapTransform, m_zoom.zoom() == 1.0 && scalePercent() % 100 != 0);
    const QRectF target(m_zoom.toView(source.topLeft()), QSizeF(source.size()) * s);
    p.drawImage(target, m_frame.image, source);
    // Multiplied in, a task's guide shows where the page is white and leaves the drawing's
    // dark lines dark: it lies under them.
    if (!m_guide.isNull()) {
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        p.drawImage(target, m_guide, source);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (!m_marks.isNull())
        p.drawImage(target, m_marks, source);
}

void PageView::paintZoomBadge(QPainter& p) const
{
    if (m_zoom.zoom() == 1.0)
        return;
    const QString text = QStringLiteral("%1 %").arg(std::lround(m_zoom.zoom() * 100));
    QFont font = this->font();
    font.setPixelSize(scaled(12));
    p.setFont(font);
    const QRectF view = m_zoom.viewport();
    QRectF box = p.fontMetrics().boundingRect(text).adjusted(-4, -2, 4, 2);
    box.moveBottomLeft(view.bottomLeft() + QPointF(scaled(4), -scaled(4)));
    p.fillRect(box, QColor(255, 255, 255, 210));
    p.setPen(QColor(40, 40, 40));
    p.drawText(box, Qt::AlignCenter, text);
}

// The classic sunken look: a grey and white outer ring, a black and light inner ring, each
// ring as wide as the scale makes one pixel of the border.
void PageView::paintBorder(QPainter& p) const
{
    const int outer = std::max(1, m_border / 2);
    paintRing(p, rect(), outer, QColor(128, 128, 128), Qt::white);
    paintRing(p, rect().adjusted(outer, outer, -outer, -outer), m_border - outer, Qt::black,
        QColor(212, 208, 200));
}

// A ring of width w inside r: topLeft along the top and left edges, bottomRight along the
// bottom and right edges, which own the corners they share.
void PageView::paintRing(QPainter& p, QRect r, int w, QColor topLeft, QColor bottomRight)
{
    p.fillRect(r.left(), r.top(), r.width() - w, w, topLeft);
    p.fillRect(r.left(), r.top(), w, r.height() - w, topLeft);
    p.fillRect(r.left(), r.bottom() - w + 1, r.width(), w, bottomRight);
    p.fillRect(r.right() - w + 1, r.top(), w, r.height(), bottomRight);
}

// One page pixel wide: a hairline when a page pixel is one screen pixel, and as wide as a
// page pixel is shown otherwise.
QPen PageView::overlayPen(QColor colour) const
{
    return QPen(colour, m_zoom.pixelsPerPagePixel() == 1.0 ? 0.0 : 1.0);
}

void PageView::paintSprite(QPainter& p) const
{
    const auto& s = m_frame.sprite;
    const QColor colours[3] = { m_sideColour, Qt::black, m_sideColour };
    for (size_t i = 0; i < s.size(); ++i) {
        p.setPen(overlayPen(colours[i]));
        p.drawLine(QLineF(s[i].x1, s[i].y1, s[i].x2, s[i].y2));
    }
}

void PageView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::MiddleButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_panning = true;
    m_panFrom = event->position();
    m_panScroll = m_zoom.scroll();
    setCursor(Qt::ClosedHandCursor);
}

void PageView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_panning) {
        const QPointF moved = event->position() - m_panFrom;
        scrollTo(m_panScroll - moved.toPoint());
    }
    const QPoint at = pagePixel(event->position());
    if (m_zoom.viewport().contains(event->position()) && at.x() >= 0 && at.y() >= 0
        && at.x() < RasterPage::Width && at.y() < RasterPage::Height)
        emit lapa_MouseMove(at.x(), at.y());
}

void PageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton) {
        m_panning = false;
        unsetCursor();
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit lapa_Click();
}

// Ctrl+wheel zooms around the pointer; the wheel alone scrolls a zoomed page, Shift across.
void PageView::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y()
                                                   : event->angleDelta().x();
    if (event->modifiers() & Qt::ControlModifier) {
        m_wheelRest += delta;
        while (std::abs(m_wheelRest) >= Notch) {
            const int direction = m_wheelRest > 0 ? 1 : -1;
            m_wheelRest -= direction * Notch;
            zoomStep(direction, event->position());
        }
        event->accept();
        return;
    }
    QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) ? m_hBar : m_vBar;
    if (!bar->isVisible()) {
        QWidget::wheelEvent(event);
        return;
    }
    bar->setValue(bar->value() - delta * bar->singleStep() * 3 / Notch);
    event->accept();
}

} // namespace zimo
