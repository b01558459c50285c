#pragma once

#include <QString>

namespace zimo
{

/// The help command file "komandas.bat" that "Palīdzība" starts from the current folder.
inline constexpr QStringView CommandFile = u"komandas.bat";

/// Starts the command file at path without waiting for it: on Windows in a maximised
/// console, elsewhere with the shell when it is executable, else with the desktop's opener.
/// Returns false when there is no such file or it could not be started.
bool startCommandFile(const QString& path);

} // namespace zimo
