// The SVG file drawn by an ordinary renderer at the page's size shows the page.

#include "exportdesk.h"

#include "export/exportfiles.h"
#include "export/vectorscene.h"

#include <QFile>

#include <iostream>

using namespace zimo;
using namespace zimo::test;

namespace
{

struct Case {
    const char* name;
    QStringList lines;
};

const Case Cases[] = {
    { "styles",
        lines({ "linijas krasa 10", "linijas stils 2", "koordinatas 20,20", "pa labi 700",
            "lenkis 17", "uz prieksu 300", "linijas stils 3", "koordinatas 20,60", "pa labi 701",
            "lenkis 200", "uz prieksu 250", "linijas stils 4", "koordinatas 33,100", "uz leju 400",
            "lenkis 73", "uz prieksu 300", "linijas stils 5", "koordinatas 400,500", "lenkis 135",
            "uz prieksu 350", "linijas stils 6", "uz prieksu 100", "linijas stils 1", "lenkis 91",
            "uz prieksu 200", "uz prieksu 0", "linijas stils 2", "koordinatas 780,10", "lenkis 10",
            "uz prieksu 100" }) },
    { "widths",
        lines({ "biezums 3", "linijas krasa 26", "koordinatas 50,300", "lenkis 10",
            "uz prieksu 300", "biezums 7", "linijas stils 2", "lenkis 100", "uz prieksu 150",
            "biezums 12", "linijas krasa 33", "uz prieksu 0", "lenkis 200", "uz prieksu 200",
            "biezums 2", "pa kreisi 120", "biezums 1", "pa kreisi 0", "koordinatas 5,600",
            "biezums 20", "uz augsu 590" }) },
    { "figures",
        lines({ "atrums 0", "linijas krasa 8", "koordinatas 150,150", "zieds 5,80,80",
            "linijas krasa 25", "koordinatas 400,150", "zvaigzne 2,200,200", "koordinatas 650,150",
            "daudzsturis 6,90,60", "linijas krasa 33", "koordinatas 150,450", "stari 24,100,80",
            "koordinatas 300,450", "sinusoida 300,40,8", "biezums 2", "koordinatas 600,450",
            "spirale 3,20" }) },
    { "fills",
        lines({ "fona krasa 23", "koordinatas 100,100", "daudzsturis 5,80,80",
            "krasot 100,100,1,10", "koordinatas 300,100", "zieds 6,70,70", "krasot 330,100,1,26",
            "biezums 3", "koordinatas 500,300", "zvaigzne 1,200,200", "krasot 500,300,1,16",
            "biezums 1", "linijas stils 3", "koordinatas 650,500", "daudzsturis 4,60,60",
            "krasot 650,500,1,33", "linijas stils 1", "linijas krasa 1", "koordinatas 200,500",
            "pa labi 100" }) },
    { "erased",
        lines({ "koordinatas 100,100", "pa labi 300", "notirit lapu", "fona krasa 12",
            "koordinatas 100,200", "daudzsturis 8,60,60", "krasot 100,200,1,20", "uz leju 200" }) },
};

// Saves the recording as SVG, draws it with the system's renderer and compares.
Apart svgAgainstPage(Desk& desk)
{
    const QString svg = desk.path("drawing.svg");
    const QString png = desk.path("drawing.png");
    EXPECT_EQ(saveSvg(buildScene(*desk.recording), svg), QString());
    QString said;
    EXPECT_TRUE(runTool(QStringLiteral("rsvg-convert"),
        { QStringLiteral("-w"), QStringLiteral("789"), QStringLiteral("-h"), QStringLiteral("613"),
            svg, QStringLiteral("-o"), png },
        &said))
        << "rsvg-convert (Debian librsvg2-bin, scripts/setup.sh installs it): "
        << said.toStdString();
    const QImage drawn = QImage(png).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(drawn.size(), QSize(789, 613));
    return drawn.size() == QSize(789, 613) ? pixelsApart(desk.pageImage(), drawn)
                                           : Apart { -1, -1 };
}

class SvgMatchesThePage : public testing::TestWithParam<Case>
{
};

TEST_P(SvgMatchesThePage, WithinOnePixel)
{
    Desk desk;
    ASSERT_EQ(desk.run(GetParam().lines).end, RunOutcome::End::Finished);
    const Apart apart = svgAgainstPage(desk);
    std::cout << "[ svg " << GetParam().name << " ] " << apart.differing << " pixels differ, "
              << apart.unexplained << " beyond one pixel\n";
    // A line drawn as a vector may close a one-pixel gap the page left between lines.
    EXPECT_LE(apart.unexplained, 10);
    EXPECT_LT(apart.differing, 2500);
}

INSTANTIATE_TEST_SUITE_P(Drawings, SvgMatchesThePage, testing::ValuesIn(Cases),
    [](const testing::TestParamInfo<Case>& drawing) { return std::string(drawing.param.name); });

TEST(Svg, APageDrawnBeforeTheRecordingAndAnOverflowingOneShowAsAPicture)
{
    Desk desk;
    desk.machine->drawing.sink = nullptr;
    desk.run(lines({ "fona krasa 30", "koordinatas 200,200", "zieds 4,100,100" }));
    desk.recording = std::make_unique<Recording>(*desk.page, 4096);
    desk.machine->drawing.sink = desk.recording.get();
    ASSERT_FALSE(desk.recording->base().isNull()) << "the page held a drawing already";
    desk.run(lines({ "koordinatas 500,300", "linijas krasa 10", "spirale 2,30", "linijas stils 2",
        "pa labi 100" }));
    EXPECT_FALSE(desk.recording->items().empty());
    EXPECT_LT(desk.recording->items().size(), 4096u) << "the budget keeps it small";
    const QByteArray svg = [&] {
        saveSvg(buildScene(*desk.recording), desk.path("a.svg"));
        QFile f(desk.path("a.svg"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    EXPECT_TRUE(svg.contains("data:image/png;base64,"));
    const Apart apart = svgAgainstPage(desk);
    EXPECT_EQ(apart.unexplained, 0);
    EXPECT_LT(apart.differing, 200);
}

} // namespace
