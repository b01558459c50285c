#include "pageview.h"

#include "platform/rasterpage.h"

#include <QMouseEvent>
#include <QPainter>

namespace zimo
{

PageView::PageView(QRect geometry, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("lapa"));
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    m_frame.image = QImage(RasterPage::Width, RasterPage::Height, QImage::Format_RGB32);
    m_frame.image.fill(Qt::white);
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

void PageView::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter p(this);
    paintBorder(p);
    const QRect inner = rect().adjusted(Border, Border, -Border, -Border);
    p.setClipRect(inner);
    p.fillRect(inner, Qt::white);
    p.drawImage(inner.topLeft(), m_frame.image);
    p.translate(Border, Border);
    if (m_bandVisible) {
        p.setPen(QPen(m_bandColour, 0));
        p.drawLine(m_band);
    }
    if (m_frame.spriteVisible)
        paintSprite(p);
}

// The classic sunken look: a grey and white outer edge, a black and light inner edge.
void PageView::paintBorder(QPainter& p) const
{
    const QRect r = rect();
    const int right = r.right();
    const int bottom = r.bottom();
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, 0, right - 1, 0);
    p.drawLine(0, 0, 0, bottom - 1);
    p.setPen(Qt::white);
    p.drawLine(0, bottom, right, bottom);
    p.drawLine(right, 0, right, bottom);
    p.setPen(Qt::black);
    p.drawLine(1, 1, right - 2, 1);
    p.drawLine(1, 1, 1, bottom - 2);
    p.setPen(QColor(212, 208, 200));
    p.drawLine(1, bottom - 1, right - 1, bottom - 1);
    p.drawLine(right - 1, 1, right - 1, bottom - 1);
}

void PageView::paintSprite(QPainter& p) const
{
    const auto& s = m_frame.sprite;
    const QColor colours[3] = { m_sideColour, Qt::black, m_sideColour };
    for (size_t i = 0; i < s.size(); ++i) {
        p.setPen(QPen(colours[i], 0));
        p.drawLine(QLineF(s[i].x1, s[i].y1, s[i].x2, s[i].y2));
    }
}

void PageView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint() - QPoint(Border, Border);
    if (at.x() >= 0 && at.y() >= 0 && at.x() < RasterPage::Width && at.y() < RasterPage::Height)
        emit lapa_MouseMove(at.x(), at.y());
}

void PageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit lapa_Click();
}

} // namespace zimo
