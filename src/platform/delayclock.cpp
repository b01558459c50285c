#include "delayclock.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace zimo
{

bool DelayClock::wait(double units, const std::atomic<bool>& stop)
{
    using Clock = std::chrono::steady_clock;
    if (!(units > 0))
        return !stop.load(std::memory_order_relaxed);
    // Very long waits are capped at a day; nobody waits that long for a line.
    const double micros = std::min(units * MicrosecondsPerUnit, 86400e6);
    const auto deadline = Clock::now() + std::chrono::microseconds(static_cast<long long>(micros));
    constexpr auto slice = std::chrono::milliseconds(10);
    while (!stop.load(std::memory_order_relaxed)) {
        const auto now = Clock::now();
        if (now >= deadline)
            return true;
        std::this_thread::sleep_until(std::min(deadline, now + slice));
    }
    return false;
}

} // namespace zimo
