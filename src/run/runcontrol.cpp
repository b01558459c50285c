#include "runcontrol.h"

#include "run/runsession.h"

#include <utility>

namespace zimo
{

namespace
{

// A paused run looks at its stop flag at least this often, even if no wake-up reaches it.
constexpr std::chrono::milliseconds StopPoll { 20 };

} // namespace

RunControl::RunControl(std::function<void(int line)> onPause)
    : m_onPause(std::move(onPause))
{
}

void RunControl::prepare(bool firstStepOnly)
{
    std::lock_guard lock(m_waitMutex);
    m_mode.store(firstStepOnly ? Mode::StepOne : Mode::Run);
    m_pausedLine.store(0);
    m_steps.store(0);
    m_lastSnapshot = {};
    std::lock_guard slot(m_slotMutex);
    m_slotFresh = false;
}

void RunControl::pause()
{
    std::lock_guard lock(m_waitMutex);
    if (m_mode.load() != Mode::Paused)
        m_mode.store(Mode::PauseNext);
}

void RunControl::resume()
{
    {
        std::lock_guard lock(m_waitMutex);
        m_mode.store(Mode::Run);
    }
    m_wake.notify_all();
}

void RunControl::step()
{
    {
        std::lock_guard lock(m_waitMutex);
        m_mode.store(m_mode.load() == Mode::Paused ? Mode::StepOne : Mode::PauseNext);
    }
    m_wake.notify_all();
}

void RunControl::wake()
{
    // Taking the mutex orders the wake-up after a paused run's last look at the flag.
    {
        std::lock_guard lock(m_waitMutex);
    }
    m_wake.notify_all();
}

void RunControl::setMarked(int line, bool marked)
{
    if (line >= 1 && line < int(m_marks.size()))
        m_marks[size_t(line)].store(marked, std::memory_order_relaxed);
}

void RunControl::setMarkedLines(const std::vector<int>& lines)
{
    for (auto& mark : m_marks)
        mark.store(false, std::memory_order_relaxed);
    for (const int line : lines)
        setMarked(line, true);
}

bool RunControl::isMarked(int line) const
{
    return line >= 1 && line < int(m_marks.size())
        && m_marks[size_t(line)].load(std::memory_order_relaxed);
}

bool RunControl::takeSnapshot(StateSnapshot& into)
{
    std::lock_guard lock(m_slotMutex);
    if (!m_slotFresh)
        return false;
    std::swap(into, m_slot);
    m_slotFresh = false;
    return true;
}

// The copy is made into the run thread's own snapshot first, so the slot's lock is held
// only for the swap and the window never holds up the run for longer than that.
void RunControl::keepSnapshot(const Machine& m, int line)
{
    captureSnapshot(m, line, stepsMade(), m_work);
    m_lastSnapshot = std::chrono::steady_clock::now();
    std::lock_guard lock(m_slotMutex);
    std::swap(m_work, m_slot);
    m_slotFresh = true;
}

void RunControl::beforeLineStep(const Machine& m, int line, RunSession& session)
{
    Mode mode = m_mode.load();
    if (mode == Mode::Run && isMarked(line))
        mode = Mode::Paused;
    if (mode == Mode::StepOne) {
        // This step is the one allowed; the run pauses before the next.
        std::lock_guard lock(m_waitMutex);
        if (m_mode.load() == Mode::StepOne)
            m_mode.store(Mode::PauseNext);
        mode = Mode::Run;
    }
    if (mode == Mode::Run) {
        if (std::chrono::steady_clock::now() - m_lastSnapshot >= SnapshotInterval)
            keepSnapshot(m, line);
    } else {
        waitWhilePaused(m, line, session);
    }
    m_steps.store(m_steps.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
}

void RunControl::waitWhilePaused(const Machine& m, int line, RunSession& session)
{
    {
        std::lock_guard lock(m_waitMutex);
        const Mode mode = m_mode.load();
        // A resume or step that came in since the first look wins over the pause.
        if (mode == Mode::Run && !isMarked(line))
            return;
        if (mode == Mode::StepOne) {
            m_mode.store(Mode::PauseNext);
            return;
        }
        m_mode.store(Mode::Paused);
        m_pausedLine.store(line);
    }
    keepSnapshot(m, line);
    session.screen().pausedBefore(line);
    if (m_onPause)
        m_onPause(line);
    std::unique_lock lock(m_waitMutex);
    while (m_mode.load() == Mode::Paused && !session.stopRequested())
        m_wake.wait_for(lock, StopPoll);
    m_pausedLine.store(0);
    // A step lets this line go and pauses before the next one.
    if (m_mode.load() == Mode::StepOne)
        m_mode.store(Mode::PauseNext);
}

} // namespace zimo
