#include "lineview.h"

#include "files/twips.h"

#include <QPainter>

namespace zimo
{

LineView::LineView(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineView::place(int x1, int x2, int y)
{
    const int tallest = scaled(MaxThickness);
    setGeometry(x1, y - tallest / 2, x2 - x1 + 1, tallest + 1);
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
    // The preview shows the thickness as the page, shown at the window's scale, will.
    const int thickness = scaled(m_thickness);
    const int top = height() / 2 - thickness / 2;
    p.fillRect(0, top, width(), thickness, Qt::black);
}

} // namespace zimo
