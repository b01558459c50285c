#pragma once

#include <QString>

namespace zimo {

/// Why a run cannot go on. Thrown from wherever the run finds it out; the innermost line
/// step fills in its line when the thrower did not know it.
struct RunError {
    int line = 0;
    QString reason;
};

/// The user asked the run to stop.
struct RunStopped {
};

[[noreturn]] inline void fail(QString reason) { throw RunError { 0, std::move(reason) }; }
[[noreturn]] inline void failAt(int line, QString reason)
{
    throw RunError { line, std::move(reason) };
}

} // namespace zimo
