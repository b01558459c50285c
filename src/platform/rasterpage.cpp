#include "rasterpage.h"

#include "clip.h"
#include "pagedashes.h"
#include "pngfile.h"

#include <QPen>
#include <QString>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zimo
{

namespace
{

bool outside(double v, double low, double high) { return !(v >= low && v <= high); }

} // namespace

RasterPage::RasterPage()
    : m_image(Width, Height, QImage::Format_RGB32)
{
    m_image.fill(toPixel(m_background));
    m_pixels = reinterpret_cast<std::uint32_t*>(m_image.bits());
    m_stride = m_image.bytesPerLine() / std::ptrdiff_t(sizeof(std::uint32_t));
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_current = QPointF(0, 0);
}

void RasterPage::setPenWidth(int width)
{
    width = std::clamp(width, 1, MaxPenWidth);
    if (width != m_penWidth) {
        m_penWidth = width;
        m_penDirty = true;
    }
}

void RasterPage::setLineStyle(int style)
{
    style = std::clamp(style, 0, 5);
    if (style != m_lineStyle) {
        m_lineStyle = style;
        m_penDirty = true;
    }
}

void RasterPage::setBackground(Colour colour)
{
    m_background = colour;
    erase();
}

void RasterPage::erase()
{
    m_painter.fillRect(0, 0, Width, Height, QColor::fromRgb(toPixel(m_background)));
}

void RasterPage::applyPen(Colour colour)
{
    if (!m_penDirty && colour == m_penColour)
        return;
    QPen pen(QColor::fromRgb(toPixel(colour)));
    pen.setWidth(m_penWidth);
    // Wide pens draw every style solid, with round ends, as the classic page did.
    if (m_penWidth > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::SquareCap);
        if (m_lineStyle >= 1 && m_lineStyle <= 4)
            pen.setDashPattern(dashPattern(m_lineStyle));
    }
    m_painter.setPen(pen);
    m_penColour = colour;
    m_penDirty = false;
}

bool RasterPage::cutToReach(double& x1, double& y1, double& x2, double& y2, int penWidth)
{
    const double margin = penWidth / 2.0 + 2.0;
    const double left = -margin, top = -margin;
    const double right = Width + margin, bottom = Height + margin;
    // Only segments that leave the page are cut, so dashes keep their phase on the page.
    if (outside(x1, left, right) || outside(x2, left, right) || outside(y1, top, bottom)
        || outside(y2, top, bottom))
        return clipSegment(x1, y1, x2, y2, ClipRect { left, top, right, bottom });
    return true;
}

void RasterPage::drawLine(QPointF from, QPointF to, Colour colour)
{
    m_current = to;
    if (m_lineStyle == 5)
        return;
    double x1 = from.x(), y1 = from.y(), x2 = to.x(), y2 = to.y();
    if (!cutToReach(x1, y1, x2, y2, m_penWidth))
        return;
    applyPen(colour);
    m_painter.drawLine(QLineF(x1, y1, x2, y2));
}

void RasterPage::drawLine(float x1, float y1, float x2, float y2, Colour colour)
{
    drawLine(QPointF(x1, y1), QPointF(x2, y2), colour);
}

void RasterPage::drawPoint(double x, double y, Colour colour)
{
    const std::uint32_t pixel = toPixel(colour);
    dotSpans(x, y, m_penWidth, [&](int rowY, int fromX, int toX) {
        std::uint32_t* line = row(rowY);
        std::fill(line + fromX, line + toX + 1, pixel);
    });
}

Colour RasterPage::pixel(int x, int y) const
{
    if (!contains(x, y))
        return 0xFFFFFFFFu;
    return fromPixel(row(y)[x]);
}

void RasterPage::restore(const QImage& picture)
{
    if (picture.size() != m_image.size() || picture.format() != m_image.format())
        return;
    std::memcpy(m_image.bits(), picture.constBits(), size_t(m_image.sizeInBytes()));
}

void RasterPage::copyTo(QImage& target) const
{
    if (target.size() != m_image.size() || target.format() != m_image.format())
        target = QImage(m_image.size(), m_image.format());
    std::memcpy(target.bits(), m_image.constBits(), size_t(m_image.sizeInBytes()));
}

QByteArray RasterPage::pngBytes() const { return zimo::pngBytes(m_image); }

QString RasterPage::savePng(const QString& path) const { return savePngFile(path, m_image); }

} // namespace zimo
