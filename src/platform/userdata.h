#pragma once

#include <QSettings>
#include <QString>

namespace zimo
{

/// The folder that keeps what Zimo remembers for the user between sessions (the recovered
/// program, settings, progress): %LOCALAPPDATA%\Zimo on Windows, so that it stays on the
/// computer rather than roaming with the profile; the XDG data folder on Linux. The folder
/// may not exist yet; the caller creates it when it writes.
QString userDataFolder();

/// The user's settings: an INI file in userDataFolder() on Windows (not the registry, so
/// that everything Zimo keeps for a user is in one folder), the usual Zimo/Zimo.conf of the
/// XDG configuration folder on Linux.
QSettings userSettings();

/// The folder of what comes with Zimo under name ("examples", ...), or an empty string:
/// beside zimo.exe on Windows (the portable folder and the installed one look the same),
/// in ../share/zimo beside the program's bin folder when installed on Linux.
QString shippedDataFolder(const QString& name);

} // namespace zimo
