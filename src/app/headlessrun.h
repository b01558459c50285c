#pragma once

#include <QStringList>

namespace zimo
{

/// `zimo --run PROGRAM.zkf [--png OUT.png] [--svg OUT.svg] [--gif OUT.gif] [--pdf OUT.pdf]
/// [--trace OUT.txt] [--max-steps N]`: runs a program file without a window at full speed
/// and writes what was asked for. Returns the exit status: 0 finished, 1 stopped by an
/// error, 2 bad command line, unreadable program or an output not written whole.
int runHeadless(const QStringList& arguments);

/// True when the arguments ask for a headless run.
bool wantsHeadless(const QStringList& arguments);

} // namespace zimo
