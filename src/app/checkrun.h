#pragma once

#include <QStringList>

namespace zimo
{

/// `zimo --check PROGRAM.zkf`: prints the program's hints as "N: MESSAGE" lines (UTF-8, in
/// line order) without running it. Returns 0 with no hints, 1 with hints, 2 for a bad
/// command line or an unreadable file.
int runCheck(const QStringList& arguments);

/// True when the arguments ask for a check.
bool wantsCheck(const QStringList& arguments);

} // namespace zimo
