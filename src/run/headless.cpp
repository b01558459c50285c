#include "headless.h"

#include "interpreter/machine.h"
#include "platform/rasterpage.h"
#include "run/bigstack.h"

namespace zimo
{

HeadlessRun runWithoutWindow(const QString& programText, const RunOptions& options)
{
    HeadlessRun run;
    // Pages and machines are big: they live on the heap.
    run.page = std::make_unique<RasterPage>();
    run.outcome = runOnPage(*run.page, programText, options);
    return run;
}

RunOutcome runOnPage(RasterPage& page, const QString& programText, const RunOptions& options,
    DrawingSink* sink)
{
    auto machine = std::make_unique<Machine>(page);
    if (sink)
        machine->drawing.sink = sink;
    RunOutcome outcome;
    runWithBigStack([&] { outcome = zimet_Click(*machine, programText, options); });
    return outcome;
}

} // namespace zimo
