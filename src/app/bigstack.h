#pragma once

#include <functional>

namespace zimo {

/// Stack size for a run: nested loop replays and conditionals recurse, a few hundred
/// levels deep at most, and a run must never overflow its stack.
constexpr unsigned long RunStackBytes = 256ul * 1024 * 1024;

/// Runs work on a thread with a stack of RunStackBytes and waits for it.
void runWithBigStack(const std::function<void()>& work);

} // namespace zimo
