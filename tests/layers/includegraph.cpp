#include "includegraph.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <regex>

namespace fs = std::filesystem;

namespace zimo::test
{

std::string topFolder(const std::string& folder) { return folder.substr(0, folder.find('/')); }

IncludeGraph::IncludeGraph(const fs::path& root)
    : m_root(root)
{
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp"))
            readFile(entry.path());
    }
}

void IncludeGraph::readFile(const fs::path& file)
{
    static const std::regex quoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
    const fs::path dir = file.parent_path();
    const std::string from = fs::relative(dir, m_root).generic_string();
    std::ifstream in(file);
    std::string line;
    std::smatch match;
    while (std::getline(in, line)) {
        if (!std::regex_search(line, match, quoted))
            continue;
        const std::string header = match[1];
        fs::path found = dir / header;
        if (!fs::exists(found))
            found = m_root / header;
        if (!fs::exists(found))
            continue;
        const std::string to
            = fs::relative(fs::canonical(found).parent_path(), fs::canonical(m_root)).generic_string();
        if (to != from)
            m_edges[from].emplace(to, Include { fs::relative(file, m_root).generic_string(), header });
    }
}

std::vector<std::string> IncludeGraph::findCircle() const
{
    enum class Mark { None, Open, Done };
    std::map<std::string, Mark> marks;
    std::vector<std::string> path;
    std::vector<std::string> circle;
    std::function<bool(const std::string&)> visit = [&](const std::string& folder) {
        marks[folder] = Mark::Open;
        path.push_back(folder);
        if (const auto edges = m_edges.find(folder); edges != m_edges.end()) {
            for (const auto& [to, include] : edges->second) {
                if (marks[to] == Mark::Open) {
                    circle.assign(std::find(path.begin(), path.end(), to), path.end());
                    circle.push_back(to);
                    return true;
                }
                if (marks[to] == Mark::None && visit(to))
                    return true;
            }
        }
        path.pop_back();
        marks[folder] = Mark::Done;
        return false;
    };
    for (const auto& [folder, edges] : m_edges) {
        if (marks[folder] == Mark::None && visit(folder))
            return circle;
    }
    return {};
}

std::set<std::string> IncludeGraph::reachedFrom(const std::string& folder) const
{
    std::set<std::string> reached;
    for (const auto& [from, edges] : m_edges) {
        if (topFolder(from) != folder)
            continue;
        for (const auto& [to, include] : edges) {
            if (topFolder(to) != folder)
                reached.insert(topFolder(to));
        }
    }
    return reached;
}

} // namespace zimo::test
