#pragma once

#include <QByteArray>

namespace zimo
{

struct VectorScene;

/// The scene as an SVG picture of the page's size, shape by shape in drawing order: the
/// page colour as a rectangle, a base picture as an embedded PNG image, chains of segments
/// as polylines, dashes and dots as paths, each fill's pixels as one path of rectangles.
/// It asks renderers not to smooth edges, so that at the page's size it shows the page's
/// pixels; scaled up it stays sharp.
QByteArray svgDocument(const VectorScene& scene);

} // namespace zimo
