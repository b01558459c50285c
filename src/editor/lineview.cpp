#include "lineview.h"

#include <QPainter>

namespace zimo
{

LineView::LineView(const QString& name, int x1, int x2, int y, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(x1, y - MaxThickness / 2, x2 - x1 + 1, MaxThickness + 1);
}

void LineView::setThickness(int thickness)
{
    m_thickness = qBound(1, thickness, MaxThickness);
    update();
}

void LineView::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter p(this);
    const int top = height() / 2 - m_thickness / 2;
    p.fillRect(0, top, width(), m_thickness, Qt::black);
}

} // namespace zimo
