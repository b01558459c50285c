#include "animation.h"

#include "export/gifwriter.h"
#include "export/recording.h"
#include "platform/rasterpage.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace zimo
{

namespace
{

// The colours of the palette: the recording's, then those of its base picture.
std::vector<Colour> paletteOf(const Recording& recording)
{
    std::vector<Colour> colours = recording.colours();
    const QImage& base = recording.base();
    for (int y = 0; y < base.height() && colours.size() < 255; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(base.constScanLine(y));
        for (int x = 0; x < base.width() && colours.size() < 255; ++x) {
            const Colour c = fromPixel(row[x]);
            if (std::find(colours.begin(), colours.end(), c) == colours.end())
                colours.push_back(c);
        }
    }
    return colours;
}

std::size_t stepsOf(const Recording& recording)
{
    std::size_t steps = 0;
    bool open = false;
    for (const Recording::Item item : recording.items()) {
        const bool boundary = item.kind == Recording::Kind::StepEnd;
        if (!boundary && !open)
            ++steps;
        open = !boundary;
    }
    return steps;
}

// Where on the page an item can have changed pixels.
QRect reachOf(const Recording& recording, Recording::Item item)
{
    if (item.kind == Recording::Kind::Segment) {
        const Recording::Segment& s = recording.segmentOf(item);
        double x1 = s.x1, y1 = s.y1, x2 = s.x2, y2 = s.y2;
        if (!RasterPage::cutToReach(x1, y1, x2, y2, s.width))
            return {};
        const double margin = s.width / 2.0 + 2;
        return QRect(QPoint(int(std::floor(std::min(x1, x2) - margin)),
                         int(std::floor(std::min(y1, y2) - margin))),
            QPoint(int(std::ceil(std::max(x1, x2) + margin)),
                int(std::ceil(std::max(y1, y2) + margin))));
    }
    const Recording::FillLayer& layer = recording.fillLayerOf(item);
    QRect reach;
    const int margin = layer.penWidth / 2 + 1;
    for (const FillPoint& p : recording.pointsOf(layer))
        reach |= QRect(p.x - margin, p.y - margin, 2 * margin + 1, 2 * margin + 1);
    return reach;
}

// The smallest rectangle within reach where the page differs from before.
QRect changedWithin(const RasterPage& page, const QImage& before, QRect reach)
{
    reach &= before.rect();
    int left = INT32_MAX, right = -1, top = -1, bottom = -1;
    for (int y = reach.top(); y <= reach.bottom(); ++y) {
        const std::uint32_t* a = page.row(y);
        const auto* b = reinterpret_cast<const std::uint32_t*>(before.constScanLine(y));
        int x = reach.left();
        while (x <= reach.right() && a[x] == b[x])
            ++x;
        if (x > reach.right())
            continue;
        int last = reach.right();
        while (a[last] == b[last])
            --last;
        left = std::min(left, x);
        right = std::max(right, last);
        if (top < 0)
            top = y;
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Copies rect of the page into to.
void copyRect(const RasterPage& page, QImage& to, QRect rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const std::uint32_t* a = page.row(y);
        auto* b = reinterpret_cast<std::uint32_t*>(to.scanLine(y));
        std::copy(a + rect.left(), a + rect.right() + 1, b + rect.left());
    }
}

} // namespace

AnimationTiming AnimationTiming::forSteps(std::size_t steps)
{
    // Every frame before the last one shares what the hold leaves of the longest time.
    const int room = LongestAnimation - HoldDelay;
    if (steps == 0)
        return { 1, StepDelay };
    if (steps * StepDelay <= std::size_t(room))
        return { 1, StepDelay };
    if (steps * ShortestDelay <= std::size_t(room))
        return { 1, int(std::size_t(room) / steps) };
    const std::size_t frames = std::size_t(room / ShortestDelay);
    return { (steps + frames - 1) / frames, ShortestDelay };
}

bool writeAnimation(const Recording& recording, OutputFile& out)
{
    const std::size_t steps = stepsOf(recording);
    const AnimationTiming timing = AnimationTiming::forSteps(steps);
    const std::size_t frames = (steps + timing.stepsPerFrame - 1) / timing.stepsPerFrame;

    auto page = std::make_unique<RasterPage>();
    page->setBackground(recording.background());
    if (!recording.base().isNull())
        page->restore(recording.base());
    QImage shown;
    page->copyTo(shown);
    GifWriter gif(out, page->width(), page->height(), paletteOf(recording));
    gif.addFrame(
        *page, nullptr, shown.rect(), frames == 0 ? AnimationTiming::HoldDelay : timing.delay);

    std::size_t step = 0;
    std::size_t frame = 0;
    QRect reach;
    bool open = false;
    const auto& items = recording.items();
    for (std::size_t i = 0; i <= items.size(); ++i) {
        const bool end = i == items.size();
        const bool boundary = end || items[i].kind == Recording::Kind::StepEnd;
        if (!boundary) {
            step += open ? 0 : 1;
            open = true;
            recording.drawItem(items[i], *page);
            reach |= reachOf(recording, items[i]);
            continue;
        }
        const bool frameDone = open && (step % timing.stepsPerFrame == 0 || step == steps);
        open = false;
        if (!frameDone)
            continue;
        ++frame;
        const bool last = frame == frames;
        QRect changed = changedWithin(*page, shown, reach);
        reach = QRect();
        // The last frame is there even when it changes nothing, to hold the finished page: one
        // pixel as it stands (a frame of nothing but transparency confuses some viewers).
        const bool hold = changed.isEmpty() && last;
        if (hold)
            changed = QRect(0, 0, 1, 1);
        if (changed.isEmpty())
            continue;
        gif.addFrame(*page, hold ? nullptr : &shown, changed,
            last ? AnimationTiming::HoldDelay : timing.delay);
        copyRect(*page, shown, changed);
    }
    return gif.finish();
}

} // namespace zimo
