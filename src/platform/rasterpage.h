#pragma once

#include "colour.h"

#include <QImage>
#include <QPainter>
#include <QPointF>

#include <algorithm>
#include <cmath>

class QString;

namespace zimo
{

/// The drawing page: an off-screen RGB32 image of the page's drawable area.
///
/// Owns the image and the painter that draws into it (antialiasing off, so the flood fill
/// can compare exact colours), the pen width, the line style, the background colour and
/// the current drawing point. Every drawing call clips against the page first, so
/// coordinates far outside it cost nothing. The image is never shared: readers copy it.
class RasterPage
{
public:
    static constexpr int Width = 789;
    static constexpr int Height = 613;
    static constexpr int MaxPenWidth = 32767;

    RasterPage();
    RasterPage(const RasterPage&) = delete;
    RasterPage& operator=(const RasterPage&) = delete;

    int width() const { return Width; }
    int height() const { return Height; }

    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width);
    /// 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible.
    int lineStyle() const { return m_lineStyle; }
    void setLineStyle(int style);

    Colour background() const { return m_background; }
    /// Sets the background colour, which erases the page to it.
    void setBackground(Colour colour);
    /// Erases the page to its background colour.
    void erase();

    QPointF currentPoint() const { return m_current; }
    void setCurrentPoint(QPointF point) { m_current = point; }

    /// A straight segment with the pen width and line style; the end becomes the current point.
    void drawLine(QPointF from, QPointF to, Colour colour);
    /// The same in single precision, as the drawing model hands its segments over. Taking
    /// floats keeps the rounding: a compiler may drop a double-float-double round trip made
    /// at the caller (GCC 12 does, when it vectorizes it).
    void drawLine(float x1, float y1, float x2, float y2, Colour colour);
    /// A point of the pen width centred on the pixel (x, y).
    void drawPoint(double x, double y, Colour colour);
    /// The pixels on the page that drawPoint(x, y) covers at penWidth, a row at a time:
    /// span(row, firstX, lastX) for every row it reaches.
    template <class Span> static void dotSpans(double x, double y, int penWidth, Span span);
    /// Cuts a segment that leaves the page to the part a pen of penWidth can show on it; a
    /// segment within reach stays as it is. False when nothing of it shows.
    static bool cutToReach(double& x1, double& y1, double& x2, double& y2, int penWidth);

    Colour pixel(int x, int y) const;
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }

    /// Raw pixel rows (0xFFRRGGBB) for code that walks the image itself, such as the fill.
    std::uint32_t* row(int y) { return m_pixels + std::ptrdiff_t(y) * m_stride; }
    const std::uint32_t* row(int y) const { return m_pixels + std::ptrdiff_t(y) * m_stride; }

    /// Copies the page into target, which is (re)allocated to the page's size when needed.
    void copyTo(QImage& target) const;
    /// Puts a picture of the page's size (as copyTo gives it) on the page.
    void restore(const QImage& picture);
    /// The page as a PNG picture; empty when it could not be encoded.
    QByteArray pngBytes() const;
    /// Writes the page as a PNG picture, replacing a file only once the whole picture is
    /// on the disk. Returns an empty string on success, else why it failed (in Latvian).
    QString savePng(const QString& path) const;

private:
    void applyPen(Colour colour);

    QImage m_image;
    QPainter m_painter;
    /// The image's memory: it is never shared, so it never moves.
    std::uint32_t* m_pixels = nullptr;
    std::ptrdiff_t m_stride = 0;
    int m_penWidth = 1;
    int m_lineStyle = 0;
    Colour m_background = rgb(255, 255, 255);
    QPointF m_current;
    Colour m_penColour = 0;
    bool m_penDirty = true;
};

template <class Span> void RasterPage::dotSpans(double x, double y, int penWidth, Span span)
{
    if (!(x > -1e9 && x < 1e9 && y > -1e9 && y < 1e9))
        return;
    if (penWidth <= 1) {
        if (x >= 0 && y >= 0 && x < Width && y < Height)
            span(int(y), int(x), int(x));
        return;
    }
    // A round dot of the pen's diameter: every pixel whose centre lies within half the
    // width of this pixel's centre. Only the part of the dot's square on the page is visited.
    const double radius = penWidth / 2.0;
    if (x < -radius - 1 || x > Width + radius || y < -radius - 1 || y > Height + radius)
        return;
    const int cx = int(std::floor(x));
    const int cy = int(std::floor(y));
    const int reach = int(radius);
    const double limit = radius * radius;
    const int fromY = std::max(-reach, -cy), toY = std::min(reach, Height - 1 - cy);
    const int fromX = std::max(-reach, -cx), toX = std::min(reach, Width - 1 - cx);
    for (int dy = fromY; dy <= toY; ++dy) {
        const double left = limit - double(dy) * dy;
        int first = fromX;
        while (first <= toX && double(first) * first > left)
            ++first;
        int last = toX;
        while (last >= first && double(last) * last > left)
            --last;
        if (first <= last)
            span(cy + dy, cx + first, cx + last);
    }
}

} // namespace zimo
