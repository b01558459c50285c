// The hints a line draws from the program around it: the blocks it opens or closes, the
// calls that do not come back, the jumps that go nowhere, the commands of a conditional
// line that act whatever the condition, and the pen a fill finds.

#include "hints/linechecker.h"

#include "hints/hintmessages.h"
#include "program/keywords.h"

#include <QRegularExpression>

namespace zimo
{

namespace
{

using namespace kw;

bool partOfWord(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// The word, or the keyword, that holds the first place where name stands in the line,
// when it is more than the name itself.
QString wordAround(const QString& line, const QString& name, const LineReading& reading)
{
    const qsizetype at = line.indexOf(name);
    if (at < 0)
        return {};
    for (const Span& s : reading.spans) {
        const bool keyword
            = s.kind != SpanKind::Call && s.kind != SpanKind::Number && s.kind != SpanKind::Name;
        if (keyword && s.start < at + name.size() && at < s.start + s.length)
            return line.mid(s.start, s.length).trimmed();
    }
    qsizetype from = at, to = at + name.size();
    while (from > 0 && partOfWord(line[from - 1]))
        --from;
    while (to < line.size() && partOfWord(line[to]))
        ++to;
    return to - from > name.size() ? line.mid(from, to - from) : QString();
}

// The commands the dispatcher carries out on a conditional line whatever the condition.
constexpr Key Unconditional[] = { KPaslepts, KRedzams, KNo, KNakosais, KAtkartot, KBeigas };

} // namespace

void LineChecker::checkStructure()
{
    checkBlocks();
    checkCalls();
    checkConditional();
    if (m_context.penWidth >= 2) {
        for (const Reading& r : m_reading->readings) {
            if (r.keys & bit(KKrasot)) {
                add(hintmsg::fillWithWidePen(m_context.penWidth));
                break;
            }
        }
    }
}

void LineChecker::checkBlocks()
{
    switch (m_context.fault) {
    case BlockFault::None:
        break;
    case BlockFault::RepeatNotClosed:
        add(hintmsg::repeatNotClosed());
        break;
    case BlockFault::ForNotClosed:
        add(hintmsg::forNotClosed());
        break;
    case BlockFault::EndWithoutRepeat:
        add(hintmsg::endWithoutRepeat());
        break;
    case BlockFault::NextWithoutFor:
        add(hintmsg::nextWithoutFor());
        break;
    case BlockFault::ProcedureNotClosed:
        add(hintmsg::procedureNotClosed());
        break;
    case BlockFault::Crossed:
        add(m_reading->readings.front().keys & bit(KBeigas)
                ? hintmsg::endCrossesFor(m_context.faultLine)
                : hintmsg::nextCrossesRepeat(m_context.faultLine));
        break;
    }
}

void LineChecker::checkCalls()
{
    const Reading& whole = m_reading->readings.front();
    const QStringList& names = m_facts.procedures;
    for (std::size_t i = 1; i < m_reading->readings.size(); ++i) {
        if (!m_reading->readings[i].calls.empty()) {
            add(hintmsg::callInBranch());
            break;
        }
    }
    if (whole.calls.empty())
        return;
    for (const int k : whole.calls) {
        const QString word = wordAround(m_line, names[k], *m_reading);
        if (!word.isEmpty()) {
            add(hintmsg::callInsideWord(names[k], word));
            return;
        }
    }
    const QString name = names[whole.calls.front()];
    if (whole.calls.size() > 1) {
        QStringList called;
        for (const int k : whole.calls)
            called.append(QStringLiteral("„%1”").arg(names[k]));
        add(hintmsg::severalCalls(called.join(QStringLiteral(", "))));
    } else if (m_context.procedure > 0) {
        add(hintmsg::callInProcedure(name, names[m_context.procedure - 1]));
    } else if (m_context.loop > 0 && m_context.repeats) {
        add(hintmsg::callInLoop(name));
    }
}

void LineChecker::checkConditional()
{
    const LineReading& reading = *m_reading;
    bool branchJump = false;
    for (std::size_t i = 1; i < reading.readings.size(); ++i)
        branchJump = branchJump || (reading.readings[i].keys & bit(KIetUz));
    // Inside a loop the jump leaves the loop, which is how a loop is ended early.
    if (branchJump && m_context.loop == 0)
        add(hintmsg::jumpInBranch());
    const Mask keys = reading.readings.front().keys;
    if (!(keys & bit(KJa))) {
        checkThen();
        return;
    }
    if (keys & bit(KBeigt))
        add(hintmsg::endsWhatever());
    for (const Key key : Unconditional) {
        if (keys & bit(key))
            add(hintmsg::actsWhatever(kw::textOf(key).trimmed().toString()));
    }
}

// A line that begins with "ja " and a condition but has no "tad " is no conditional: the
// commands after the condition act every time. The line meant has "tad " after the
// condition's right side.
void LineChecker::checkThen()
{
    const QString line = m_line.trimmed();
    // "tad" written at the end without its blank has a hint of its own, and a line on which
    // nothing acts has that one.
    if (!line.startsWith(Ja) || line.endsWith(Tad.trimmed()) || m_facts.labelStarts(m_line)
        || !m_reading->readings.front().acts)
        return;
    const qsizetype op = line.indexOf(QRegularExpression(QStringLiteral("[=<>]")), Ja.size());
    if (op < 0)
        return;
    const qsizetype blank = line.indexOf(u' ', op);
    const bool operandAfter = op + 1 < line.size() && !line[op + 1].isSpace();
    QString proposal;
    if (operandAfter && blank > 0) {
        const qsizetype at = m_line.indexOf(line) + blank + 1;
        const QString candidate = m_line.left(at) + Tad.toString() + m_line.mid(at);
        if (readsWell(candidate))
            proposal = candidate;
    }
    add(hintmsg::thenMissing(proposal), proposal);
}

} // namespace zimo
