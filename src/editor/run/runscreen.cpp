#include "runscreen.h"

#include "platform/delayclock.h"

#include <utility>

namespace zimo
{

namespace
{
constexpr auto FrameInterval = std::chrono::microseconds(16'000);
}

RunScreen::RunScreen(
    const Machine& machine, const std::atomic<bool>& stop, std::function<void()> notify)
    : m_machine(machine)
    , m_stop(stop)
    , m_notify(std::move(notify))
{
}

bool RunScreen::due() const
{
    return std::chrono::steady_clock::now() - m_lastPublish >= FrameInterval;
}

void RunScreen::present()
{
    if (due())
        publish();
}

// A state that lasts a frame or longer is shown before the wait begins. A shorter one is not
// copied on its own, since copying the page for every short wait would stretch the waits
// themselves; the next frame shows where the run has got to within one frame interval.
void RunScreen::waitShown(double units)
{
    if (units >= FrameUnits || due())
        publish();
    DelayClock::wait(units, m_stop);
}

void RunScreen::delay(double units) { waitShown(units); }

void RunScreen::fillLayer(double units)
{
    if (units > 0)
        waitShown(units);
    else
        present();
}

// A paused run shows the line about to run and everything drawn before it.
void RunScreen::pausedBefore(int line)
{
    m_line = line;
    publish();
}

void RunScreen::publish()
{
    {
        std::lock_guard lock(m_mutex);
        captureFrame(m_machine, m_front);
        m_front.line = m_line;
        m_fresh = true;
    }
    m_lastPublish = std::chrono::steady_clock::now();
    if (!m_notifyPending.exchange(true) && m_notify)
        m_notify();
}

bool RunScreen::takeFrame(PageFrame& into)
{
    m_notifyPending.store(false);
    std::lock_guard lock(m_mutex);
    if (!m_fresh)
        return false;
    std::swap(into.image, m_front.image);
    into.sprite = m_front.sprite;
    into.spriteVisible = m_front.spriteVisible;
    into.x = m_front.x;
    into.y = m_front.y;
    into.displayAngle = m_front.displayAngle;
    into.lineColour = m_front.lineColour;
    into.line = m_front.line;
    m_fresh = false;
    return true;
}

} // namespace zimo
