#include "hints/hints.h"

#include "interpreter/arguments.h"
#include "program/keywords.h"
#include "hints/linereading.h"
#include "interpreter/loops.h"

namespace zimo
{

namespace
{

const std::vector<Hint> NoHints;

} // namespace

void HintTracker::reset(const QStringList& lines)
{
    m_lines = lines;
    m_lineFacts.clear();
    m_lineFacts.reserve(size_t(lines.size()));
    for (const QString& line : lines)
        m_lineFacts.push_back(factsOf(line));
    gather();
    m_hints.assign(size_t(lines.size()), {});
    for (int n = 1; n <= int(lines.size()); ++n)
        rehint(n);
}

bool HintTracker::changeLine(int n, const QString& text)
{
    if (n < 1 || n > int(m_lines.size()))
        return false;
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
            for (int i = 1; i <= int(m_lines.size()); ++i)
                rehint(i);
            return true;
        }
    }
    rehint(n);
    for (int i = 1; target && i <= int(m_lines.size()); ++i) {
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
    m_facts = std::move(facts);
}

void HintTracker::rehint(int n) { m_hints[size_t(n - 1)] = hintsOfLine(n, m_lines, m_facts); }

} // namespace zimo
