#pragma once

#include <QString>

namespace zimo
{

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

/// Runs work; a RunError it throws without a line gets this one.
template <typename Work> decltype(auto) atLine(int line, Work&& work)
{
    try {
        return work();
    } catch (RunError& e) {
        if (e.line == 0)
            e.line = line;
        throw;
    }
}

} // namespace zimo
