#include "hints/hints.h"

#include "hints/hintmessages.h"
#include "interpreter/arguments.h"
#include "interpreter/loops.h"
#include "program/keywords.h"

#include <algorithm>

namespace zimo
{

namespace
{

const std::vector<Hint> NoHints;

} // namespace

int HintTracker::analysed() const { return std::min(int(m_lines.size()), MostLines); }

void HintTracker::reset(const QStringList& lines)
{
    m_lines = lines;
    m_lineFacts.clear();
    m_lineFacts.reserve(size_t(analysed()));
    for (int n = 1; n <= analysed(); ++n)
        m_lineFacts.push_back(factsOf(lines[n - 1]));
    gather();
    m_readings.assign(size_t(analysed()), {});
    m_roles.assign(size_t(analysed()), {});
    for (int n = 1; n <= analysed(); ++n)
        readLineAt(n);
    m_hints.assign(size_t(lines.size()), {});
    if (lines.size() > MostLines)
        m_hints[MostLines].push_back({ MostLines + 1, hintmsg::tooManyLines(), {} });
    flow(true);
}

bool HintTracker::changeLine(int n, const QString& text)
{
    if (n < 1 || n > int(m_lines.size()))
        return false;
    if (n > analysed()) {
        m_lines[n - 1] = text;
        return false;
    }
    // A jump's target may be the line that changed: when it began, or begins now, with a
    // label.
    const bool target = m_facts.labelStarts(m_lines[n - 1]) || m_facts.labelStarts(text);
    m_lines[n - 1] = text;
    LineFacts facts = factsOf(text);
    if (!(facts == m_lineFacts[size_t(n - 1)])) {
        m_lineFacts[size_t(n - 1)] = std::move(facts);
        const ProgramFacts before = m_facts;
        gather();
        if (!(before == m_facts)) {
            // Only the procedure names change how a line reads; other names change hints.
            const bool calls = before.procedures != m_facts.procedures;
            for (int i = 1; i <= analysed(); ++i) {
                if (calls || i == n)
                    readLineAt(i);
            }
            flow(true);
            return calls;
        }
    }
    const LineRole before = m_roles[size_t(n - 1)];
    readLineAt(n);
    if (target || !(before == m_roles[size_t(n - 1)]))
        flow(false);
    rehint(n);
    for (int i = 1; target && i <= analysed(); ++i) {
        if (i != n && m_lineFacts[size_t(i - 1)].jumps)
            rehint(i);
    }
    return false;
}

const std::vector<Hint>& HintTracker::hintsOf(int n) const
{
    if (n < 1 || n > int(m_hints.size()))
        return NoHints;
    return m_hints[size_t(n - 1)];
}

std::vector<Hint> HintTracker::all() const
{
    std::vector<Hint> hints;
    for (const std::vector<Hint>& line : m_hints)
        hints.insert(hints.end(), line.begin(), line.end());
    return hints;
}

// The names a line gives the program, read without the procedure names, which add only
// calls.
HintTracker::LineFacts HintTracker::factsOf(const QString& line)
{
    LineFacts facts;
    if (!kw::has(line, kw::Procedura) && !kw::has(line, kw::Lidz) && !kw::has(line, u" vertibu")
        && !kw::has(line, kw::IetUz))
        return facts;
    const LineReading reading = readLine(line, {});
    if (reading.definition && !reading.procedureName.isEmpty())
        facts.procedure = reading.procedureName;
    for (const Reading& r : reading.readings) {
        const QStringView text = QStringView(line).mid(r.offset, r.length);
        facts.jumps = facts.jumps || r.jumps;
        if (r.opensLoop) {
            if (const auto name = forLoopName(text))
                facts.loopVariables.append(name->toString());
        }
        for (const ArgumentUse& use : r.uses) {
            if (use.use != FieldUse::VariableName && use.use != FieldUse::Label)
                continue;
            if (commaBeforeBlank(text))
                continue;
            const QString field = argumentFields(text).front().text.toString();
            if (use.use == FieldUse::Label)
                facts.labels.append(field);
            else if (!mekle_ciparus(QStringView(field)))
                facts.variables.append(field);
        }
    }
    return facts;
}

void HintTracker::gather()
{
    ProgramFacts facts;
    for (const LineFacts& line : m_lineFacts) {
        if (!line.procedure.isEmpty() && !facts.procedures.contains(line.procedure))
            facts.procedures.append(line.procedure);
        for (const QString& name : line.loopVariables)
            facts.loopVariables.insert(name);
        for (const QString& name : line.variables)
            facts.tableVariables.insert(name);
        for (const QString& label : line.labels)
            facts.labels.insert(label);
    }
    facts.valueNames = QStringList(facts.loopVariables.cbegin(), facts.loopVariables.cend());
    for (const QString& name : facts.tableVariables) {
        if (!facts.loopVariables.contains(name))
            facts.valueNames.append(name);
    }
    facts.valueNames.sort();
    m_facts = std::move(facts);
}

void HintTracker::readLineAt(int n)
{
    const QString& line = m_lines[n - 1];
    m_readings[size_t(n - 1)] = readLine(line, m_facts.procedures);
    m_roles[size_t(n - 1)] = roleOf(line, m_readings[size_t(n - 1)]);
}

void HintTracker::flow(bool rehintAll)
{
    const QStringList lines = m_lines.mid(0, analysed());
    std::vector<LineContext> contexts
        = analyseFlow(lines, m_roles, m_facts.valueNames, m_facts.procedures);
    std::swap(contexts, m_contexts);
    for (int n = 1; n <= analysed(); ++n) {
        if (rehintAll || contexts.size() != m_contexts.size()
            || !(contexts[size_t(n - 1)] == m_contexts[size_t(n - 1)]))
            rehint(n);
    }
}

void HintTracker::rehint(int n)
{
    m_hints[size_t(n - 1)]
        = hintsOfLine(n, m_lines, m_facts, m_readings[size_t(n - 1)], m_contexts[size_t(n - 1)]);
}

} // namespace zimo
