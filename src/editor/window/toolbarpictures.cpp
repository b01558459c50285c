#include "toolbarpictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace zimo::pictures
{

namespace
{

// A transparent picture of the given size, painted with antialiasing by paint.
template <typename Paint> QPixmap painted(QSize size, Paint&& paint)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return pixmap;
}

// A sheet of paper with a folded top-right corner, filling most of a small picture.
void paintSheet(QPainter& p)
{
    const QPolygonF sheet { { 3.5, 1.5 }, { 13.5, 1.5 }, { 18.5, 6.5 }, { 18.5, 21.5 },
        { 3.5, 21.5 } };
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF { { 13.5, 1.5 }, { 13.5, 6.5 }, { 18.5, 6.5 } });
}

// A water drop, point upwards, with its round bottom centred at (x, y).
void paintDrop(QPainter& p, double x, double y, double r)
{
    QPainterPath drop;
    drop.moveTo(x, y - 2.6 * r);
    drop.cubicTo(x + 0.4 * r, y - 1.6 * r, x + r, y - 0.9 * r, x + r, y);
    drop.arcTo(QRectF(x - r, y - r, 2 * r, 2 * r), 0, -180);
    drop.cubicTo(x - r, y - 0.9 * r, x - 0.4 * r, y - 1.6 * r, x, y - 2.6 * r);
    p.setPen(QPen(QColor(0, 40, 140), 1));
    p.setBrush(QColor(40, 110, 230));
    p.drawPath(drop);
}

} // namespace

QPixmap blankSheet()
{
    return painted(Small, [](QPainter& p) { paintSheet(p); });
}

QPixmap floppyDisk()
{
    return painted(Small, [](QPainter& p) {
        p.setPen(QPen(QColor(10, 20, 60), 1));
        p.setBrush(QColor(40, 60, 150));
        p.drawRoundedRect(QRectF(1.5, 2.5, 18, 18), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 200, 205));
        p.drawRect(QRectF(5, 3, 10, 6));
        p.setBrush(QColor(40, 60, 150));
        p.drawRect(QRectF(11, 4, 2.5, 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 12, 13, 8));
        p.setPen(QPen(QColor(150, 150, 160), 1));
        p.drawLine(QPointF(6, 15), QPointF(15, 15));
        p.drawLine(QPointF(6, 17.5), QPointF(15, 17.5));
    });
}

QPixmap runTriangle()
{
    return painted(Small, [](QPainter& p) {
        p.setPen(QPen(QColor(0, 100, 0), 1));
        p.setBrush(QColor(0, 170, 0));
        p.drawPolygon(QPolygonF { { 4.5, 2.5 }, { 19.5, 11.5 }, { 4.5, 20.5 } });
    });
}

QPixmap stopSign()
{
    return painted(Small, [](QPainter& p) {
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(210, 20, 20));
        p.drawRoundedRect(QRectF(3.5, 4.5, 14, 14), 2, 2);
    });
}

QPixmap clearPage()
{
    return painted(Small, [](QPainter& p) {
        paintSheet(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 190, 40));
        p.drawRect(QRectF(4, 13, 14, 4));
        p.setBrush(QColor(230, 70, 60));
        p.drawRect(QRectF(4, 17, 14, 4));
        paintDrop(p, 9, 9, 3);
    });
}

QPixmap clearText()
{
    return painted(Small, [](QPainter& p) {
        paintSheet(p);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        for (double y : { 12.5, 15.5, 18.5 })
            p.drawLine(QPointF(5.5, y), QPointF(16.5, y));
        paintDrop(p, 9, 7, 2.6);
    });
}

QPixmap thicknessLines()
{
    return painted(QSize(Large, Large), [](QPainter& p) {
        const std::array<std::pair<double, double>, 3> lines { { { 7.5, 1 }, { 15.5, 3 },
            { 25, 6 } } };
        for (const auto& [y, width] : lines) {
            p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(4, y), QPointF(28, y));
        }
    });
}

QPixmap styleChoice()
{
    return painted(QSize(Large, Large), [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(4, 6, 28, 6);
        p.setPen(QPen(QColor(0, 0, 200), 2));
        p.drawLine(16, 10, 16, 19);
        p.setBrush(QColor(0, 0, 200));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF { { 11.5, 18 }, { 20.5, 18 }, { 16, 23 } });
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 2, Qt::DashLine, Qt::FlatCap));
        p.drawLine(4, 27, 28, 27);
    });
}

QIcon windowIcon()
{
    QIcon icon;
    for (int side : { 16, 32, 48 }) {
        icon.addPixmap(painted(QSize(side, side), [side](QPainter& p) {
            p.scale(side / 32.0, side / 32.0);
            p.setPen(QPen(QColor(40, 40, 90), 1.5));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 3, 3);
            p.setPen(QPen(QColor(230, 60, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 25), QPointF(16, 15));
            p.setPen(QPen(QColor(0, 0, 200), 1.5));
            p.setBrush(QColor(90, 150, 255));
            p.drawPolygon(QPolygonF { { 26, 5 }, { 14, 10 }, { 21, 17 } });
        }));
    }
    return icon;
}

} // namespace zimo::pictures
