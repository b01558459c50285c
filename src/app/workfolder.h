#pragma once

#include <QString>

namespace zimo
{

/// The folder Zimo works in (its work files, the first folder of its dialogs) when it was
/// started in `current`. The desktop menu and the file manager start programs in the home
/// folder (some launchers in the root folder); there Zimo uses the "Zimo" folder of the
/// user's `documents` folder, so no work file lands in the home folder. Started anywhere
/// else, as from a terminal, it works where it was started. All paths are absolute.
QString workFolderFor(const QString& current, const QString& home, const QString& documents);

/// Makes the work folder of workFolderFor() the process's current folder, creating it
/// when it is missing. On Windows, where the desktop starts programs in many folders, every
/// start that is not from a console counts as the desktop's. When it cannot be made or entered,
/// Zimo stays where it was started and says so on stderr.
void enterWorkFolder();

} // namespace zimo
