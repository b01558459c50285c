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

constexpr std::uint64_t bitOfIndex(std::uint8_t index)
{
    return index == 0 ? 0 : std::uint64_t(1) << (index - 1);
}

QImage rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

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

PictureCheck::PictureCheck(const QImage& target)
    : m_width(target.width())
    , m_height(target.height())
{
    index(rgb32(target), m_target);
    widen(m_target, m_nearTarget);
}

// Gives every colour met an index of its own; white has none.
std::uint8_t PictureCheck::indexOf(std::uint32_t rgb)
{
    if (rgb == White)
        return 0;
    auto at = std::find(m_colours.begin(), m_colours.end(), rgb);
    if (at == m_colours.end() && m_colours.size() < MaxColours)
        at = m_colours.insert(m_colours.end(), rgb);
    return std::uint8_t(std::min<std::ptrdiff_t>(at - m_colours.begin(), MaxColours - 1) + 1);
}

void PictureCheck::index(const QImage& image, std::vector<std::uint8_t>& indexes)
{
    indexes.resize(size_t(m_width) * size_t(m_height));
    // Runs of one colour are the rule on a page: the last colour is looked up once.
    std::uint32_t last = White;
    std::uint8_t lastIndex = 0;
    for (int y = 0; y < m_height; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::uint8_t* out = indexes.data() + std::ptrdiff_t(y) * m_width;
        for (int x = 0; x < m_width; ++x) {
            const std::uint32_t rgb = line[x] & RgbMask;
            if (rgb != last) {
                last = rgb;
                lastIndex = indexOf(rgb);
            }
            out[x] = lastIndex;
        }
    }
}

// Every pixel gets the colours found within the tolerance along x and y: a pass along the
// rows, then one down the columns.
void PictureCheck::widen(const std::vector<std::uint8_t>& indexes, std::vector<std::uint64_t>& near)
{
    const int w = m_width, h = m_height, r = PictureTolerance;
    m_rows.resize(indexes.size());
    near.resize(indexes.size());
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = indexes.data() + std::ptrdiff_t(y) * w;
        std::uint64_t* out = m_rows.data() + std::ptrdiff_t(y) * w;
        for (int x = 0; x < w; ++x) {
            std::uint64_t colours = 0;
            for (int k = std::max(0, x - r); k <= std::min(w - 1, x + r); ++k)
                colours |= bitOfIndex(in[k]);
            out[x] = colours;
        }
    }
    for (int y = 0; y < h; ++y) {
        std::uint64_t* out = near.data() + std::ptrdiff_t(y) * w;
        const int from = std::max(0, y - r), to = std::min(h - 1, y + r);
        std::copy_n(m_rows.data() + std::ptrdiff_t(from) * w, w, out);
        for (int k = from + 1; k <= to; ++k) {
            const std::uint64_t* in = m_rows.data() + std::ptrdiff_t(k) * w;
            for (int x = 0; x < w; ++x)
                out[x] |= in[x];
        }
    }
}

PictureDifference PictureCheck::compare(const QImage& learner)
{
    PictureDifference d;
    d.width = m_width;
    d.height = m_height;
    if (learner.size() != QSize(m_width, m_height))
        return d;
    index(rgb32(learner), m_learner);
    widen(m_learner, m_nearLearner);
    tally(d);
    return d;
}

void PictureCheck::tally(PictureDifference& d) const
{
    d.marks.assign(m_target.size(), PictureDifference::Same);
    std::array<std::int64_t, MaxColours + 1> missingOf {};
    for (size_t p = 0; p < m_target.size(); ++p) {
        if (const std::uint8_t colour = m_target[p]) {
            ++d.targetInk;
            if (!(bitOfIndex(colour) & m_nearLearner[p])) {
                ++d.missing;
                ++missingOf[colour];
                d.missingUnderOtherColour += m_nearLearner[p] != 0;
                d.marks[p] |= PictureDifference::Missing;
            }
        }
        if (const std::uint8_t colour = m_learner[p]) {
            ++d.learnerInk;
            if (!(bitOfIndex(colour) & m_nearTarget[p])) {
                ++d.extra;
                d.marks[p] |= PictureDifference::Extra;
            }
        }
    }
    if (d.missing > 0) {
        const auto most = std::max_element(missingOf.begin(), missingOf.end());
        d.mostMissing = fromPixel(m_colours[size_t(most - missingOf.begin()) - 1]);
    }
}

PictureDifference comparePictures(const QImage& target, const QImage& learner)
{
    return PictureCheck(target).compare(learner);
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
