#include "headlessrun.h"

#include "appmessages.h"
#include "bigstack.h"

#include "interpreter/machine.h"
#include "platform/rasterpage.h"
#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "run/runloop.h"
#include "run/trace.h"

#include <QRegularExpression>

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

// What is wrong with the value of --max-steps; empty when it is a step count.
QString stepsProblem(const QString& value, std::int64_t& steps)
{
    bool ok = false;
    steps = value.toLongLong(&ok);
    if (ok)
        return steps < 1 ? appmsg::stepsTooFew(value) : QString();
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (digits.match(value).hasMatch())
        return value.startsWith(u'-') ? appmsg::stepsTooFew(value) : appmsg::stepsTooMany(value);
    return appmsg::stepsNotANumber(value);
}

// Reads the command line into request; returns what is wrong with it, empty when nothing is.
QString parse(const QStringList& args, Request& request)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString* path = a == u"--run" ? &request.program
            : a == u"--png"           ? &request.png
            : a == u"--trace"         ? &request.trace
                                      : nullptr;
        if (!path && a != u"--max-steps")
            return appmsg::unknownOption(a);
        if (i + 1 >= args.size())
            return appmsg::missingValue(a);
        const QString& value = args[++i];
        if (path) {
            *path = value;
        } else if (const QString problem = stepsProblem(value, request.maxSteps);
                   !problem.isEmpty()) {
            return problem;
        }
    }
    return request.program.isEmpty() ? appmsg::missingProgram() : QString();
}

// A line on the standard error stream, in UTF-8.
void complain(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

// Writes the trace and the picture; false (with a message) when either did not reach its
// file whole. A file that failed is left as it was before the run.
bool finishOutputs(const Request& request, OutputFile* traceFile, const RasterPage& page)
{
    bool complete = true;
    if (traceFile) {
        if (const QString problem = traceFile->commit(); !problem.isEmpty()) {
            complain(appmsg::cannotWriteTrace(request.trace, problem));
            complete = false;
        }
    }
    if (!request.png.isEmpty()) {
        if (const QString problem = page.savePng(request.png); !problem.isEmpty()) {
            complain(appmsg::cannotWritePicture(request.png, problem));
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
    if (const QString problem = parse(arguments, request); !problem.isEmpty()) {
        complain(problem);
        complain(appmsg::runUsage());
        return 2;
    }
    const FileBytes program = readWholeFile(request.program);
    if (!program.ok()) {
        complain(appmsg::cannotRead(request.program, program.problem));
        return 2;
    }
    const QString text = programTextFromFile(program.bytes);

    std::unique_ptr<OutputFile> traceFile;
    if (!request.trace.isEmpty()) {
        traceFile = std::make_unique<OutputFile>(request.trace);
        if (const QString problem = traceFile->open(); !problem.isEmpty()) {
            complain(appmsg::cannotWriteTrace(request.trace, problem));
            return 2;
        }
    }

    auto page = std::make_unique<RasterPage>();
    auto machine = std::make_unique<Machine>(*page);
    auto trace = std::make_unique<Trace>(traceFile.get());
    RunOptions options;
    options.trace = traceFile ? trace.get() : nullptr;
    options.maxSteps = request.maxSteps;
    RunOutcome outcome;
    // Deeply nested replays recurse; the run gets a stack of its own that is large enough.
    runWithBigStack([&] { outcome = zimet_Click(*machine, text, options); });
    trace.reset();

    if (outcome.end == RunOutcome::End::Failed)
        complain(outcome.message);
    if (!finishOutputs(request, traceFile.get(), *page))
        return 2;
    return outcome.end == RunOutcome::End::Failed ? 1 : 0;
}

} // namespace zimo
