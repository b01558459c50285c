#include "picturecompare.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace zimo
{

namespace
{

constexpr std::uint32_t RgbMask = 0xFFFFFF;
constexpr std::uint32_t White = 0xFFFFFF;
constexpr int MaxColours = 64;

// Gives every colour met a bit of its own, so that a pixel's colour and the colours near
// it fit in one 64-bit mask. White has none. The page only ever holds the 36 colours of
// the colour table and white; should more appear, the last bit is shared.
class ColourBits
{
public:
    std::uint64_t bitOf(std::uint32_t rgb)
    {
        if (rgb == m_lastColour)
            return m_lastBit;
        if (rgb == White)
            return 0;
        auto at = std::find(m_colours.begin(), m_colours.end(), rgb);
        if (at == m_colours.end() && m_colours.size() < MaxColours)
            at = m_colours.insert(m_colours.end(), rgb);
        const auto index = std::min<std::ptrdiff_t>(at - m_colours.begin(), MaxColours - 1);
        m_lastColour = rgb;
        m_lastBit = std::uint64_t(1) << index;
        return m_lastBit;
    }
    Colour colourOf(int index) const { return fromPixel(m_colours[size_t(index)]); }

private:
    std::vector<std::uint32_t> m_colours;
    std::uint32_t m_lastColour = White;
    std::uint64_t m_lastBit = 0;
};

using Masks = std::vector<std::uint64_t>;

Masks colourMasks(const QImage& image, ColourBits& bits)
{
    const int w = image.width(), h = image.height();
    Masks masks(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::uint64_t* out = masks.data() + std::ptrdiff_t(y) * w;
        for (int x = 0; x < w; ++x)
            out[x] = bits.bitOf(line[x] & RgbMask);
    }
    return masks;
}

// Every pixel gets the colours found within r pixels along x and y: a pass along the rows,
// then one down the columns.
Masks widened(const Masks& masks, int w, int h, int r)
{
    Masks rows(masks.size());
    for (int y = 0; y < h; ++y) {
        const std::uint64_t* in = masks.data() + std::ptrdiff_t(y) * w;
        std::uint64_t* out = rows.data() + std::ptrdiff_t(y) * w;
        for (int x = 0; x < w; ++x) {
            std::uint64_t near = 0;
            for (int k = std::max(0, x - r); k <= std::min(w - 1, x + r); ++k)
                near |= in[k];
            out[x] = near;
        }
    }
    Masks result(masks.size(), 0);
    for (int y = 0; y < h; ++y) {
        std::uint64_t* out = result.data() + std::ptrdiff_t(y) * w;
        for (int k = std::max(0, y - r); k <= std::min(h - 1, y + r); ++k) {
            const std::uint64_t* in = rows.data() + std::ptrdiff_t(k) * w;
            for (int x = 0; x < w; ++x)
                out[x] |= in[x];
        }
    }
    return result;
}

// Paints every pixel with the mark, and its neighbours, so that a thin line shows.
void paintMarks(QImage& layer, const PictureDifference& d, std::uint8_t mark, QRgb colour)
{
    const QRgb premultiplied = qPremultiply(colour);
    for (int y = 0; y < d.height; ++y) {
        const std::uint8_t* marks = d.marks.data() + std::ptrdiff_t(y) * d.width;
        for (int x = 0; x < d.width; ++x) {
            if (!(marks[x] & mark))
                continue;
            for (int yy = std::max(0, y - 1); yy <= std::min(d.height - 1, y + 1); ++yy) {
                auto* line = reinterpret_cast<QRgb*>(layer.scanLine(yy));
                for (int xx = std::max(0, x - 1); xx <= std::min(d.width - 1, x + 1); ++xx)
                    line[xx] = premultiplied;
            }
        }
    }
}

} // namespace

double PictureDifference::drawnShare() const
{
    return targetInk == 0 ? 1.0 : double(targetInk - missing) / double(targetInk);
}

double PictureDifference::extraShare() const
{
    return learnerInk == 0 ? 0.0 : double(extra) / double(learnerInk);
}

int PictureDifference::drawnPercent() const
{
    const int percent = int(std::floor(drawnShare() * 100));
    return missing > 0 ? std::min(99, percent) : percent;
}

int PictureDifference::extraPercent() const
{
    const int percent = int(std::lround(extraShare() * 100));
    return extra > 0 ? std::max(1, percent) : percent;
}

bool PictureDifference::wrongColour() const
{
    return missing > 0 && missingUnderOtherColour * 2 > missing;
}

PictureDifference comparePictures(const QImage& target, const QImage& learner)
{
    const QImage t = target.convertToFormat(QImage::Format_RGB32);
    const QImage l = learner.convertToFormat(QImage::Format_RGB32);
    PictureDifference d;
    d.width = t.width();
    d.height = t.height();
    if (l.size() != t.size())
        return d;
    ColourBits bits;
    const Masks targetMasks = colourMasks(t, bits);
    const Masks learnerMasks = colourMasks(l, bits);
    const Masks nearTarget = widened(targetMasks, d.width, d.height, PictureTolerance);
    const Masks nearLearner = widened(learnerMasks, d.width, d.height, PictureTolerance);
    d.marks.assign(targetMasks.size(), PictureDifference::Same);
    std::array<std::int64_t, MaxColours> missingOf {};
    for (size_t p = 0; p < targetMasks.size(); ++p) {
        if (const std::uint64_t colour = targetMasks[p]) {
            ++d.targetInk;
            if (!(colour & nearLearner[p])) {
                ++d.missing;
                ++missingOf[size_t(std::countr_zero(colour))];
                d.missingUnderOtherColour += nearLearner[p] != 0;
                d.marks[p] |= PictureDifference::Missing;
            }
        }
        if (const std::uint64_t colour = learnerMasks[p]) {
            ++d.learnerInk;
            if (!(colour & nearTarget[p])) {
                ++d.extra;
                d.marks[p] |= PictureDifference::Extra;
            }
        }
    }
    if (d.missing > 0) {
        const auto most = std::max_element(missingOf.begin(), missingOf.end());
        d.mostMissing = bits.colourOf(int(most - missingOf.begin()));
    }
    return d;
}

std::int64_t inkPixels(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::int64_t ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        ink += std::count_if(line, line + image.width(),
            [](std::uint32_t pixel) { return (pixel & RgbMask) != White; });
    }
    return ink;
}

QImage differenceLayer(const PictureDifference& difference)
{
    QImage layer(difference.width, difference.height, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    // Extra ink is painted last, over missing parts next to it.
    paintMarks(layer, difference, PictureDifference::Missing, qRgba(0, 90, 255, 210));
    paintMarks(layer, difference, PictureDifference::Extra, qRgba(230, 0, 0, 210));
    return layer;
}

} // namespace zimo
