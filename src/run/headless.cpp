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
    auto machine = std::make_unique<Machine>(*run.page);
    runWithBigStack([&] { run.outcome = zimet_Click(*machine, programText, options); });
    return run;
}

} // namespace zimo
