// The animation, read back with the GIF library: its frames, their times, the loop, and
// the finished page in its last frame.

#include "exportdesk.h"

#include "export/animation.h"
#include "export/exportfiles.h"

#include <QFile>

#include <gif_lib.h>

#include <numeric>

using namespace zimo;
using namespace zimo::test;

namespace
{

struct ReadBack {
    int frames = 0;
    std::vector<int> delays;
    bool loops = false;
    QImage last;
};

// Lays every frame over the ones before it, as a viewer shows them.
void compose(const SavedImage& frame, const ColorMapObject* map, int transparent, QImage& page)
{
    const GifImageDesc& d = frame.ImageDesc;
    for (int y = 0; y < d.Height; ++y) {
        for (int x = 0; x < d.Width; ++x) {
            const int index = frame.RasterBits[y * d.Width + x];
            if (index == transparent)
                continue;
            const GifColorType c = map->Colors[index];
            page.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
        }
    }
}

ReadBack readGif(const QString& path)
{
    ReadBack back;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif || DGifSlurp(gif) != GIF_OK)
        return back;
    back.last = QImage(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    back.frames = gif->ImageCount;
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control {};
        DGifSavedExtensionToGCB(gif, i, &control);
        back.delays.push_back(control.DelayTime);
        const ColorMapObject* map = gif->SavedImages[i].ImageDesc.ColorMap
            ? gif->SavedImages[i].ImageDesc.ColorMap
            : gif->SColorMap;
        compose(gif->SavedImages[i], map, control.TransparentColor, back.last);
        for (int e = 0; e < gif->SavedImages[i].ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = gif->SavedImages[i].ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11
                && std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0)
                back.loops = true;
        }
    }
    DGifCloseFile(gif, &error);
    return back;
}

int total(const std::vector<int>& delays)
{
    return std::accumulate(delays.begin(), delays.end(), 0);
}

TEST(Animation, HasAFrameForEachStepAndHoldsTheFinishedPage)
{
    Desk desk;
    desk.run({ QStringLiteral("uz prieksu 50"), QStringLiteral("lenkis 90"),
        QStringLiteral("uz prieksu 50"), QStringLiteral("daudzsturis 4,30,30"),
        QStringLiteral("koordinatas 300,300"), QStringLiteral("daudzsturis 4,10,10"),
        QStringLiteral("krasot 300,300,1,10") });
    const QString path = desk.path("a.gif");
    ASSERT_EQ(saveAnimation(*desk.recording, path), QString());
    const ReadBack back = readGif(path);
    // The blank page, two lines, two squares of five steps and the fill's layers; the
    // squares' first steps draw lines of no length, which change no pixel.
    EXPECT_GT(back.frames, 1 + 2 + 4 + 4 + 5);
    EXPECT_TRUE(back.loops);
    ASSERT_FALSE(back.delays.empty());
    EXPECT_EQ(back.delays.back(), AnimationTiming::HoldDelay);
    for (std::size_t i = 0; i + 1 < back.delays.size(); ++i)
        EXPECT_EQ(back.delays[i], AnimationTiming::StepDelay);
    EXPECT_EQ(back.last, desk.pageImage());
}

TEST(Animation, ManyStepsShareFramesAndLastAtMostTwentySeconds)
{
    Desk desk;
    desk.run({ QStringLiteral("fona krasa 24"), QStringLiteral("linijas krasa 33"),
        QStringLiteral("spirale 10,10"), QStringLiteral("krasot 50,50,33,16") });
    const QString path = desk.path("b.gif");
    ASSERT_EQ(saveAnimation(*desk.recording, path), QString());
    const ReadBack back = readGif(path);
    EXPECT_GT(back.frames, 500);
    EXPECT_LE(total(back.delays), AnimationTiming::LongestAnimation);
    EXPECT_GE(total(back.delays), 1800) << "the time is used, not wasted";
    EXPECT_EQ(back.delays.back(), AnimationTiming::HoldDelay);
    EXPECT_EQ(back.last, desk.pageImage());
}

TEST(Animation, ANothingDrawnPageIsOneHeldFrame)
{
    Desk desk;
    desk.run({ QStringLiteral("fona krasa 10") });
    const QString path = desk.path("c.gif");
    ASSERT_EQ(saveAnimation(*desk.recording, path), QString());
    const ReadBack back = readGif(path);
    EXPECT_EQ(back.frames, 1);
    EXPECT_EQ(back.delays, std::vector<int> { AnimationTiming::HoldDelay });
    EXPECT_EQ(back.last, desk.pageImage());
}

TEST(Animation, TimingFitsEveryNumberOfSteps)
{
    for (std::size_t steps : { 0, 1, 170, 171, 850, 851, 3142, 100000, 10000000 }) {
        const AnimationTiming t = AnimationTiming::forSteps(steps);
        const std::size_t frames = (steps + t.stepsPerFrame - 1) / t.stepsPerFrame;
        EXPECT_GE(t.delay, AnimationTiming::ShortestDelay) << steps;
        EXPECT_LE(t.delay, AnimationTiming::StepDelay) << steps;
        EXPECT_LE(frames * std::size_t(t.delay) + AnimationTiming::HoldDelay,
            std::size_t(AnimationTiming::LongestAnimation))
            << steps;
    }
    EXPECT_EQ(AnimationTiming::forSteps(100).delay, AnimationTiming::StepDelay);
    EXPECT_EQ(AnimationTiming::forSteps(100).stepsPerFrame, 1u);
}

} // namespace
