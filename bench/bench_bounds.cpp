// What keeps a run or a text from growing without bound: an endless traced run that stops at
// the command line's step bound, and the hints of a very long line, whole and cut to the
// length the text box analyses.

#include "platform/rasterpage.h"
#include "platform/safefile.h"
#include "hints/hints.h"
#include "interpreter/machine.h"
#include "run/runloop.h"
#include "run/trace.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace zimo;

namespace
{

// The step bound of a traced command-line run without --max-steps.
constexpr std::int64_t TracedBound = 1'000'000;

// An endless program, traced to a file until the bound stops it: the time a user waits and
// the size of the trace it leaves.
void TracedEndlessRunToTheBound(benchmark::State& state)
{
    const QString program = QStringLiteral("a\r\nuz prieksu 1\r\niet uz a\r\n");
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trace.txt"));
    auto page = std::make_unique<RasterPage>();
    auto machine = std::make_unique<Machine>(*page);
    for (auto _ : state) {
        OutputFile file(path);
        if (!file.open().isEmpty())
            state.SkipWithError("cannot write the trace");
        auto trace = std::make_unique<Trace>(&file);
        RunOptions options;
        options.trace = trace.get();
        options.maxSteps = TracedBound;
        const RunOutcome outcome = zimet_Click(*machine, program, options);
        if (!outcome.stepLimitReached)
            state.SkipWithError("the run did not stop at the bound");
        trace.reset();
        if (!file.commit().isEmpty())
            state.SkipWithError("the trace did not reach its file");
    }
    state.counters["trace_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
    state.SetItemsProcessed(state.iterations() * TracedBound);
}

QString longLine(int length)
{
    QString line;
    while (line.size() < length)
        line += QStringLiteral("uz prieksu 10 ");
    return line.left(length);
}

// The text box analyses at most the first 4000 characters of a line; the whole
// 1,000,000-character line shows what that cut saves at every pause in typing.
void HintsOfALongLine(benchmark::State& state)
{
    const QStringList lines = { QStringLiteral("lenkis 5"), longLine(int(state.range(0))) };
    for (auto _ : state)
        benchmark::DoNotOptimize(hintsFor(lines));
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}

} // namespace

BENCHMARK(TracedEndlessRunToTheBound)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(HintsOfALongLine)->Arg(4000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
