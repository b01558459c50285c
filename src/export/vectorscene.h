#pragma once

#include "platform/colour.h"

#include <QImage>
#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <variant>
#include <vector>

namespace zimo
{

class Recording;

/// The recorded page as vector shapes, in drawing order, for the SVG file and the printed
/// page. Units are page pixels, pixel (i, j) being the square from (i, j) to (i + 1, j + 1);
/// a renderer that paints the pixels whose centres a shape covers, without smoothing, paints
/// what the page shows: lines to within a pixel, fills and the pixels around them exactly.
struct VectorScene {
    /// A chain of segments drawn with one pen: one pixel wide with square ends, or wider
    /// with round ends and joins.
    struct Line {
        Colour colour = 0;
        int width = 1;
        std::vector<QPointF> points;
    };
    /// The dashes of one-pixel dashed segments, with flat ends.
    struct Dashes {
        Colour colour = 0;
        std::vector<QLineF> runs;
    };
    /// Single pixels: the dots of segments of no length.
    struct Dots {
        Colour colour = 0;
        std::vector<QPoint> pixels;
    };
    /// Pixels of one colour as rectangles that do not overlap: what one fill painted, or
    /// the pixels around it in one of the colours they had then (its edge).
    struct Region {
        Colour colour = 0;
        std::vector<QRect> rects;
        /// An edge only makes the page exact at its own size: the lines it stands for are
        /// drawn as lines, which is how they should look when the drawing is enlarged.
        bool edge = false;
    };
    using Shape = std::variant<Line, Dashes, Dots, Region>;

    int width = 0;
    int height = 0;
    Colour background = 0;
    /// The page the shapes are drawn over, when there is one (else null).
    QImage base;
    std::vector<Shape> shapes;
};

/// The shapes of what recording holds.
VectorScene buildScene(const Recording& recording);

} // namespace zimo
