#include "graderun.h"

#include "fontapplication.h"

#include "platform/pngfile.h"
#include "platform/safefile.h"
#include "tasks/classgrade.h"
#include "tasks/classsheet.h"
#include "tasks/picturecompare.h"
#include "tasks/taskcheck.h"
#include "tasks/taskfile.h"

#include <algorithm>
#include <cstdio>

namespace zimo
{

namespace
{

struct Request {
    QString task;
    QStringList programs;
    QString csv;
    QString sheet;
};

bool parse(const QStringList& args, Request& request)
{
    if (args.size() < 3 || args[0] != u"--grade")
        return false;
    request.task = args[1];
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--csv" && hasValue)
            request.csv = args[++i];
        else if (a == u"--sheet" && hasValue)
            request.sheet = args[++i];
        else if (a.startsWith(u"--"))
            return false;
        else
            request.programs.append(a);
    }
    return !request.programs.isEmpty();
}

void complain(const char* what, const QString& path, const QString& reason)
{
    std::fprintf(stderr, "%s %s: %s\n", what, qPrintable(path), reason.toUtf8().constData());
}

QString writeSheet(const QString& path, const QString& title, const QList<GradedProgram>& graded)
{
    const auto app = applicationForFonts();
    return savePngFile(path, classSheet(title, graded));
}

// Writes what was asked for; false (with a message) when an output did not reach its file.
bool writeOutputs(const Request& request, const QString& title, const QList<GradedProgram>& graded)
{
    bool complete = true;
    if (!request.csv.isEmpty()) {
        if (const QString problem = writeFileSafely(request.csv, gradeCsv(graded));
            !problem.isEmpty()) {
            complain("Nevar ierakstīt tabulu", request.csv, problem);
            complete = false;
        }
    }
    if (!request.sheet.isEmpty()) {
        if (const QString problem = writeSheet(request.sheet, title, graded); !problem.isEmpty()) {
            complain("Nevar ierakstīt attēlu", request.sheet, problem);
            complete = false;
        }
    }
    return complete;
}

} // namespace

bool wantsGrade(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--grade"));
}

int runGrade(const QStringList& arguments)
{
    Request request;
    if (!parse(arguments, request)) {
        std::fputs("Lietošana: zimo --grade UZDEVUMS.zku PROGRAMMA.zkf... [--csv TABULA.csv] "
                   "[--sheet ATTĒLS.png]\n",
            stderr);
        return 2;
    }
    const TaskRead read = readTaskFile(request.task);
    const TargetPicture target = read.ok() ? targetPicture(read.task) : TargetPicture {};
    if (!read.ok() || !target.ok()) {
        complain(
            "Nevar izmantot uzdevumu", request.task, read.ok() ? target.problem : read.problem);
        return 2;
    }
    PictureCheck check(target.picture);
    QList<GradedProgram> graded;
    for (const QString& program : request.programs) {
        graded.append(gradeProgram(read.task, check, program));
        std::printf("%s\n", gradeLine(graded.back()).toUtf8().constData());
        std::fflush(stdout);
    }
    if (!writeOutputs(request, read.task.title, graded))
        return 2;
    const bool all = std::all_of(
        graded.cbegin(), graded.cend(), [](const GradedProgram& g) { return g.solved; });
    return all ? 0 : 1;
}

} // namespace zimo
