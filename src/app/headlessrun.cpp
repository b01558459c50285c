#include "headlessrun.h"

#include "platform/rasterpage.h"
#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "run/headless.h"
#include "run/trace.h"

#include <cstdio>
#include <memory>

namespace zimo
{

namespace
{

constexpr std::int64_t DefaultMaxSteps = 10'000'000;

struct Request {
    QString program;
    QString png;
    QString trace;
    std::int64_t maxSteps = DefaultMaxSteps;
};

void usage()
{
    std::fputs("Lietošana: zimo --run PROGRAMMA.zkf [--png ATTĒLS.png] [--trace TRASE.txt] "
               "[--max-steps N]\n",
        stderr);
}

bool parse(const QStringList& args, Request& request)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--run" && hasValue) {
            request.program = args[++i];
        } else if (a == u"--png" && hasValue) {
            request.png = args[++i];
        } else if (a == u"--trace" && hasValue) {
            request.trace = args[++i];
        } else if (a == u"--max-steps" && hasValue) {
            bool ok = false;
            request.maxSteps = args[++i].toLongLong(&ok);
            if (!ok || request.maxSteps < 1)
                return false;
        } else {
            return false;
        }
    }
    return !request.program.isEmpty();
}

// A message on the standard error stream; the command line shows it as it is.
void complain(const char* what, const QString& path, const QString& reason)
{
    std::fprintf(stderr, "%s %s: %s\n", what, qPrintable(path), reason.toUtf8().constData());
}

// Writes the trace and the picture; false (with a message) when either did not reach its
// file whole. A file that failed is left as it was before the run.
bool finishOutputs(const Request& request, OutputFile* traceFile, const RasterPage& page)
{
    bool complete = true;
    if (traceFile) {
        if (const QString problem = traceFile->commit(); !problem.isEmpty()) {
            complain("Nevar ierakstīt trasi", request.trace, problem);
            complete = false;
        }
    }
    if (!request.png.isEmpty()) {
        if (const QString problem = page.savePng(request.png); !problem.isEmpty()) {
            complain("Nevar ierakstīt attēlu", request.png, problem);
            complete = false;
        }
    }
    return complete;
}

} // namespace

bool wantsHeadless(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--run"));
}

int runHeadless(const QStringList& arguments)
{
    Request request;
    if (!parse(arguments, request)) {
        usage();
        return 2;
    }
    const FileBytes program = readWholeFile(request.program);
    if (!program.ok()) {
        complain("Nevar nolasīt failu", request.program, program.problem);
        return 2;
    }
    const QString text = programTextFromFile(program.bytes);

    std::unique_ptr<OutputFile> traceFile;
    if (!request.trace.isEmpty()) {
        traceFile = std::make_unique<OutputFile>(request.trace);
        if (const QString problem = traceFile->open(); !problem.isEmpty()) {
            complain("Nevar ierakstīt trasi", request.trace, problem);
            return 2;
        }
    }

    auto trace = std::make_unique<Trace>(traceFile.get());
    RunOptions options;
    options.trace = traceFile ? trace.get() : nullptr;
    options.maxSteps = request.maxSteps;
    const HeadlessRun run = runWithoutWindow(text, options);
    const RunOutcome& outcome = run.outcome;
    trace.reset();

    if (outcome.end == RunOutcome::End::Failed)
        std::fprintf(stderr, "%s\n", outcome.message.toUtf8().constData());
    if (!finishOutputs(request, traceFile.get(), *run.page))
        return 2;
    return outcome.end == RunOutcome::End::Failed ? 1 : 0;
}

} // namespace zimo
