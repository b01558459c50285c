#include "outlinerect.h"

#include <QPainter>
#include <QRegion>

namespace zimo
{

OutlineRect::OutlineRect(const QString& name, QColor colour, int width, QWidget* parent)
    : QWidget(parent)
    , m_colour(colour)
    , m_width(width)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineRect::setBounds(QRect bounds, int outside)
{
    m_bounds = bounds;
    const QRect outer = bounds.adjusted(-outside, -outside, outside, outside);
    setGeometry(outer);
    const QRect local(QPoint(0, 0), outer.size());
    setMask(
        QRegion(local).subtracted(QRegion(local.adjusted(m_width, m_width, -m_width, -m_width))));
}

void OutlineRect::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter(this).fillRect(rect(), m_colour);
}

} // namespace zimo
