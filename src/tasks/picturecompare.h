#pragma once

#include "platform/colour.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace zimo
{

/// How far ink may lie from ink of the same colour in the other picture and still count as
/// the same stroke: this many pixels along x and along y. It covers where two ways of
/// drawing the same line put their pixels and a pen a little thicker or thinner, and stays
/// well under what a side a fifth too short or turned 10 degrees moves.
constexpr int PictureTolerance = 3;

/// Where a learner's picture and a target picture differ. Ink is every pixel that is not
/// white: lines, figures, filled areas and a coloured page.
struct PictureDifference {
    enum Mark : std::uint8_t { Same = 0, Missing = 1, Extra = 2 };

    int width = 0;
    int height = 0;
    /// Pixels of target ink, and those with no learner ink of their colour near them.
    std::int64_t targetInk = 0;
    std::int64_t missing = 0;
    /// Missing pixels that have learner ink of another colour near them.
    std::int64_t missingUnderOtherColour = 0;
    /// Pixels of learner ink, and those with no target ink of their colour near them.
    std::int64_t learnerInk = 0;
    std::int64_t extra = 0;
    /// The target colour with the most missing pixels.
    Colour mostMissing = 0;
    /// One mark per pixel, row by row.
    std::vector<std::uint8_t> marks;

    bool same() const { return missing == 0 && extra == 0; }
    /// The share of the target's ink that the learner drew, 0..1 (1 for a target without ink).
    double drawnShare() const;
    /// The share of the learner's ink that the target does not have, 0..1.
    double extraShare() const;
    /// The shares in whole percent that never round a difference away: drawn stays under
    /// 100 while anything is missing, extra above 0 while anything is extra.
    int drawnPercent() const;
    int extraPercent() const;
    /// Most of what is missing is there in another colour.
    bool wrongColour() const;
};

/// Compares learners' pictures with one target picture (RGB32, the page's size), pixel by
/// pixel within PictureTolerance.
///
/// Works on colour masks: each pixel's colour as a bit, widened to the colours found within
/// the tolerance by a pass along the rows and one down the columns. The target's are made
/// once; the working memory is kept between comparisons, so a window's runs and a class's
/// programs cost one pass each over the learner's picture.
class PictureCheck
{
public:
    explicit PictureCheck(const QImage& target);
    PictureDifference compare(const QImage& learner);
    QSize size() const { return { m_width, m_height }; }

private:
    /// The page holds the 36 colours of the colour table and white; should more than 64
    /// colours appear, the last bit is shared.
    static constexpr int MaxColours = 64;

    std::uint8_t indexOf(std::uint32_t rgb);
    void index(const QImage& image, std::vector<std::uint8_t>& indexes);
    void widen(const std::vector<std::uint8_t>& indexes, std::vector<std::uint64_t>& near);
    /// Counts and marks the differences of the learner's picture just indexed.
    void tally(PictureDifference& d) const;

    int m_width;
    int m_height;
    /// Colour index per pixel: 0 for white, i for the colour of bit i - 1.
    std::vector<std::uint32_t> m_colours;
    std::vector<std::uint8_t> m_target;
    std::vector<std::uint64_t> m_nearTarget;
    std::vector<std::uint8_t> m_learner;
    std::vector<std::uint64_t> m_nearLearner;
    std::vector<std::uint64_t> m_rows;
};

/// One comparison without keeping anything: PictureCheck(target).compare(learner).
PictureDifference comparePictures(const QImage& target, const QImage& learner);

/// The picture's ink: its pixels that are not white.
std::int64_t inkPixels(const QImage& picture);

/// The difference as a transparent layer of the pictures' size: missing parts in blue,
/// extra ink in red, each widened a little so that a thin line shows.
QImage differenceLayer(const PictureDifference& difference);

} // namespace zimo
