#include "checkrun.h"

#include "appmessages.h"

#include "files/programfile.h"
#include "hints/hints.h"
#include "platform/textcodec.h"

#include <cstdio>

namespace zimo
{

bool wantsCheck(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--check"));
}

int runCheck(const QStringList& arguments)
{
    if (arguments.size() != 2 || arguments.front() != u"--check") {
        std::fprintf(stderr, "%s\n", appmsg::checkUsage().toUtf8().constData());
        return 2;
    }
    const QString path = arguments.back();
    const LoadedProgram program = readProgramFile(path);
    if (!program.ok()) {
        std::fprintf(stderr, "%s\n", appmsg::cannotRead(path, program.problem).toUtf8().constData());
        return 2;
    }
    // The lines are numbered as a run numbers them: the text with the line end the run
    // adds, split by the work-file rule.
    const QStringList lines = splitWorkFileLines(program.text + QStringLiteral("\r\n"));
    const std::vector<Hint> hints = hintsFor(lines);
    for (const Hint& hint : hints)
        std::printf("%d: %s\n", hint.line, hint.message.toUtf8().constData());
    return hints.empty() ? 0 : 1;
}

} // namespace zimo
