#pragma once

#include "platform/colour.h"
#include "turtle/drawingsink.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zimo
{

class RasterPage;

/// What was drawn on the page since it was last erased, in the order drawn and in the steps
/// the learner saw it grow in: enough to draw the page again as vectors or as an animation.
///
/// A sink of the drawing model: attach it to a machine's drawing and it keeps every segment
/// (with its colour, width and style), every fill layer's painted pixels and the ends of the
/// steps; when a fill ends, the pixels around what it painted as they were then (what
/// stopped it), so that the fill can be shown exactly next to lines drawn as vectors. Erasing or a
/// new page colour starts it afresh. It begins from the page as it stands; a page that holds more
/// than its colour then (and a recording that outgrows its memory budget) is kept as a picture, the
/// base, that the rest is drawn over. Replaying the base and the items on a page of the recorded
/// colour gives the page pixel for pixel. Not thread-safe: it is read only while nothing draws.
class Recording final : public DrawingSink
{
public:
    /// Memory the items may take before they are kept as a picture instead.
    static constexpr std::size_t DefaultBudget = std::size_t(96) << 20;

    struct Segment {
        float x1, y1, x2, y2;
        Colour colour;
        int width;
        int style;
    };
    struct FillLayer {
        Colour colour;
        int penWidth;
        std::uint32_t first, count;
        /// The last layer of a fill holds its edge.
        bool endsFill = false;
        std::uint32_t edgeFirst = 0, edgeCount = 0;
    };
    /// A pixel that touches a fill on a side without being painted by it, and its colour.
    struct EdgePixel {
        int x, y;
        Colour colour;
    };
    enum class Kind : std::uint8_t { Segment, FillLayer, StepEnd };
    struct Item {
        Kind kind;
        std::uint32_t index;
    };

    explicit Recording(const RasterPage& page, std::size_t budget = DefaultBudget);

    Colour background() const { return m_background; }
    /// The page the items are drawn over when it was more than its colour; else null.
    const QImage& base() const { return m_base; }
    /// Segments and fill layers in drawing order, StepEnd between two steps.
    const std::vector<Item>& items() const { return m_items; }
    const Segment& segmentOf(Item item) const { return m_segments[item.index]; }
    const FillLayer& fillLayerOf(Item item) const { return m_fillLayers[item.index]; }
    std::span<const FillPoint> pointsOf(const FillLayer& layer) const;
    std::span<const EdgePixel> edgeOf(const FillLayer& layer) const;
    /// Draws one segment or fill layer on page as the drawing model drew it.
    void drawItem(Item item, RasterPage& page) const;
    /// Draws the whole recording on page: its colour, the base, every item.
    void drawInto(RasterPage& page) const;
    /// Every colour the recording can have put on the page, the page colour first (not those
    /// of the base).
    std::vector<Colour> colours() const;

    void segment(
        float x1, float y1, float x2, float y2, Colour colour, int width, int style) override;
    void background(Colour colour) override;
    void erased() override;
    void fillLayer(const std::vector<FillPoint>& painted, Colour fill, int penWidth) override;
    void stepEnded() override;
    void filled(double x, double y, Colour border, Colour fill, long long count) override;

private:
    void restartFromPage();
    void clearItems();
    void endStep();
    std::size_t bytesUsed() const;
    void keepWithinBudget();

    const RasterPage& m_page;
    std::size_t m_budget;
    Colour m_background = 0;
    QImage m_base;
    std::vector<Item> m_items;
    std::vector<Segment> m_segments;
    std::vector<FillLayer> m_fillLayers;
    std::vector<FillPoint> m_points;
    std::vector<EdgePixel> m_edges;
    /// The first layer of the fill under way.
    std::size_t m_fillStart = 0;
};

} // namespace zimo
