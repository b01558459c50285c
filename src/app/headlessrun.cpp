#include "headlessrun.h"

#include "appmessages.h"
#include "fontapplication.h"

#include "export/exportfiles.h"
#include "export/printdocument.h"
#include "export/recording.h"
#include "export/vectorscene.h"
#include "files/programfile.h"
#include "platform/rasterpage.h"
#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "run/headless.h"
#include "run/trace.h"

#include <QDate>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <functional>
#include <memory>

namespace zimo
{

namespace
{

constexpr std::int64_t DefaultMaxSteps = 10'000'000;
/// A traced run writes a line or more per step: an endless program would fill the disk.
constexpr std::int64_t TracedMaxSteps = 1'000'000;

struct Request {
    QString program;
    QString png;
    QString svg;
    QString gif;
    QString pdf;
    QString trace;
    /// 0 until the command line sets it.
    std::int64_t maxSteps = 0;

    bool wantsRecording() const { return !svg.isEmpty() || !gif.isEmpty() || !pdf.isEmpty(); }
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

// The option that names an output file, or null.
QString* outputOption(Request& request, const QString& option)
{
    if (option == u"--png")
        return &request.png;
    if (option == u"--svg")
        return &request.svg;
    if (option == u"--gif")
        return &request.gif;
    if (option == u"--pdf")
        return &request.pdf;
    if (option == u"--trace")
        return &request.trace;
    return nullptr;
}

// Reads the command line into request; returns what is wrong with it, empty when nothing is.
QString parse(const QStringList& args, Request& request)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString* path = a == u"--run" ? &request.program : outputOption(request, a);
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

std::int64_t stepLimitOf(const Request& request)
{
    if (request.maxSteps > 0)
        return request.maxSteps;
    return request.trace.isEmpty() ? DefaultMaxSteps : TracedMaxSteps;
}

// A line on the standard error stream, in UTF-8.
void complain(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

QString savePdfHeadless(const Request& request, const VectorScene& scene, const QString& text)
{
    const auto app = applicationForFonts();
    DrawingDocument document;
    document.scene = &scene;
    document.name = QFileInfo(request.program).completeBaseName();
    document.date = QDate::currentDate();
    document.programText = text;
    return savePdf(document, request.pdf);
}

// Writes the trace, the picture and the exports; false (with a message) when any did not
// reach its file whole. A file that failed is left as it was before the run.
bool finishOutputs(const Request& request, OutputFile* traceFile, const RasterPage& page,
    const Recording* recording, const QString& text)
{
    bool complete = true;
    using Message = QString (*)(const QString& path, const QString& reason);
    auto write = [&](Message message, const QString& path, const std::function<QString()>& save) {
        if (path.isEmpty())
            return;
        if (const QString problem = save(); !problem.isEmpty()) {
            complain(message(path, problem));
            complete = false;
        }
    };
    write(appmsg::cannotWriteTrace, request.trace, [&] { return traceFile->commit(); });
    write(appmsg::cannotWritePicture, request.png, [&] { return page.savePng(request.png); });
    if (!recording)
        return complete;
    const VectorScene scene = buildScene(*recording);
    write(appmsg::cannotWriteSvg, request.svg, [&] { return saveSvg(scene, request.svg); });
    write(appmsg::cannotWriteAnimation, request.gif,
        [&] { return saveAnimation(*recording, request.gif); });
    write(
        appmsg::cannotWritePdf, request.pdf, [&] { return savePdfHeadless(request, scene, text); });
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
    const LoadedProgram program = readProgramFile(request.program);
    if (!program.ok()) {
        complain(appmsg::cannotRead(request.program, program.problem));
        return 2;
    }
    const QString& text = program.text;

    std::unique_ptr<OutputFile> traceFile;
    if (!request.trace.isEmpty()) {
        traceFile = std::make_unique<OutputFile>(request.trace);
        if (const QString problem = traceFile->open(); !problem.isEmpty()) {
            complain(appmsg::cannotWriteTrace(request.trace, problem));
            return 2;
        }
    }

    auto page = std::make_unique<RasterPage>();
    auto trace = std::make_unique<Trace>(traceFile.get());
    std::unique_ptr<Recording> recording;
    if (request.wantsRecording())
        recording = std::make_unique<Recording>(*page);
    RunOptions options;
    options.trace = traceFile ? trace.get() : nullptr;
    options.maxSteps = stepLimitOf(request);
    const RunOutcome outcome = runOnPage(*page, text, options, recording.get());
    trace.reset();

    if (outcome.end == RunOutcome::End::Failed)
        complain(outcome.message);
    if (outcome.stepLimitReached && request.maxSteps == 0)
        complain(appmsg::stepLimitWithoutOption(options.maxSteps));
    if (!finishOutputs(request, traceFile.get(), *page, recording.get(), text))
        return 2;
    return outcome.end == RunOutcome::End::Failed ? 1 : 0;
}

} // namespace zimo
