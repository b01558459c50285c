#pragma once

#include "run/runloop.h"

#include <memory>

namespace zimo
{

class DrawingSink;
class RasterPage;

/// A run without a window: the page it drew on and how it ended.
struct HeadlessRun {
    std::unique_ptr<RasterPage> page;
    RunOutcome outcome;
};

/// Runs a program on a page of its own from the start state (white page, the turtle in
/// the middle) at full speed, on a thread with a stack big enough for any nesting.
HeadlessRun runWithoutWindow(const QString& programText, const RunOptions& options);

/// The same on a page the caller keeps, with sink (when not null) seeing every change of
/// the page, as a recording of the drawing does.
RunOutcome runOnPage(RasterPage& page, const QString& programText, const RunOptions& options,
    DrawingSink* sink = nullptr);

} // namespace zimo
