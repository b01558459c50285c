#include "scenepainter.h"

#include "export/vectorscene.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace zimo
{

namespace
{

QColor colourOf(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

struct ShapePainter {
    QPainter& painter;

    void operator()(const VectorScene::Line& line) const
    {
        QPen pen(colourOf(line.colour), line.width);
        pen.setCapStyle(line.width > 1 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line.points.data(), int(line.points.size()));
    }
    void operator()(const VectorScene::Dashes& dashes) const
    {
        QPen pen(colourOf(dashes.colour), 1);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLines(dashes.runs.data(), int(dashes.runs.size()));
    }
    void operator()(const VectorScene::Dots& dots) const
    {
        QPainterPath path;
        for (const QPoint& p : dots.pixels)
            path.addRect(p.x(), p.y(), 1, 1);
        painter.fillPath(path, colourOf(dots.colour));
    }
    void operator()(const VectorScene::Region& region) const
    {
        if (region.edge)
            return;
        // One path for the whole fill, so that its rectangles meet without seams.
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        for (const QRect& r : region.rects)
            path.addRect(r);
        painter.fillPath(path, colourOf(region.colour));
    }
};

} // namespace

void paintScene(const VectorScene& scene, QPainter& painter, const QRectF& target)
{
    if (scene.width <= 0 || scene.height <= 0)
        return;
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    painter.scale(target.width() / scene.width, target.height() / scene.height);
    const QRectF page(0, 0, scene.width, scene.height);
    painter.fillRect(page, colourOf(scene.background));
    if (!scene.base.isNull())
        painter.drawImage(page, scene.base);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const VectorScene::Shape& shape : scene.shapes)
        std::visit(ShapePainter { painter }, shape);
    painter.restore();
}

} // namespace zimo
