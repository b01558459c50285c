#pragma once

class QPainter;
class QRectF;

namespace zimo
{

struct VectorScene;

/// Paints the scene into target (the whole page, its proportions kept by the caller) with
/// smooth vectors: for printers and PDF files, where the page's pixels would show as steps
/// (so the edges of fills, there for the page's own size, are left out).
/// Nothing is painted outside target.
void paintScene(const VectorScene& scene, QPainter& painter, const QRectF& target);

} // namespace zimo
