#include "hints.h"

#include "interpreter/arguments.h"
#include "hints/hintmessages.h"
#include "program/keywords.h"
#include "hints/linereading.h"
#include "program/numbers.h"
#include "hints/proposals.h"

#include <QRegularExpression>

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

// A field with O or l (or I) among its digits, read as those digits.
QString digitsMisread(QStringView field)
{
    QString digits;
    bool hasDigit = false, hasLetter = false;
    for (const QChar c : field) {
        if (c.isDigit()) {
            hasDigit = true;
            digits.append(c);
        } else if (c == u'O' || c == u'o' || c == u'l' || c == u'I') {
            hasLetter = true;
            digits.append(c == u'O' || c == u'o' ? u'0' : u'1');
        } else {
            return {};
        }
    }
    return hasDigit && hasLetter ? digits : QString();
}

QString spliced(const QString& line, qsizetype at, qsizetype length, const QString& text)
{
    return line.left(at) + text + line.mid(at + length);
}

class LineChecker
{
public:
    LineChecker(int n, const QStringList& lines, const ProgramFacts& facts)
        : m_n(n)
        , m_lines(lines)
        , m_line(lines[n - 1])
        , m_facts(facts)
    {
    }

    std::vector<Hint> check()
    {
        if (m_line.trimmed().isEmpty())
            return {};
        const QString atEnd = keywordAtEnd(m_line);
        if (!atEnd.isEmpty())
            add(atEnd);
        const LineReading reading = readLine(m_line, m_facts.procedures);
        for (const Reading& r : reading.readings) {
            // The hint about the word at the end explains what goes wrong in a text that
            // reaches it: no command, or the word taken as the argument.
            const bool explained = !atEnd.isEmpty() && r.offset + r.length == m_line.size();
            if (!r.acts) {
                if (!explained)
                    checkIdle(r);
                continue;
            }
            if (!explained)
                checkFields(r);
            if (r.condition)
                checkCondition(r);
        }
        return m_hints;
    }

private:
    void add(const QString& message, const QString& proposal = {})
    {
        m_hints.push_back({ m_n, message, proposal });
    }

    QStringView textOfReading(const Reading& r) const
    {
        return QStringView(m_line).mid(r.offset, r.length);
    }

    void checkIdle(const Reading& r)
    {
        const QStringView text = textOfReading(r);
        if (!r.branch) {
            if (m_facts.labelStarts(m_line))
                return;
            const QString proposal = proposeLine(text, m_facts.procedures, false);
            add(hintmsg::noCommand(proposal), proposal);
            return;
        }
        if ((r.elseBranch ? text.mid(2) : text).trimmed().isEmpty())
            return;
        const QString fixed = proposeLine(text, m_facts.procedures, true);
        const QString proposal
            = fixed.isEmpty() ? QString() : spliced(m_line, r.offset, r.length, fixed);
        add(r.elseBranch ? hintmsg::noCommandAfterElse(proposal)
                         : hintmsg::noCommandAfterThen(proposal),
            proposal);
    }

    void checkFields(const Reading& r)
    {
        if (r.uses.empty())
            return;
        const QStringView text = textOfReading(r);
        if (commaBeforeBlank(text)) {
            checkBlankAfterComma(r, text);
            return;
        }
        const std::vector<Field> fields = argumentFields(text);
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
                    checkName(f.text.toString(), r.offset + f.start);
            }
        }
    }

    void checkBlankAfterComma(const Reading& r, QStringView text)
    {
        static const QRegularExpression blanksAfterCommas(QStringLiteral(",\\s+"));
        QString joined = text.toString();
        joined.replace(blanksAfterCommas, QStringLiteral(","));
        const QString proposal
            = commaBeforeBlank(joined) ? QString() : spliced(m_line, r.offset, r.length, joined);
        add(hintmsg::blankAfterComma(text.mid(argumentStart(text)).toString(), proposal), proposal);
    }

    // A field the command looks up as a name: at (in the line) is where it stands.
    void checkName(const QString& name, qsizetype at)
    {
        if (name.isEmpty() || m_facts.knows(name))
            return;
        const QString digits = digitsMisread(name);
        if (!digits.isEmpty()) {
            const QString proposal = spliced(m_line, at, name.size(), digits);
            add(hintmsg::letterInNumber(name, proposal), proposal);
        } else if (parseNumber(name) && !mekle_ciparus(QStringView(name))) {
            add(name.front() == u'-' || name.front() == u'+' ? hintmsg::signedNumber(name)
                                                             : hintmsg::fractionalNumber(name));
        } else {
            add(hintmsg::unknownName(name));
        }
    }

    void checkJump(QStringView label)
    {
        if (label.isEmpty())
            return;
        for (const QString& line : m_lines) {
            if (line.startsWith(label))
                return;
        }
        add(hintmsg::noSuchLabel(label.toString()));
    }

    // The left operand is always looked up; the right one unless it is a digit string.
    void checkCondition(const Reading& r)
    {
        const QString left = m_line.mid(r.leftStart, r.leftLength);
        const QString right = m_line.mid(r.rightStart, r.rightLength);
        const QString bareLeft = left.trimmed(), bareRight = right.trimmed();
        if ((left != bareLeft || right != bareRight) && !bareLeft.isEmpty()
            && !bareRight.isEmpty()) {
            const qsizetype end = r.rightStart + r.rightLength;
            const QString condition = bareLeft + m_line[r.rightStart - 1] + bareRight;
            const QString proposal = spliced(m_line, r.leftStart, end - r.leftStart, condition);
            add(hintmsg::blanksInCondition(left != bareLeft ? left : right, proposal), proposal);
            return;
        }
        checkName(left, r.leftStart);
        if (!mekle_ciparus(QStringView(right)))
            checkName(right, r.rightStart);
    }

    int m_n;
    const QStringList& m_lines;
    const QString& m_line;
    const ProgramFacts& m_facts;
    std::vector<Hint> m_hints;
};

} // namespace

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

std::vector<Hint> hintsOfLine(int n, const QStringList& lines, const ProgramFacts& facts)
{
    return LineChecker(n, lines, facts).check();
}

std::vector<Hint> hintsFor(const QStringList& lines)
{
    HintTracker tracker;
    tracker.reset(lines);
    return tracker.all();
}

} // namespace zimo
