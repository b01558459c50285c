#include "pageview.h"

#include "files/twips.h"
#include "platform/rasterpage.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zimo
{

PageView::PageView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("lapa"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_frame.image = QImage(RasterPage::Width, RasterPage::Height, QImage::Format_RGB32);
    m_frame.image.fill(Qt::white);
}

void PageView::layOut(QPoint topLeft)
{
    m_scale = scaleFactor();
    m_border = scaled(Border);
    const QSize inner(scaled(RasterPage::Width), scaled(RasterPage::Height));
    setGeometry(QRect(topLeft, inner + QSize(2 * m_border, 2 * m_border)));
    update();
}

QPoint PageView::pagePixel(QPointF position) const
{
    const QPointF inner = (position - QPointF(m_border, m_border)) / m_scale;
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
    const QRect inner = rect().adjusted(m_border, m_border, -m_border, -m_border);
    p.setClipRect(inner);
    p.fillRect(inner, Qt::white);
    // Whole factors repeat every page pixel; others may smooth, as the drawing never changes.
    p.setRenderHint(QPainter::SmoothPixmapTransform, scalePercent() % 100 != 0);
    const QRectF picture(inner.topLeft(), QSizeF(m_frame.image.size()) * m_scale);
    p.drawImage(picture, m_frame.image);
    // Multiplied in, the guide shows where the page is white and leaves the drawing's dark
    // lines dark: it lies under them.
    if (!m_guide.isNull()) {
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        p.drawImage(picture, m_guide);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (!m_marks.isNull())
        p.drawImage(picture, m_marks);
    p.translate(m_border, m_border);
    p.scale(m_scale, m_scale);
    if (m_bandVisible) {
        p.setPen(overlayPen(m_bandColour));
        p.drawLine(m_band);
    }
    if (m_frame.spriteVisible)
        paintSprite(p);
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

// One page pixel wide: a hairline at 100 %, and as wide as a page pixel is shown otherwise.
QPen PageView::overlayPen(QColor colour) const { return QPen(colour, m_scale == 1.0 ? 0.0 : 1.0); }

void PageView::paintSprite(QPainter& p) const
{
    const auto& s = m_frame.sprite;
    const QColor colours[3] = { m_sideColour, Qt::black, m_sideColour };
    for (size_t i = 0; i < s.size(); ++i) {
        p.setPen(overlayPen(colours[i]));
        p.drawLine(QLineF(s[i].x1, s[i].y1, s[i].x2, s[i].y2));
    }
}

void PageView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = pagePixel(event->position());
    if (at.x() >= 0 && at.y() >= 0 && at.x() < RasterPage::Width && at.y() < RasterPage::Height)
        emit lapa_MouseMove(at.x(), at.y());
}

void PageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit lapa_Click();
}

} // namespace zimo
