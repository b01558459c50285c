#include "maketaskrun.h"

#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "tasks/taskcheck.h"
#include "tasks/taskfile.h"

#include <cstdio>

namespace zimo
{

namespace
{

struct Request {
    QString solution;
    QString output;
    Task task;
    QStringList text;
};

bool parseOption(const QString& a, const QString& value, Request& request)
{
    if (a == u"--title") {
        request.task.title = value;
    } else if (a == u"--text") {
        request.text.append(value);
    } else if (a == u"--require") {
        request.task.required.append(value.trimmed());
    } else if (a == u"-o") {
        request.output = value;
    } else if (a == u"--max-lines") {
        bool ok = false;
        request.task.maxLines = value.toInt(&ok);
        return ok && request.task.maxLines > 0;
    } else {
        return false;
    }
    return true;
}

bool parse(const QStringList& args, Request& request)
{
    if (args.size() < 2 || args[0] != u"--make-task")
        return false;
    request.solution = args[1];
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        if (!parseOption(args[i], args[i + 1], request))
            return false;
    }
    request.task.instruction = request.text.join(u'\n').trimmed();
    return args.size() % 2 == 0 && !request.output.isEmpty();
}

int fail(const QString& reason)
{
    std::fprintf(stderr, "%s\n", reason.toUtf8().constData());
    return 2;
}

} // namespace

bool wantsMakeTask(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--make-task"));
}

int runMakeTask(const QStringList& arguments)
{
    Request request;
    if (!parse(arguments, request)) {
        return fail(
            QStringLiteral("Lietošana: zimo --make-task RISINĀJUMS.zkf --title NOSAUKUMS "
                           "--text TEKSTS [--require VĀRDS]... [--max-lines N] -o UZDEVUMS.zku"));
    }
    const FileBytes file = readWholeFile(request.solution);
    if (!file.ok())
        return fail(QStringLiteral("Nevar nolasīt %1: %2").arg(request.solution, file.problem));
    request.task.solution = programTextFromFile(file.bytes);
    if (const QString problem = taskProblem(request.task); !problem.isEmpty())
        return fail(problem);
    const TaskBytes bytes = taskFileBytes(request.task);
    if (!bytes.problem.isEmpty())
        return fail(bytes.problem);
    if (const QString problem = writeFileSafely(request.output, bytes.bytes); !problem.isEmpty())
        return fail(QStringLiteral("Nevar ierakstīt %1: %2").arg(request.output, problem));
    return 0;
}

} // namespace zimo
