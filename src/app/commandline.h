#pragma once

#include <QStringList>

#include <optional>

namespace zimo
{

/// `zimo --help` prints the Latvian usage of every form of the command line, `zimo
/// --version` prints "zimo" and the version. Either returns the exit status (0); any other
/// command line returns nothing and is left to the window or the headless run. Needs no
/// display and no application object.
std::optional<int> answerInfoOption(const QStringList& arguments);

} // namespace zimo
