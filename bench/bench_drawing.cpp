// The figures and the flood fill, headless at speed 0.

#include "platform/rasterpage.h"
#include "interpreter/machine.h"
#include "run/runloop.h"
#include "turtle/floodfill.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace zimo;

namespace
{

void runFigure(benchmark::State& state, const char* line)
{
    const QString program = QStringLiteral("atrums 0\r\n") + QString::fromLatin1(line);
    auto page = std::make_unique<RasterPage>();
    auto machine = std::make_unique<Machine>(*page);
    RunOptions options;
    for (auto _ : state) {
        if (zimet_Click(*machine, program, options).end != RunOutcome::End::Finished)
            state.SkipWithError("the run did not finish");
    }
}

void Spiral(benchmark::State& state) { runFigure(state, "spirale 10,10"); }
void Flower(benchmark::State& state) { runFigure(state, "zieds 5,50,50"); }

void FullPageFill(benchmark::State& state)
{
    auto page = std::make_unique<RasterPage>();
    auto machine = std::make_unique<Machine>(*page);
    constexpr Colour Black = rgb(0, 0, 0);
    constexpr Colour Yellow = rgb(255, 255, 0);
    constexpr Colour White = rgb(255, 255, 255);
    for (auto _ : state) {
        state.PauseTiming();
        page->setBackground(White);
        state.ResumeTiming();
        benchmark::DoNotOptimize(aizpildit(machine->drawing, 300, 200, Black, Yellow));
    }
    state.SetItemsProcessed(state.iterations() * page->width() * page->height());
}

} // namespace

BENCHMARK(Spiral)->Unit(benchmark::kMillisecond);
BENCHMARK(Flower)->Unit(benchmark::kMillisecond);
BENCHMARK(FullPageFill)->Unit(benchmark::kMillisecond);
