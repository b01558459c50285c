#include "rasterpage.h"

#include "clip.h"
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

// Dash patterns of the thin styles, in pixels: on, off, on, off...
QVector<qreal> dashPattern(int style)
{
    switch (style) {
    case 1:
        return { 18, 6 };
    case 2:
        return { 3, 3 };
    case 3:
        return { 9, 6, 3, 6 };
    case 4:
        return { 9, 3, 3, 3, 3, 3 };
    default:
        return {};
    }
}

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

void RasterPage::drawLine(QPointF from, QPointF to, Colour colour)
{
    m_current = to;
    if (m_lineStyle == 5)
        return;
    double x1 = from.x(), y1 = from.y(), x2 = to.x(), y2 = to.y();
    const double margin = m_penWidth / 2.0 + 2.0;
    const double left = -margin, top = -margin;
    const double right = Width + margin, bottom = Height + margin;
    // Only segments that leave the page are cut, so dashes keep their phase on the page.
    if (outside(x1, left, right) || outside(x2, left, right) || outside(y1, top, bottom)
        || outside(y2, top, bottom)) {
        if (!clipSegment(x1, y1, x2, y2, ClipRect { left, top, right, bottom }))
            return;
    }
    applyPen(colour);
    m_painter.drawLine(QLineF(x1, y1, x2, y2));
}

void RasterPage::drawPoint(double x, double y, Colour colour)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const std::uint32_t pixel = toPixel(colour);
    if (m_penWidth <= 1) {
        if (x >= 0 && y >= 0 && x < Width && y < Height)
            row(int(y))[int(x)] = pixel;
        return;
    }
    // A round dot of the pen's diameter: every pixel whose centre lies within half the
    // width of this pixel's centre.
    const double radius = m_penWidth / 2.0;
    if (outside(x, -radius - 1, Width + radius) || outside(y, -radius - 1, Height + radius))
        return;
    const int cx = int(std::floor(x));
    const int cy = int(std::floor(y));
    const int reach = int(radius);
    const double limit = radius * radius;
    // Only the part of the dot's square that lies on the page is visited.
    const int fromY = std::max(-reach, -cy), toY = std::min(reach, Height - 1 - cy);
    const int fromX = std::max(-reach, -cx), toX = std::min(reach, Width - 1 - cx);
    for (int dy = fromY; dy <= toY; ++dy) {
        std::uint32_t* line = row(cy + dy);
        for (int dx = fromX; dx <= toX; ++dx) {
            if (double(dx) * dx + double(dy) * dy <= limit)
                line[cx + dx] = pixel;
        }
    }
}

Colour RasterPage::pixel(int x, int y) const
{
    if (!contains(x, y))
        return 0xFFFFFFFFu;
    return fromPixel(row(y)[x]);
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
