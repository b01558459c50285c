#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <optional>

namespace zimo
{

class Machine;
class Screen;
class StepGate;
class Trace;

/// Stack size a run's thread needs: loop replays and conditionals recurse, and a run must
/// never overflow its stack however deep the nesting gets before the nesting limit.
constexpr unsigned long RunStackBytes = 256ul * 1024 * 1024;

/// How one run is made and what it reports to. Every pointer may be null.
struct RunOptions {
    /// The work file the text passes through; without one the text is split in memory.
    std::optional<QString> workFile;
    /// Line steps allowed before the run stops (0: no limit); figure steps are allowed ten
    /// times as many.
    std::int64_t maxSteps = 0;
    /// The run's trace: every event of the run in order.
    Trace* trace = nullptr;
    /// Where the run shows itself; without one it shows nothing and never waits.
    Screen* screen = nullptr;
    /// Set by whoever wants the run to stop.
    const std::atomic<bool>* stop = nullptr;
    /// Passed before every line step: the window pauses and single-steps runs there.
    StepGate* gate = nullptr;
};

struct RunOutcome {
    enum class End { Finished, Failed, Stopped };
    End end = End::Finished;
    /// The line the run stopped at, and the message for the user (when it failed).
    int line = 0;
    QString message;
    /// The run failed because it took more steps than RunOptions::maxSteps.
    bool stepLimitReached = false;
    /// The work file could not be written or read back exactly; the text was split in
    /// memory. workFileProblem says why.
    bool workFileFailed = false;
    QString workFileProblem;
};

/// The Run button: reset, split the text into lines through the work file, register the
/// procedures and walk the lines. The window and the command line both run programs here.
RunOutcome zimet_Click(Machine& m, const QString& programText, const RunOptions& options);

} // namespace zimo
