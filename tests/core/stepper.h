#pragma once

#include "platform/rasterpage.h"
#include "interpreter/machine.h"
#include "run/runcontrol.h"
#include "run/runloop.h"
#include "run/trace.h"

#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace zimo::test
{

/// A run on its own thread under a RunControl, and the window's side of it: waits for the
/// pauses the control reports and answers them as a test says.
class Stepper
{
public:
    std::unique_ptr<RasterPage> page = std::make_unique<RasterPage>();
    std::unique_ptr<Machine> machine = std::make_unique<Machine>(*page);
    Trace trace;
    std::atomic<bool> stop { false };
    RunControl control { [this](int line) { paused(line); } };
    RunOutcome outcome;

    ~Stepper()
    {
        stop.store(true);
        control.wake();
        join();
    }

    /// Starts text; with firstStepOnly the run pauses after its first line step.
    void start(const QString& text, bool firstStepOnly, std::int64_t maxSteps = 10'000'000)
    {
        control.prepare(firstStepOnly);
        m_thread.reset(QThread::create([this, text, maxSteps] {
            RunOptions options;
            options.maxSteps = maxSteps;
            options.trace = &trace;
            options.stop = &stop;
            options.gate = &control;
            outcome = zimet_Click(*machine, text, options);
            std::lock_guard lock(m_mutex);
            m_done = true;
            m_changed.notify_all();
        }));
        m_thread->setStackSize(uint(RunStackBytes));
        m_thread->start();
    }

    /// Waits for the next pause; its line, or 0 when the run ended first (or on time-out).
    int nextPause(std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, timeout, [this] { return m_pauses > m_seen || m_done; });
        if (m_pauses > m_seen) {
            m_seen = m_pauses;
            return m_lastLine;
        }
        return 0;
    }

    /// Single-steps until the run ends; the lines it paused before, in order.
    QList<int> stepToEnd()
    {
        QList<int> lines;
        for (int line = nextPause(); line != 0; line = nextPause()) {
            lines.append(line);
            control.step();
        }
        join();
        return lines;
    }

    bool done()
    {
        std::lock_guard lock(m_mutex);
        return m_done;
    }
    void join()
    {
        if (!m_thread)
            return;
        m_thread->wait();
        // The sanitizer cannot see inside QThread::wait(); the run's last act is under this
        // lock, so taking it orders everything the run wrote before what the test reads.
        std::lock_guard lock(m_mutex);
    }

private:
    void paused(int line)
    {
        std::lock_guard lock(m_mutex);
        ++m_pauses;
        m_lastLine = line;
        m_changed.notify_all();
    }

    std::unique_ptr<QThread> m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_pauses = 0;
    int m_seen = 0;
    int m_lastLine = 0;
    bool m_done = false;
};

} // namespace zimo::test
