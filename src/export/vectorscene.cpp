#include "vectorscene.h"

#include "export/fillmask.h"
#include "export/recording.h"
#include "platform/pagedashes.h"
#include "platform/rasterpage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>

namespace zimo
{

namespace
{

constexpr int W = RasterPage::Width;
constexpr int H = RasterPage::Height;

// The page's painter places a thin line by its coordinates in 64ths of a pixel, cut
// towards zero, and lights the pixel whose square such a point falls in. Half a 64th
// further the point lies inside that square rather than on its edge, so a renderer that
// lights the pixels whose centres the line covers picks the same ones.
double onThinGrid(double v) { return std::trunc(v * 64) / 64 + 1.0 / 128; }

class SceneBuilder
{
public:
    SceneBuilder(const Recording& recording, VectorScene& scene)
        : m_recording(recording)
        , m_scene(scene)
    {
    }

    void segment(const Recording::Segment& s)
    {
        flushRegion();
        double x1 = s.x1, y1 = s.y1, x2 = s.x2, y2 = s.y2;
        const bool dot = x1 == x2 && y1 == y2;
        if (!RasterPage::cutToReach(x1, y1, x2, y2, s.width))
            return;
        if (s.width > 1) {
            // A wide pen draws nothing for a segment of no length.
            if (!dot)
                line(s.colour, s.width, QPointF(x1, y1), QPointF(x2, y2));
        } else if (dot) {
            this->dot(s.colour, x1, y1);
        } else if (s.style >= 1 && s.style <= 4) {
            dashes(s.colour, thinDashes(x1, y1, x2, y2, s.style, W, H));
        } else {
            line(s.colour, 1, QPointF(onThinGrid(x1), onThinGrid(y1)),
                QPointF(onThinGrid(x2), onThinGrid(y2)));
        }
    }

    // Layers of one colour and pen make one region; a fill's end also shows its edge.
    void fillLayer(const Recording& recording, const Recording::FillLayer& layer)
    {
        if (!m_layers.empty()
            && (layer.colour != m_layers.back()->colour
                || layer.penWidth != m_layers.back()->penWidth))
            flushRegion();
        m_layers.push_back(&layer);
        if (layer.endsFill) {
            flushRegion();
            edge(recording.edgeOf(layer));
        }
    }

    void flushRegion()
    {
        if (m_layers.empty())
            return;
        QRect reach;
        for (const Recording::FillLayer* layer : m_layers)
            reach |= FillMask::reachOf(m_recording.pointsOf(*layer), layer->penWidth);
        FillMask mask(reach);
        for (const Recording::FillLayer* layer : m_layers)
            mask.paint(m_recording.pointsOf(*layer), layer->penWidth);
        m_scene.shapes.push_back(
            VectorScene::Region { m_layers.back()->colour, mask.rectangles() });
        m_layers.clear();
    }

private:
    // A segment that starts where the last one of the same pen ended continues its chain.
    void line(Colour colour, int width, QPointF from, QPointF to)
    {
        auto* chain = m_scene.shapes.empty()
            ? nullptr
            : std::get_if<VectorScene::Line>(&m_scene.shapes.back());
        if (chain && chain->colour == colour && chain->width == width
            && chain->points.back() == from) {
            chain->points.push_back(to);
            return;
        }
        m_scene.shapes.push_back(VectorScene::Line { colour, width, { from, to } });
    }

    // The last shape when it is of that kind and colour, else a new one.
    template <class Shape> Shape& shapeOf(Colour colour)
    {
        auto* last = m_scene.shapes.empty() ? nullptr : std::get_if<Shape>(&m_scene.shapes.back());
        if (last && last->colour == colour)
            return *last;
        Shape shape;
        shape.colour = colour;
        m_scene.shapes.push_back(std::move(shape));
        return std::get<Shape>(m_scene.shapes.back());
    }

    void dashes(Colour colour, const std::vector<DashRun>& runs)
    {
        if (runs.empty())
            return;
        auto& shape = shapeOf<VectorScene::Dashes>(colour);
        for (const DashRun& r : runs) {
            shape.runs.emplace_back(
                onThinGrid(r.x1), onThinGrid(r.y1), onThinGrid(r.x2), onThinGrid(r.y2));
        }
    }

    // The page's painter puts a point of no length on the nearest pixel, halves upwards.
    void dot(Colour colour, double x, double y)
    {
        const QPoint pixel(int(std::floor(x + 0.5)), int(std::floor(y + 0.5)));
        if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= W || pixel.y() >= H)
            return;
        shapeOf<VectorScene::Dots>(colour).pixels.push_back(pixel);
    }

    // The pixels around a fill in their colours, runs of a colour in a row as one rectangle.
    void edge(std::span<const Recording::EdgePixel> pixels)
    {
        std::vector<Recording::EdgePixel> sorted(pixels.begin(), pixels.end());
        std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return std::tie(a.colour, a.y, a.x) < std::tie(b.colour, b.y, b.x);
        });
        for (std::size_t i = 0; i < sorted.size();) {
            VectorScene::Region region { sorted[i].colour, {}, true };
            while (i < sorted.size() && sorted[i].colour == region.colour) {
                std::size_t j = i + 1;
                while (j < sorted.size() && sorted[j].colour == region.colour
                    && sorted[j].y == sorted[i].y && sorted[j].x == sorted[j - 1].x + 1)
                    ++j;
                region.rects.emplace_back(sorted[i].x, sorted[i].y, int(j - i), 1);
                i = j;
            }
            m_scene.shapes.push_back(std::move(region));
        }
    }

    const Recording& m_recording;
    VectorScene& m_scene;
    std::vector<const Recording::FillLayer*> m_layers;
};

} // namespace

VectorScene buildScene(const Recording& recording)
{
    VectorScene scene;
    scene.width = W;
    scene.height = H;
    scene.background = recording.background();
    scene.base = recording.base();
    SceneBuilder builder(recording, scene);
    for (const Recording::Item item : recording.items()) {
        if (item.kind == Recording::Kind::Segment)
            builder.segment(recording.segmentOf(item));
        else if (item.kind == Recording::Kind::FillLayer)
            builder.fillLayer(recording, recording.fillLayerOf(item));
    }
    builder.flushRegion();
    return scene;
}

} // namespace zimo
