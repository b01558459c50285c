#pragma once

#include <QStringList>

namespace zimo
{

/// `zimo --make-task SOLUTION.zkf --title TITLE --text TEXT [--require WORD]...
/// [--max-lines N] -o TASK.zku`: makes a task file from a reference program. Every --text
/// is one line of the instruction. The program must finish without an error, draw
/// something and meet the requirements. Returns 0 when the file is written, else 2 with
/// the reason in Latvian on the standard error stream.
int runMakeTask(const QStringList& arguments);

/// True when the arguments ask for a task to be made.
bool wantsMakeTask(const QStringList& arguments);

} // namespace zimo
