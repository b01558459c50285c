#pragma once

#include "platform/rasterpage.h"
#include "interpreter/machine.h"
#include "run/runloop.h"
#include "run/trace.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>

namespace zimo::test
{

/// A page, a machine and an in-memory trace: what a headless run has.
struct Session {
    std::unique_ptr<RasterPage> page = std::make_unique<RasterPage>();
    std::unique_ptr<Machine> machine = std::make_unique<Machine>(*page);
    std::unique_ptr<Trace> trace = std::make_unique<Trace>();
    RunOutcome outcome;

    /// Runs lines joined with CR LF, as the Run button does.
    RunOutcome& run(const QStringList& lines, std::int64_t maxSteps = 100000)
    {
        trace = std::make_unique<Trace>();
        RunOptions options;
        options.maxSteps = maxSteps;
        options.trace = trace.get();
        outcome = zimet_Click(*machine, lines.join(QStringLiteral("\r\n")), options);
        return outcome;
    }

    Machine& m() { return *machine; }
    const std::string& text() const { return trace->text(); }
    /// Trace lines that start with prefix.
    QStringList events(const char* prefix) const
    {
        QStringList found;
        for (const QString& line : QString::fromStdString(trace->text()).split(u'\n')) {
            if (line.startsWith(QLatin1String(prefix)))
                found.append(line);
        }
        return found;
    }
    /// The line numbers of the line steps, in order.
    QList<int> steps() const
    {
        QList<int> numbers;
        for (const QString& line : events("line "))
            numbers.append(line.section(u' ', 1, 1).toInt());
        return numbers;
    }
    bool failed() const { return outcome.end == RunOutcome::End::Failed; }
};

} // namespace zimo::test
