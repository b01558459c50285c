// Line steps per second of headless runs: a line that draws nothing and a pair of lines
// that turn and draw, each replayed by a repeat block.

#include "platform/rasterpage.h"
#include "interpreter/machine.h"
#include "run/runloop.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace zimo;

namespace
{

void runRepeated(benchmark::State& state, const QString& body, int linesInBody)
{
    constexpr int Passes = 30000;
    const QString program
        = QStringLiteral("atrums 0\r\natkartot %1\r\n%2\r\nbeigas").arg(Passes).arg(body);
    auto page = std::make_unique<RasterPage>();
    auto machine = std::make_unique<Machine>(*page);
    RunOptions options;
    for (auto _ : state) {
        const RunOutcome outcome = zimet_Click(*machine, program, options);
        if (outcome.end != RunOutcome::End::Finished)
            state.SkipWithError("the run did not finish");
    }
    state.SetItemsProcessed(state.iterations() * Passes * linesInBody);
}

void NonDrawingLineSteps(benchmark::State& state)
{
    runRepeated(state, QStringLiteral("palielinat vertibu a,1"), 1);
}

void DrawingLineSteps(benchmark::State& state)
{
    runRepeated(state, QStringLiteral("lenkis pa labi 7\r\nuz prieksu 10"), 2);
}

} // namespace

BENCHMARK(NonDrawingLineSteps)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawingLineSteps)->Unit(benchmark::kMillisecond);
