#pragma once

#include <atomic>

namespace zimo
{

/// Real-time waits in delay units: one unit is 0.1 ms on a steady clock.
class DelayClock
{
public:
    static constexpr double MicrosecondsPerUnit = 100.0;

    /// Waits units delay units (nothing for 0 or less). Returns early, with false, as soon
    /// as stop is set; checks it at least every 10 ms.
    static bool wait(double units, const std::atomic<bool>& stop);
};

} // namespace zimo
