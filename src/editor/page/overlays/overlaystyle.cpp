#include "overlaystyle.h"

#include "files/twips.h"

#include <QPainter>

namespace zimo::overlaystyle
{

QFont font(int pixels)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(scaled(pixels));
    return f;
}

QRectF plate(QPainter& p, const QString& text, QPointF at, bool centred, QColor colour)
{
    const QFontMetricsF metrics(p.font());
    const double pad = scaled(2);
    QRectF box(QPointF(), QSizeF(metrics.horizontalAdvance(text) + 2 * pad, metrics.height()));
    if (centred)
        box.moveCenter(at);
    else
        box.moveTopLeft(at);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(box, pad, pad);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    return box;
}

} // namespace zimo::overlaystyle
