#pragma once

#include "program/programstate.h"
#include "run/snapshot.h"
#include "run/stepgate.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

namespace zimo
{

/// Pause, single step and stop marks for a run, and the state copies the inspector shows.
///
/// The window's thread commands (pause, resume, step, marks); the run thread passes
/// beforeLineStep at the start of every line step and blocks there while paused. A paused
/// run wakes on resume, step or its stop flag. The run thread never waits for the window: it
/// copies the state into a mutex-guarded slot at most ten times a second, and always when it
/// pauses, and the window takes the newest copy when it likes. Nothing here changes what a
/// run does, only when its line steps happen.
class RunControl : public StepGate
{
public:
    /// How often a running program's state is copied for the inspector.
    static constexpr std::chrono::milliseconds SnapshotInterval { 100 };

    /// onPause runs on the run thread whenever the run has paused before a line; it must
    /// only post to the window's thread.
    explicit RunControl(std::function<void(int line)> onPause = {});

    /// Before a run starts: runs freely, or, with firstStepOnly, pauses after the first line
    /// step (window thread).
    void prepare(bool firstStepOnly);
    /// The run pauses before its next line step.
    void pause();
    /// A paused run goes on freely.
    void resume();
    /// A paused run makes exactly one line step and pauses again; a running one pauses.
    void step();
    /// Wakes a paused run so that it sees its stop flag.
    void wake();

    bool isPaused() const { return m_mode.load() == Mode::Paused; }
    /// The line the run is paused before, 0 when it is not paused.
    int pausedLine() const { return m_pausedLine.load(); }

    /// Line steps the current (or last) run has begun.
    std::int64_t stepsMade() const { return m_steps.load(std::memory_order_relaxed); }

    /// Sets or clears the stop mark of line (1..1000); safe while a run goes on.
    void setMarked(int line, bool marked);
    /// Replaces every stop mark with lines.
    void setMarkedLines(const std::vector<int>& lines);
    bool isMarked(int line) const;

    /// Moves the newest state copy into into; false when none came since the last take.
    bool takeSnapshot(StateSnapshot& into);

    void beforeLineStep(const Machine& m, int line, RunSession& session) override;

private:
    enum class Mode { Run, PauseNext, StepOne, Paused };

    void keepSnapshot(const Machine& m, int line);
    void waitWhilePaused(const Machine& m, int line, RunSession& session);

    std::function<void(int)> m_onPause;
    std::atomic<Mode> m_mode { Mode::Run };
    std::atomic<int> m_pausedLine { 0 };
    std::array<std::atomic<bool>, ProgramState::MaxLines + 2> m_marks {};

    std::mutex m_waitMutex;
    std::condition_variable m_wake;

    /// Written by the run thread only.
    std::atomic<std::int64_t> m_steps { 0 };
    // Run thread only.
    std::chrono::steady_clock::time_point m_lastSnapshot {};
    StateSnapshot m_work;

    std::mutex m_slotMutex;
    StateSnapshot m_slot;
    bool m_slotFresh = false;
};

} // namespace zimo
