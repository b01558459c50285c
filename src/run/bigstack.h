#pragma once

#include "run/runloop.h"

#include <functional>

namespace zimo
{

/// Runs work on a thread with a stack of RunStackBytes and waits for it.
void runWithBigStack(const std::function<void()>& work);

} // namespace zimo
