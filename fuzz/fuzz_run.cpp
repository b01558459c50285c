// Feeds arbitrary bytes to the core as a program file and runs it with a small step
// budget, so every input ends quickly: any crash, sanitizer report, hang or runaway memory
// is a fault of the interpreter.

#include "run/bigstack.h"

#include "platform/colour.h"
#include "platform/rasterpage.h"
#include "platform/textcodec.h"
#include "interpreter/machine.h"
#include "run/runloop.h"
#include "run/runsession.h"
#include "run/stepgate.h"
#include "run/trace.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace
{

// Small enough that a run costs milliseconds; figures still get ten times as many steps.
constexpr std::int64_t MaxSteps = 2000;

// A page costs an image and a painter, so one is kept and brought back to the state a new
// page has. The machine is cheap and starts fresh, so no state leaks between inputs.
zimo::RasterPage& sharedPage()
{
    static zimo::RasterPage* page = new zimo::RasterPage;
    page->setLineStyle(0);
    page->setPenWidth(1);
    page->setBackground(zimo::rgb(255, 255, 255));
    page->setCurrentPoint(QPointF());
    return *page;
}

// Whether this input runs with a trace: decided by the bytes, so a crash reproduces, and
// about half of all inputs, so the trace formatting sees every kind of event.
bool wantsTrace(const std::uint8_t* data, std::size_t size)
{
    unsigned h = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 16777619u;
    return (h >> 7) & 1u;
}

// ZIMO_FUZZ_SMALL_STACK=1 runs on the caller's stack, to find how deep a run may recurse.
bool onCallerStack()
{
    static const bool small = std::getenv("ZIMO_FUZZ_SMALL_STACK") != nullptr;
    return small;
}

// ZIMO_FUZZ_SKIP_FILL=1 passes over inputs that fill: a fill costs up to a whole page of
// work in one line step, so loops of fills spend the fuzzing time in a known slow spot.
bool skipped(const std::uint8_t* data, std::size_t size)
{
    static const bool skipFill = std::getenv("ZIMO_FUZZ_SKIP_FILL") != nullptr;
    static constexpr char Fill[] = "krasot";
    return skipFill && memmem(data, size, Fill, sizeof Fill - 1) != nullptr;
}

// Watches how deep line steps nest and how much stack that takes; the deepest nesting seen
// is told at exit, since the run's stack must hold the deepest nesting a program can reach.
class DepthWatch : public zimo::StepGate
{
public:
    void start()
    {
        char base = 0;
        m_base = reinterpret_cast<std::uintptr_t>(&base);
    }
    void beforeLineStep(const zimo::Machine&, int, zimo::RunSession& session) override
    {
        const int depth = session.depth() + 1;
        if (depth <= s_deepest)
            return;
        char here = 0;
        s_deepest = depth;
        s_stackBytes = m_base - reinterpret_cast<std::uintptr_t>(&here);
    }
    static void report()
    {
        // The parent of fork mode runs no input itself.
        if (s_deepest == 0)
            return;
        std::fprintf(stderr, "zimo_fuzz_run: deepest nesting %d, %zu KiB of stack\n", s_deepest,
            s_stackBytes / 1024);
    }

private:
    std::uintptr_t m_base = 0;
    static inline int s_deepest = 0;
    static inline std::size_t s_stackBytes = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::atexit(DepthWatch::report);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (skipped(data, size))
        return 0;
    const QString text = zimo::programTextFromFile(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    zimo::RasterPage& page = sharedPage();
    auto machine = std::make_unique<zimo::Machine>(page);
    DepthWatch watch;
    zimo::Trace trace;
    zimo::RunOptions options;
    options.maxSteps = MaxSteps;
    options.gate = &watch;
    if (wantsTrace(data, size))
        options.trace = &trace;
    zimo::RunOutcome outcome;
    auto work = [&] {
        watch.start();
        outcome = zimo::zimet_Click(*machine, text, options);
    };
    if (onCallerStack())
        work();
    else
        zimo::runWithBigStack(work);

    // Nothing asks this run to stop; a failed one must tell the user which line and why.
    if (outcome.end == zimo::RunOutcome::End::Stopped)
        std::abort();
    if (outcome.end == zimo::RunOutcome::End::Failed
        && (outcome.line < 1 || outcome.message.isEmpty()))
        std::abort();
    return 0;
}
