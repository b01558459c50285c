#include "hints/linechecker.h"

#include "hints/foreignwords.h"
#include "hints/hintmessages.h"
#include "hints/proposals.h"
#include "interpreter/arguments.h"
#include "program/keywords.h"
#include "program/numbers.h"

#include <QRegularExpression>

#include <algorithm>

namespace zimo
{

namespace
{

using namespace kw;

// What the word that ends a line lacks, for a keyword whose blank is missing.
QString whatFollows(QStringView word)
{
    if (word == Tad || word == Citadi)
        return hintmsg::needsCommand();
    if (word == Ja)
        return hintmsg::needsCondition();
    if (word == IetUz)
        return hintmsg::needsLabel();
    if (word == Procedura)
        return hintmsg::needsName();
    return hintmsg::needsNumber();
}

// The longest keyword with a trailing blank that ends the line as a word of its own but
// without its blank, so the run does not find it.
QString keywordAtEnd(const QString& line)
{
    QString found;
    qsizetype foundSize = 0;
    auto test = [&](QStringView word) {
        if (!word.endsWith(u' '))
            return;
        const QStringView core = word.chopped(1);
        const qsizetype before = line.size() - core.size() - 1;
        if (core.size() <= foundSize || !line.endsWith(core))
            return;
        if ((before < 0 || line[before] == u' ') && !has(line, word)) {
            found = hintmsg::keywordAtEnd(core.toString(), whatFollows(word));
            foundSize = core.size();
        }
    };
    for (unsigned k = 0; k < KeyCount; ++k)
        test(textOf(Key(k)));
    test(Citadi);
    return found;
}

bool hasLetter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

bool hasDigit(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// Numbers written apart made one text again: one number for a command that reads one
// field ("5 0" -> "50"), the fields of one that reads several ("100 200" -> "100,200").
// Empty when there are more numbers than the command reads.
QString joinApart(const QString& text, int fields)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList parts = text.split(blanks, Qt::SkipEmptyParts);
    QString joined;
    int count = 1;
    for (const QString& part : parts) {
        const bool apart = !joined.isEmpty() && !joined.endsWith(u',') && !part.startsWith(u',');
        if (apart && fields > 1) {
            joined += u',';
            ++count;
        }
        joined += part;
    }
    return count <= fields ? joined : QString();
}

// How many fields the commands of a reading read.
int fieldsRead(const Reading& r)
{
    int fields = 1;
    for (const ArgumentUse& use : r.uses)
        fields = std::max(fields, use.last);
    return fields;
}

// What the run does with a line, reading by reading: the keywords and calls that act.
std::vector<std::pair<Mask, std::vector<int>>> signature(const LineReading& reading)
{
    std::vector<std::pair<Mask, std::vector<int>>> out;
    for (const Reading& r : reading.readings)
        out.emplace_back(r.keys, r.calls);
    return out;
}

} // namespace

QString spliced(const QString& line, qsizetype at, qsizetype length, const QString& text)
{
    return line.left(at) + text + line.mid(at + length);
}

LineChecker::LineChecker(
    int n, const QStringList& lines, const ProgramFacts& facts, const LineContext& context)
    : m_n(n)
    , m_lines(lines)
    , m_facts(facts)
    , m_context(context)
{
}

std::vector<Hint> LineChecker::check(const QString& line, const LineReading& reading)
{
    m_line = line;
    m_reading = &reading;
    m_hints.clear();
    return run();
}

bool LineChecker::readsWell(const QString& candidate) const
{
    if (candidate.trimmed().isEmpty())
        return false;
    LineChecker inner(m_n, m_lines, m_facts, m_context);
    inner.m_whole = false;
    return inner.check(candidate, readLine(candidate, m_facts.procedures)).empty();
}

std::vector<Hint> LineChecker::run()
{
    if (m_line.trimmed().isEmpty())
        return {};
    const QString atEnd = keywordAtEnd(m_line);
    if (!atEnd.isEmpty())
        add(atEnd);
    if (m_whole)
        checkStructure();
    const bool mended = m_whole && atEnd.isEmpty() && checkUnknownWords();
    for (const Reading& r : m_reading->readings) {
        // The hint about the word at the end explains what goes wrong in a text that
        // reaches it: no command, or the word taken as the argument.
        const bool explained = !atEnd.isEmpty() && r.offset + r.length == m_line.size();
        if (!r.acts) {
            if (!explained)
                checkIdle(r);
            continue;
        }
        if (!explained && !mended)
            checkFields(r);
        if (r.condition)
            checkCondition(r);
    }
    // Two fields or operands may draw the same hint.
    std::vector<Hint> unique;
    for (const Hint& hint : m_hints) {
        if (std::none_of(unique.cbegin(), unique.cend(),
                [&](const Hint& h) { return h.message == hint.message; }))
            unique.push_back(hint);
    }
    return unique;
}

void LineChecker::add(const QString& message, const QString& proposal)
{
    m_hints.push_back({ m_n, message, proposal });
}

QStringView LineChecker::textOf(const Reading& r) const
{
    return QStringView(m_line).mid(r.offset, r.length);
}

bool LineChecker::knownHere(const QString& name) const
{
    if (name == u"x" || name == u"y" || name == u"lenkis")
        return true;
    if (!m_context.reached)
        return m_facts.knows(name);
    const auto it = std::lower_bound(m_facts.valueNames.cbegin(), m_facts.valueNames.cend(), name);
    return it != m_facts.valueNames.cend() && *it == name
        && hasName(m_context.known, it - m_facts.valueNames.cbegin());
}

void LineChecker::checkIdle(const Reading& r)
{
    const QStringView text = textOf(r);
    auto accept = [this](const QString& candidate) { return readsWell(candidate); };
    if (!r.branch) {
        if (m_facts.labelStarts(m_line))
            return;
        if (m_whole) {
            if (const auto foreign = foreignCommand(text, accept)) {
                add(foreign->message, foreign->proposal);
                return;
            }
        }
        const QString proposal
            = m_whole ? proposeLine(text, m_facts.procedures, accept) : QString();
        add(hintmsg::noCommand(proposal), proposal);
        return;
    }
    if ((r.elseBranch ? text.mid(2) : text).trimmed().isEmpty())
        return;
    auto acceptInLine = [&](const QString& fixed) {
        return readsWell(spliced(m_line, r.offset, r.length, fixed));
    };
    const QString fixed = m_whole ? proposeLine(text, m_facts.procedures, acceptInLine) : QString();
    const QString proposal
        = fixed.isEmpty() ? QString() : spliced(m_line, r.offset, r.length, fixed);
    add(r.elseBranch ? hintmsg::noCommandAfterElse(proposal)
                     : hintmsg::noCommandAfterThen(proposal),
        proposal);
}

// A word no command reads on a line where something acts: when the word mended makes the
// run do something else, the line most likely means that.
bool LineChecker::checkUnknownWords()
{
    // A text no command acts on gets its own hint, with its own proposal.
    if (m_reading->definition
        || std::any_of(m_reading->readings.cbegin(), m_reading->readings.cend(),
            [](const Reading& r) { return !r.acts; }))
        return false;
    std::vector<bool> covered(size_t(m_line.size()), false);
    for (const Span& s : m_reading->spans)
        std::fill_n(covered.begin() + s.start, s.length, true);
    const auto before = signature(*m_reading);
    auto accept = [&](const QString& candidate) {
        return readsWell(candidate) && signature(readLine(candidate, m_facts.procedures)) != before;
    };
    for (qsizetype at = 0; at < m_line.size();) {
        if (m_line[at].isSpace()) {
            ++at;
            continue;
        }
        qsizetype end = at;
        bool free = true;
        for (; end < m_line.size() && !m_line[end].isSpace(); ++end)
            free = free && !covered[size_t(end)];
        const QStringView word = QStringView(m_line).mid(at, end - at);
        // A label a jump goes to is a word of its own.
        const bool label = at == 0 && m_facts.labelStarts(m_line);
        if (free && !label && hasLetter(word)) {
            const QString proposal = proposeWordFix(m_line, at, end, m_facts.procedures, accept);
            if (!proposal.isEmpty()) {
                add(hintmsg::unknownWord(word.toString(), proposal), proposal);
                return true;
            }
        }
        at = end;
    }
    return false;
}

void LineChecker::checkFields(const Reading& r)
{
    if (r.uses.empty())
        return;
    const QStringView text = textOf(r);
    if (commaBeforeBlank(text)) {
        checkBlankAfterComma(r, text);
        return;
    }
    if (checkPassedOver(r, text))
        return;
    const std::vector<Field> fields = argumentFields(text);
    checkValues(r, fields);
    std::vector<bool> checked(fields.size(), false);
    for (const ArgumentUse& use : r.uses) {
        if (use.use == FieldUse::Label && r.jumps)
            checkJump(fields.front().text);
        if (use.use != FieldUse::LooksUp)
            continue;
        const int last = std::min(use.last, int(fields.size()));
        for (int i = std::max(use.first, 1); i <= last; ++i) {
            if (checked[size_t(i - 1)])
                continue;
            checked[size_t(i - 1)] = true;
            const Field& f = fields[size_t(i - 1)];
            if (!mekle_ciparus(f.text))
                checkName(f.text.toString(), r.offset + f.start, r);
        }
    }
}

void LineChecker::checkBlankAfterComma(const Reading& r, QStringView text)
{
    // A blank at the very end is the one a child does not see.
    const QString trimmed = text.toString().remove(QRegularExpression(QStringLiteral("\\s+$")));
    if (trimmed.size() < text.size() && !commaBeforeBlank(trimmed)) {
        const QString candidate = spliced(m_line, r.offset, r.length, trimmed);
        const QString proposal = m_whole && readsWell(candidate) ? candidate : QString();
        add(hintmsg::blankAtEnd(proposal), proposal);
        return;
    }
    static const QRegularExpression blanksAfterCommas(QStringLiteral(",\\s+"));
    QString joined = text.toString();
    joined.replace(blanksAfterCommas, QStringLiteral(","));
    const QString proposal
        = commaBeforeBlank(joined) ? QString() : spliced(m_line, r.offset, r.length, joined);
    add(hintmsg::blankAfterComma(text.mid(argumentStart(text)).toString(), proposal), proposal);
}

// Text between a command's words and the last blank: the command never reads it.
bool LineChecker::checkPassedOver(const Reading& r, QStringView text)
{
    const qsizetype argumentsAt = r.offset + argumentStart(text);
    for (const Reading::Command& c : r.commands) {
        if (c.end < 0 || c.end >= argumentsAt)
            continue;
        const QString skipped = m_line.mid(c.end, argumentsAt - c.end);
        if (skipped.trimmed().isEmpty())
            continue;
        const QString command = kw::textOf(c.key).trimmed().toString();
        const QString field = m_line.mid(argumentsAt, r.offset + r.length - argumentsAt);
        const QString proposal = m_whole ? mendPassedOver(r, c.end, skipped, field) : QString();
        if (field.isEmpty())
            add(hintmsg::nothingAfterBlank(command, proposal), proposal);
        else
            add(hintmsg::passedOver(command, field, skipped.trimmed(), proposal), proposal);
        return true;
    }
    return false;
}

// The numbers written apart joined ("uz prieksu 5 0"), the fields of a command that reads
// several ("palielinat vertibu a 5"), or a word after the number left out ("atkartot 12
// reizes").
QString LineChecker::mendPassedOver(
    const Reading& r, qsizetype end, const QString& skipped, const QString& field) const
{
    QString mended;
    if (hasLetter(field) && !hasDigit(field) && !hasLetter(skipped)) {
        mended = skipped.trimmed();
    } else if (!hasLetter(skipped) || fieldsRead(r) > 1) {
        mended = joinApart(skipped + field, fieldsRead(r));
    }
    if (mended.isEmpty())
        return {};
    // The blank a command's words end with stays.
    qsizetype lead = 0;
    while (lead < skipped.size() && skipped[lead].isSpace())
        ++lead;
    const QString candidate = m_line.left(end + lead) + mended + m_line.mid(r.offset + r.length);
    return readsWell(candidate) ? candidate : QString();
}

} // namespace zimo
