// The recording of the drawing: what it keeps, in which steps, and that replaying it gives
// the page back.

#include "exportdesk.h"

#include "run/trace.h"

using namespace zimo;
using namespace zimo::test;

namespace
{

int count(const Recording& r, Recording::Kind kind)
{
    int n = 0;
    for (const Recording::Item item : r.items())
        n += item.kind == kind;
    return n;
}

// Draws the recording on a fresh page.
QImage replayed(const Recording& recording)
{
    auto page = std::make_unique<RasterPage>();
    recording.drawInto(*page);
    QImage image;
    page->copyTo(image);
    return image;
}

TEST(Recording, KeepsEachLineStepFigureStepAndFillLayerAsAStep)
{
    Desk desk;
    desk.run(lines({ "uz prieksu 50", "lenkis 90", "uz prieksu 50", "linijas stils 6",
        "uz prieksu 20", "linijas stils 1", "daudzsturis 4,30,30" }));
    const Recording& r = *desk.recording;
    EXPECT_EQ(count(r, Recording::Kind::Segment), 2 + 5) << "the invisible line is left out";
    // The line with "lenkis 90" draws nothing and makes no step of its own.
    EXPECT_EQ(count(r, Recording::Kind::StepEnd), 2 + 5);
    EXPECT_EQ(r.background(), rgb(255, 255, 255));
    EXPECT_TRUE(r.base().isNull());

    desk.run(lines({ "koordinatas 300,300", "daudzsturis 4,30,30", "krasot 300,300,1,10" }));
    const int layers = count(r, Recording::Kind::FillLayer);
    EXPECT_GT(layers, 20);
    EXPECT_EQ(r.segmentOf(r.items().front()).colour, rgb(0, 0, 0))
        << "a run that does not erase adds to what is there";
    EXPECT_EQ(
        r.colours(), (std::vector<Colour> { rgb(255, 255, 255), rgb(0, 0, 0), rgb(255, 0, 0) }));
}

TEST(Recording, StartsAfreshWhenThePageIsErasedOrGetsAColour)
{
    Desk desk;
    desk.run(lines({ "uz prieksu 50", "notirit lapu", "pa labi 10" }));
    EXPECT_EQ(count(*desk.recording, Recording::Kind::Segment), 1);
    desk.run(lines({ "uz prieksu 50", "fona krasa 22", "pa labi 10", "pa labi 10" }));
    EXPECT_EQ(count(*desk.recording, Recording::Kind::Segment), 2);
    EXPECT_EQ(desk.recording->background(), rgb(255, 255, 0));
}

TEST(Recording, ReplayedItGivesThePagePixelForPixel)
{
    Desk desk;
    desk.run(lines({ "fona krasa 17", "atrums 0", "koordinatas 200,200", "biezums 3",
        "zieds 7,90,90", "krasot 200,200,1,29", "biezums 1", "linijas stils 4",
        "koordinatas 500,400", "spirale 4,25", "linijas stils 1", "koordinatas 600,100",
        "daudzsturis 3,60,60", "biezums 5", "krasot 600,100,1,35", "uz prieksu 0" }));
    EXPECT_EQ(replayed(*desk.recording), desk.pageImage());

    // Outgrowing its budget, it keeps the page as it stood and goes on from there.
    auto small = std::make_unique<Recording>(*desk.page, 2000);
    desk.machine->drawing.sink = small.get();
    desk.run(lines({ "koordinatas 100,500", "spirale 5,15", "krasot 50,50,1,24" }));
    EXPECT_FALSE(small->base().isNull());
    EXPECT_EQ(replayed(*small), desk.pageImage());
}

TEST(Recording, ARunTracesTheSameWithARecordingListening)
{
    const QStringList program = lines({ "zieds 3,40,40", "krasot 394,306,1,10", "pa labi 30" });
    std::string traced[2];
    for (int withRecording = 0; withRecording < 2; ++withRecording) {
        Desk desk;
        if (!withRecording)
            desk.machine->drawing.sink = nullptr;
        Trace trace;
        RunOptions options;
        options.trace = &trace;
        zimet_Click(*desk.machine, program.join(QStringLiteral("\r\n")), options);
        traced[withRecording] = trace.text();
        EXPECT_EQ(desk.machine->drawing.sink, withRecording ? desk.recording.get() : nullptr)
            << "the run gives the recording back";
        if (withRecording) {
            EXPECT_GT(count(*desk.recording, Recording::Kind::FillLayer), 10);
        }
    }
    EXPECT_EQ(traced[0], traced[1]);
}

} // namespace
