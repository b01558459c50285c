#include "headlessrun.h"

#include "bigstack.h"

#include "platform/rasterpage.h"
#include "platform/textcodec.h"
#include "program/machine.h"
#include "program/runloop.h"
#include "program/trace.h"

#include <QFile>

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
    QFile file(request.program);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Nevar atvērt failu %s: %s\n", qPrintable(request.program),
            qPrintable(file.errorString()));
        return 2;
    }
    const QString text = programTextFromFile(file.readAll());

    std::FILE* traceFile = nullptr;
    if (!request.trace.isEmpty()) {
        traceFile = std::fopen(QFile::encodeName(request.trace).constData(), "wb");
        if (!traceFile) {
            std::fprintf(stderr, "Nevar ierakstīt failu %s\n", qPrintable(request.trace));
            return 2;
        }
    }

    auto page = std::make_unique<RasterPage>();
    auto machine = std::make_unique<Machine>(*page);
    auto trace = std::make_unique<Trace>(traceFile);
    machine->run.trace = traceFile ? trace.get() : nullptr;
    RunOptions options;
    options.maxSteps = request.maxSteps;
    RunOutcome outcome;
    // Deeply nested replays recurse; the run gets a stack of its own that is large enough.
    runWithBigStack([&] { outcome = zimet_Click(*machine, text, options); });
    trace.reset();
    if (traceFile)
        std::fclose(traceFile);

    if (!request.png.isEmpty() && !page->savePng(request.png)) {
        std::fprintf(stderr, "Nevar ierakstīt attēlu %s\n", qPrintable(request.png));
        return 2;
    }
    if (outcome.end == RunOutcome::End::Failed) {
        std::fprintf(stderr, "%s\n", outcome.message.toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace zimo
