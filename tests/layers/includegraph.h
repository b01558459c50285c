#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zimo::test
{

/// One quoted include: the file it stands in and the header it names.
struct Include {
    std::string file;
    std::string header;
};

/// The folders of a source tree and which folder's files include which folder's headers.
///
/// A folder is a directory relative to the root ("turtle", "editor/textbox"). A quoted
/// include is resolved as the compiler would: against the including file's own folder
/// first, then against the root. Includes that resolve to no file of the tree (Qt's, the
/// generated ones) are left out.
class IncludeGraph
{
public:
    explicit IncludeGraph(const std::filesystem::path& root);

    /// Folder -> folders it includes from (itself left out), with one include per edge.
    const std::map<std::string, std::map<std::string, Include>>& edges() const { return m_edges; }
    /// A circle of folders (the first repeated at the end), or empty when there is none.
    std::vector<std::string> findCircle() const;
    /// The folders that folder includes from, with their sub-folders counted as themselves.
    std::set<std::string> reachedFrom(const std::string& folder) const;

private:
    void readFile(const std::filesystem::path& file);

    std::filesystem::path m_root;
    std::map<std::string, std::map<std::string, Include>> m_edges;
};

/// The top folder of a folder: "editor" for "editor/textbox".
std::string topFolder(const std::string& folder);

} // namespace zimo::test
