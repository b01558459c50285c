// Hints of a 1000-line program: working out every line, and one keystroke's update of one
// line through the tracker: a line whose change leaves the ways of the run alone, one that
// changes the pen every later line is drawn with, and a procedure's name.

#include "hints/hints.h"

#include <benchmark/benchmark.h>

using namespace zimo;

namespace
{

// A program of the usual commands, with a loop, a procedure, conditions and a few lines
// that draw hints, repeated to 1000 lines.
QStringList thousandLines()
{
    const QStringList pattern = {
        QStringLiteral("procedura kvadrats"),
        QStringLiteral("atkartot 4"),
        QStringLiteral("uz prieksu 40"),
        QStringLiteral("lenkis pa labi 90"),
        QStringLiteral("beigas"),
        QStringLiteral("proceduras beigas"),
        QStringLiteral("palielinat vertibu c,5"),
        QStringLiteral("no k=1 lidz 12"),
        QStringLiteral("ja k>6 tad linijas krasa 10 citadi linijas krasa 33"),
        QStringLiteral("koordinatas px,300"),
        QStringLiteral("zieds 5,50,50"),
        QStringLiteral("kvadrats"),
        QStringLiteral("nakosais"),
        QStringLiteral("uz priekšu 50"),
        QStringLiteral("zieds 5,100,1OO"),
        QStringLiteral("iet uz 15"),
        QStringLiteral("krasot 300,200,1,22"),
        QStringLiteral("biezums 3"),
        QStringLiteral("linijas stils 2"),
        QStringLiteral("pa kreisi 20"),
    };
    QStringList lines;
    while (lines.size() < 1000)
        lines.append(pattern[lines.size() % pattern.size()]);
    return lines;
}

void WholeProgram(benchmark::State& state)
{
    const QStringList lines = thousandLines();
    for (auto _ : state)
        benchmark::DoNotOptimize(hintsFor(lines));
}

// Typing a letter into line n (at position at, or at its end), then taking it out again.
void typeInto(benchmark::State& state, int n, const QString& letter, qsizetype at = -1)
{
    const QStringList lines = thousandLines();
    HintTracker tracker;
    tracker.reset(lines);
    const QString before = lines[n - 1];
    const QString after = QString(before).insert(at < 0 ? before.size() : at, letter);
    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        tracker.changeLine(n, typed ? after : before);
        benchmark::DoNotOptimize(tracker.hintsOf(n));
    }
}

// The usual keystroke: a digit in a movement line in the middle.
void OneKeystroke(benchmark::State& state) { typeInto(state, 503, QStringLiteral("5")); }

// A digit in a "biezums" line: the width changes for every line after it, so the ways of
// the run are worked out again.
void KeystrokeInAPenLine(benchmark::State& state) { typeInto(state, 518, QStringLiteral("5")); }

// The rare one: a letter in a procedure's name changes what every line may call.
void KeystrokeInAProcedureName(benchmark::State& state)
{
    typeInto(state, 501, QStringLiteral("s"));
}

// A letter in the name a "palielinat vertibu" line gives a value: the names every line may
// use change.
void KeystrokeInAVariableName(benchmark::State& state)
{
    typeInto(
        state, 507, QStringLiteral("x"), qsizetype(QStringLiteral("palielinat vertibu c").size()));
}

} // namespace

BENCHMARK(WholeProgram)->Unit(benchmark::kMillisecond);
BENCHMARK(OneKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeystrokeInAPenLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeystrokeInAProcedureName)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeystrokeInAVariableName)->Unit(benchmark::kMicrosecond);
