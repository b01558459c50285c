#pragma once

#include <QStringList>

namespace zimo
{

/// The arguments after the program's name, with every letter of the file names they hold
/// (on Windows read from the system's UTF-16 command line, not the code page's argv).
QStringList programArguments(int argc, char** argv);

/// Lets the command-line modes print where they were started. A Windows program built for
/// the window gets no console of its own, so it borrows its parent's for the output that
/// is not redirected elsewhere, and sends bytes unchanged (UTF-8, LF) as on Linux. Does
/// nothing on Linux.
void useParentConsole();

/// Whether Zimo was started from a console (a terminal, a script) rather than by the
/// desktop (the Start menu, a double click). Always true on Linux, where the work folder
/// tells the two apart instead.
bool startedFromConsole();

} // namespace zimo
