#include "checkrun.h"

#include "hints/hints.h"
#include "platform/textcodec.h"

#include <QFile>

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
        std::fputs("Lietošana: zimo --check PROGRAMMA.zkf\n", stderr);
        return 2;
    }
    const QString path = arguments.back();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Nevar atvērt failu %s: %s\n", qPrintable(path),
            qPrintable(file.errorString()));
        return 2;
    }
    // The lines are numbered as a run numbers them: the text with the line end the run
    // adds, split by the work-file rule.
    const QString text = programTextFromFile(file.readAll());
    const QStringList lines = splitWorkFileLines(text + QStringLiteral("\r\n"));
    const std::vector<Hint> hints = hintsFor(lines);
    for (const Hint& hint : hints)
        std::printf("%d: %s\n", hint.line, hint.message.toUtf8().constData());
    return hints.empty() ? 0 : 1;
}

} // namespace zimo
