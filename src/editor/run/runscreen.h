#pragma once

#include "editor/page/pageframe.h"
#include "run/screen.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>

namespace zimo
{

/// The window's screen for a run: called on the run's worker thread, it copies the page and
/// everything shown with it into a front frame that the window's thread takes.
///
/// Owns the front frame and the mutex that guards it. Copies are coalesced to about the
/// screen's refresh rate; a wait long enough to be seen always gets its own copy first, and
/// the worker publishes once more when the run ends. The notify callback runs on the worker
/// and must only post to the window's thread; it is not called again until that thread has
/// taken the frame.
class RunScreen : public Screen
{
public:
    /// A frame of a 60 Hz screen, in delay units (0.1 ms).
    static constexpr double FrameUnits = 160;

    RunScreen(const Machine& machine, const std::atomic<bool>& stop, std::function<void()> notify);

    void lineStarted(int line) override { m_line = line; }
    void present() override;
    void delay(double units) override;
    void fillLayer(double units) override;
    void pausedBefore(int line) override;

    /// Copies the machine's state into the front frame now and notifies (worker thread).
    void publish();
    /// Moves the newest frame into into, handing into's old image back for reuse; false when
    /// nothing new came since the last take (window thread).
    bool takeFrame(PageFrame& into);

private:
    bool due() const;
    void waitShown(double units);

    const Machine& m_machine;
    const std::atomic<bool>& m_stop;
    std::function<void()> m_notify;
    int m_line = 0;
    std::chrono::steady_clock::time_point m_lastPublish {};

    std::mutex m_mutex;
    PageFrame m_front;
    bool m_fresh = false;
    std::atomic<bool> m_notifyPending { false };
};

} // namespace zimo
