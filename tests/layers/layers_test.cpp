// The folders of src/ depend on each other in one direction: the drawing model and the
// platform at the bottom, the window at the top.

#include "includegraph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace zimo::test
{
namespace
{

const IncludeGraph& graph()
{
    static const IncludeGraph g(ZIMO_SOURCE_DIR);
    return g;
}

std::string joined(const std::vector<std::string>& folders)
{
    std::string text;
    for (const std::string& folder : folders)
        text += (text.empty() ? "" : " -> ") + folder;
    return text;
}

// Which file makes the first step of a circle, so that a failure says where to look.
std::string firstStep(const std::vector<std::string>& circle)
{
    const Include& include = graph().edges().at(circle[0]).at(circle[1]);
    return include.file + " includes \"" + include.header + "\"";
}

TEST(Layers, TheFoldersOfTheSourceHaveNoCircle)
{
    ASSERT_FALSE(graph().edges().empty()) << "no include was read from " << ZIMO_SOURCE_DIR;
    const std::vector<std::string> circle = graph().findCircle();
    EXPECT_TRUE(circle.empty()) << joined(circle) << " (" << firstStep(circle) << ")";
}

TEST(Layers, ThePlatformIncludesNoOtherFolder)
{
    EXPECT_EQ(graph().reachedFrom("platform"), std::set<std::string> {});
}

TEST(Layers, TheDrawingModelIncludesOnlyThePlatform)
{
    EXPECT_EQ(graph().reachedFrom("turtle"), std::set<std::string> { "platform" });
}

TEST(Layers, TheLayersIncludeOnlyDownwards)
{
    // Bottom to top; a folder may include only the folders before it.
    const std::vector<std::string> order { "platform", "turtle", "program", "interpreter",
        "hints", "run", "tasks", "export", "files", "editor", "app" };
    for (size_t i = 0; i < order.size(); ++i) {
        for (const std::string& reached : graph().reachedFrom(order[i])) {
            const auto at = std::find(order.begin(), order.end(), reached);
            EXPECT_LT(at - order.begin(), std::ptrdiff_t(i))
                << order[i] << " includes from " << reached << ", which is not below it";
        }
    }
}

TEST(Layers, ACircleIsFoundAndNamed)
{
    // The checker itself: a graph built from a small tree with a circle must report it.
    const auto root = std::filesystem::temp_directory_path() / "zimo-layers-test";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "a");
    std::filesystem::create_directories(root / "b");
    std::ofstream(root / "a/x.h") << "#pragma once\n#include \"b/y.h\"\n";
    std::ofstream(root / "b/y.h") << "#pragma once\n#include \"a/x.h\"\n";
    const IncludeGraph g(root);
    const std::vector<std::string> circle = g.findCircle();
    std::filesystem::remove_all(root);
    ASSERT_EQ(circle.size(), 3u);
    EXPECT_EQ(circle.front(), circle.back());
}

} // namespace
} // namespace zimo::test
