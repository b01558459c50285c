#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace zimo
{

class Machine;

/// Stack size a run's thread needs: loop replays and conditionals recurse, and a run must
/// never overflow its stack however deep the nesting gets before the nesting limit.
constexpr unsigned long RunStackBytes = 256ul * 1024 * 1024;

struct RunOptions {
    /// The work file the text passes through; without one the text is split in memory.
    std::optional<QString> workFile;
    /// Line steps allowed before the run stops (0: no limit).
    std::int64_t maxSteps = 0;
};

struct RunOutcome {
    enum class End { Finished, Failed, Stopped };
    End end = End::Finished;
    /// The line the run stopped at, and the message for the user (when it failed).
    int line = 0;
    QString message;
    /// The work file could not be written or read back exactly; the text was split in
    /// memory. workFileProblem says why.
    bool workFileFailed = false;
    QString workFileProblem;
};

/// The Run button: reset, split the text into lines through the work file, register the
/// procedures and walk the lines. The window and the command line both run programs here.
RunOutcome zimet_Click(Machine& m, const QString& programText, const RunOptions& options);

/// The line step for line v: movement, every other command, sprite, previous position,
/// the page shown, the speed delay. v may change.
void lineStep(Machine& m, int& v);

/// The delay: value units of real time in the window, none headless; 0 or less waits not.
void pauze(Machine& m, double value);

} // namespace zimo
