#include "headlessrun.h"

#include "export/exportfiles.h"
#include "export/printdocument.h"
#include "export/recording.h"
#include "export/vectorscene.h"
#include "platform/rasterpage.h"
#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "run/headless.h"
#include "run/trace.h"

#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <functional>
#include <memory>

namespace zimo
{

namespace
{

constexpr std::int64_t DefaultMaxSteps = 10'000'000;

struct Request {
    QString program;
    QString png;
    QString svg;
    QString gif;
    QString pdf;
    QString trace;
    std::int64_t maxSteps = DefaultMaxSteps;

    bool wantsRecording() const { return !svg.isEmpty() || !gif.isEmpty() || !pdf.isEmpty(); }
};

void usage()
{
    std::fputs("Lietošana: zimo --run PROGRAMMA.zkf [--png ATTĒLS.png] [--svg ATTĒLS.svg] "
               "[--gif ANIMĀCIJA.gif] [--pdf DOKUMENTS.pdf] [--trace TRASE.txt] "
               "[--max-steps N]\n",
        stderr);
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

bool parse(const QStringList& args, Request& request)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--run" && hasValue) {
            request.program = args[++i];
        } else if (QString* output = outputOption(request, a); output && hasValue) {
            *output = args[++i];
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

// The printed document needs fonts, which need an application; a headless one, with no
// display, only while the document is made.
QString savePdfHeadless(const Request& request, const VectorScene& scene, const QString& text)
{
    static int argc = 3;
    static char name[] = "zimo", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = { name, option, platform, nullptr };
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance())
        app = std::make_unique<QGuiApplication>(argc, argv);
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
    auto write = [&](const char* what, const QString& path, const std::function<QString()>& save) {
        if (path.isEmpty())
            return;
        if (const QString problem = save(); !problem.isEmpty()) {
            complain(what, path, problem);
            complete = false;
        }
    };
    write("Nevar ierakstīt trasi", request.trace, [&] { return traceFile->commit(); });
    write("Nevar ierakstīt attēlu", request.png, [&] { return page.savePng(request.png); });
    if (!recording)
        return complete;
    const VectorScene scene = buildScene(*recording);
    write("Nevar ierakstīt SVG attēlu", request.svg, [&] { return saveSvg(scene, request.svg); });
    write("Nevar ierakstīt animāciju", request.gif,
        [&] { return saveAnimation(*recording, request.gif); });
    write("Nevar ierakstīt PDF dokumentu", request.pdf,
        [&] { return savePdfHeadless(request, scene, text); });
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

    auto page = std::make_unique<RasterPage>();
    auto trace = std::make_unique<Trace>(traceFile.get());
    std::unique_ptr<Recording> recording;
    if (request.wantsRecording())
        recording = std::make_unique<Recording>(*page);
    RunOptions options;
    options.trace = traceFile ? trace.get() : nullptr;
    options.maxSteps = request.maxSteps;
    const RunOutcome outcome = runOnPage(*page, text, options, recording.get());
    trace.reset();

    if (outcome.end == RunOutcome::End::Failed)
        std::fprintf(stderr, "%s\n", outcome.message.toUtf8().constData());
    if (!finishOutputs(request, traceFile.get(), *page, recording.get(), text))
        return 2;
    return outcome.end == RunOutcome::End::Failed ? 1 : 0;
}

} // namespace zimo
