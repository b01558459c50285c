// The exports of a drawing of 1,000 segments: the animation must encode in under 2 s.

#include "export/animation.h"
#include "export/recording.h"
#include "export/svgwriter.h"
#include "export/vectorscene.h"
#include "interpreter/machine.h"
#include "platform/rasterpage.h"
#include "platform/safefile.h"
#include "run/runloop.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace zimo;

namespace
{

// A thousand line steps of one segment each, long and short ones crossing the page, and a
// spiral: a thousand and more figure steps.
struct Drawn {
    std::unique_ptr<RasterPage> page = std::make_unique<RasterPage>();
    std::unique_ptr<Machine> machine = std::make_unique<Machine>(*page);
    std::unique_ptr<Recording> recording = std::make_unique<Recording>(*page);

    explicit Drawn(const char* program)
    {
        machine->drawing.sink = recording.get();
        zimet_Click(*machine, QString::fromLatin1(program), RunOptions {});
    }
};

constexpr const char* ThousandLines = "atrums 0\r\nno k=1 lidz 1000\r\nlinijas krasa k\r\n"
                                      "uz prieksu k\r\nlenkis pa labi 91\r\nnakosais";
constexpr const char* Spiral = "atrums 0\r\nspirale 3,30";

void encodeAnimation(benchmark::State& state, const char* program)
{
    const Drawn drawn(program);
    for (auto _ : state) {
        OutputFile out(QStringLiteral("/dev/null"));
        out.open();
        if (!writeAnimation(*drawn.recording, out) || !out.commit().isEmpty())
            state.SkipWithError("the animation was not written");
    }
}

void AnimationOfThousandLines(benchmark::State& state) { encodeAnimation(state, ThousandLines); }
void AnimationOfSpiral(benchmark::State& state) { encodeAnimation(state, Spiral); }

void SvgOfThousandLines(benchmark::State& state)
{
    const Drawn drawn(ThousandLines);
    for (auto _ : state)
        benchmark::DoNotOptimize(svgDocument(buildScene(*drawn.recording)));
}

} // namespace

BENCHMARK(AnimationOfThousandLines)->Unit(benchmark::kMillisecond);
BENCHMARK(AnimationOfSpiral)->Unit(benchmark::kMillisecond);
BENCHMARK(SvgOfThousandLines)->Unit(benchmark::kMillisecond);
