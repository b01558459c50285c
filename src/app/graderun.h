#pragma once

#include <QStringList>

namespace zimo
{

/// `zimo --grade TASK.zku PROGRAM.zkf... [--csv OUT.csv] [--sheet OUT.png]`: checks every
/// program against the task without a window and without work files. Prints one line per
/// program in the order given ("path<TAB>izdevās" or "path<TAB>neizdevās<TAB>reason"),
/// writes the CSV file and the picture sheet when asked. Returns 0 when every program
/// solves the task, 1 when some do not, 2 for a bad command line, an unreadable task or an
/// output that could not be written.
int runGrade(const QStringList& arguments);

/// True when the arguments ask for grading.
bool wantsGrade(const QStringList& arguments);

} // namespace zimo
