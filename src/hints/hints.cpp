#include "hints.h"

#include "hints/linechecker.h"

namespace zimo
{

bool ProgramFacts::knows(const QString& name) const
{
    return name == u"x" || name == u"y" || name == u"lenkis" || loopVariables.contains(name)
        || tableVariables.contains(name);
}

bool ProgramFacts::labelStarts(const QString& line) const
{
    for (const QString& label : labels) {
        if (!label.isEmpty() && line.startsWith(label))
            return true;
    }
    return false;
}

std::vector<Hint> hintsOfLine(int n, const QStringList& lines, const ProgramFacts& facts,
    const LineReading& reading, const LineContext& context)
{
    return LineChecker(n, lines, facts, context).check(lines[n - 1], reading);
}

std::vector<Hint> hintsFor(const QStringList& lines)
{
    HintTracker tracker;
    tracker.reset(lines);
    return tracker.all();
}

} // namespace zimo
