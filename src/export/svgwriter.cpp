#include "svgwriter.h"

#include "export/vectorscene.h"

#include <QBuffer>

#include <cmath>
#include <cstdio>

namespace zimo
{

namespace
{

// A number with at most four decimals and no trailing zeros.
void number(QByteArray& out, double v)
{
    char text[32];
    const double rounded = std::round(v * 10000) / 10000;
    int n = std::snprintf(text, sizeof text, "%.4f", rounded == 0 ? 0.0 : rounded);
    while (n > 0 && text[n - 1] == '0')
        --n;
    if (n > 0 && text[n - 1] == '.')
        --n;
    out.append(text, n);
}

void point(QByteArray& out, QPointF p)
{
    number(out, p.x());
    out.append(',');
    number(out, p.y());
}

QByteArray colourText(Colour c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return QByteArray(text, 7);
}

void writeBase(QByteArray& out, const VectorScene& scene)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (scene.base.isNull() || !buffer.open(QIODevice::WriteOnly)
        || !scene.base.save(&buffer, "PNG"))
        return;
    out += "<image x=\"0\" y=\"0\" width=\"" + QByteArray::number(scene.width) + "\" height=\""
        + QByteArray::number(scene.height)
        + "\" image-rendering=\"optimizeSpeed\" style=\"image-rendering:pixelated\" "
          "xlink:href=\"data:image/png;base64,"
        + png.toBase64() + "\"/>\n";
}

void writeShape(QByteArray& out, const VectorScene::Line& line)
{
    out += "<polyline fill=\"none\" stroke=\"" + colourText(line.colour) + "\" stroke-width=\""
        + QByteArray::number(line.width) + "\" stroke-linecap=\""
        + (line.width > 1 ? "round" : "square") + "\" stroke-linejoin=\"round\" points=\"";
    for (std::size_t i = 0; i < line.points.size(); ++i) {
        if (i > 0)
            out += ' ';
        point(out, line.points[i]);
    }
    out += "\"/>\n";
}

void writeShape(QByteArray& out, const VectorScene::Dashes& dashes)
{
    out += "<path fill=\"none\" stroke=\"" + colourText(dashes.colour)
        + "\" stroke-width=\"1\" d=\"";
    for (const QLineF& run : dashes.runs) {
        out += 'M';
        point(out, run.p1());
        out += 'L';
        point(out, run.p2());
    }
    out += "\"/>\n";
}

void writeShape(QByteArray& out, const VectorScene::Dots& dots)
{
    out += "<path fill=\"" + colourText(dots.colour) + "\" d=\"";
    for (const QPoint& p : dots.pixels)
        out += 'M' + QByteArray::number(p.x()) + ',' + QByteArray::number(p.y()) + "h1v1h-1z";
    out += "\"/>\n";
}

void writeShape(QByteArray& out, const VectorScene::Region& region)
{
    out += "<path fill=\"" + colourText(region.colour) + "\" d=\"";
    for (const QRect& r : region.rects) {
        out += 'M' + QByteArray::number(r.x()) + ',' + QByteArray::number(r.y()) + 'h'
            + QByteArray::number(r.width()) + 'v' + QByteArray::number(r.height()) + 'h'
            + QByteArray::number(-r.width()) + 'z';
    }
    out += "\"/>\n";
}

} // namespace

QByteArray svgDocument(const VectorScene& scene)
{
    const QByteArray w = QByteArray::number(scene.width);
    const QByteArray h = QByteArray::number(scene.height);
    QByteArray out;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" width=\""
        + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h
        + "\" shape-rendering=\"crispEdges\">\n";
    out += "<title>Zimo</title>\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\""
        + colourText(scene.background) + "\"/>\n";
    writeBase(out, scene);
    for (const VectorScene::Shape& shape : scene.shapes)
        std::visit([&](const auto& s) { writeShape(out, s); }, shape);
    out += "</svg>\n";
    return out;
}

} // namespace zimo
