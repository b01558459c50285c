#include "runloop.h"

#include "interpreter/arguments.h"
#include "interpreter/machine.h"
#include "interpreter/reset.h"
#include "platform/textcodec.h"
#include "platform/workfile.h"
#include "program/keywords.h"
#include "program/messages.h"
#include "program/runerror.h"
#include "run/runsession.h"
#include "run/trace.h"

namespace zimo
{

namespace
{

// Splits the text (with the line end the run adds) into the line array, through the
// work file when there is one.
void loadLines(Machine& m, const QString& text, const RunOptions& options, RunOutcome& outcome)
{
    const QString withEnd = text + QStringLiteral("\r\n");
    QString read = withEnd;
    if (options.workFile) {
        const PassedThrough back = passThroughFile(*options.workFile, withEnd);
        if (back.ok()) {
            read = back.text;
        } else {
            outcome.workFileFailed = true;
            outcome.workFileProblem = back.problem;
        }
    }
    const QStringList lines = splitWorkFileLines(read);
    ProgramState& p = m.program;
    if (lines.size() > ProgramState::MaxLines)
        failAt(ProgramState::MaxLines + 1, msg::tooManyLines());
    p.lineCount = int(lines.size());
    for (int i = 1; i <= ProgramState::MaxLines; ++i)
        p.setLine(i, i <= p.lineCount ? lines[i - 1] : QString());
}

void registerProcedures(Machine& m)
{
    ProgramState& p = m.program;
    for (int i = 1; i <= p.lineCount; ++i) {
        if (!p.holds(i, kw::KProcedura))
            continue;
        if (p.procedureCount >= ProgramState::MaxProcedures)
            failAt(i, msg::tooManyProcedures());
        const QString name = atLine(i, [&] { return lielums(p, 1, i).toText(); });
        ++p.procedureCount;
        p.procedures[size_t(p.procedureCount)] = { name, i };
    }
}

// Passes over a definition reached in sequence: to the line after its end.
void skipDefinitions(const ProgramState& p, int& v)
{
    while (p.holds(v, kw::KProcedura)) {
        const int definition = v;
        do {
            ++v;
            if (v > p.lineCount)
                failAt(definition, msg::procedureWithoutEnd());
        } while (!p.holds(v, kw::KProcedurasBeigas));
        ++v;
    }
}

void walk(Machine& m, RunSession& session)
{
    ProgramState& p = m.program;
    const int count = p.lineCount;
    for (int v = 1; v <= count; ++v) {
        if (p.inProcedure && p.holds(v, kw::KProcedurasBeigas)) {
            p.inProcedure = false;
            v = p.returnLine;
        }
        atLine(v, [&] { skipDefinitions(p, v); });
        session.lineStep(v);
    }
}

} // namespace

RunOutcome zimet_Click(Machine& m, const QString& programText, const RunOptions& options)
{
    RunOutcome outcome;
    RunSession session(m, options);
    try {
        sakums(m);
        loadLines(m, programText, options, outcome);
        registerProcedures(m);
        walk(m, session);
        if (options.trace)
            options.trace->end();
    } catch (const RunError& e) {
        outcome.end = RunOutcome::End::Failed;
        outcome.line = e.line;
        outcome.message = msg::errorAt(e.line, e.reason);
        outcome.stepLimitReached = session.overStepLimit();
        if (options.trace)
            options.trace->error(e.line, outcome.message);
    } catch (const RunStopped&) {
        outcome.end = RunOutcome::End::Stopped;
        outcome.message = msg::stoppedByUser();
    }
    session.present();
    return outcome;
}

} // namespace zimo
