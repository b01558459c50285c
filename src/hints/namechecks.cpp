// The checks of the values a line's commands read: the numbers they quietly change and the
// names they look up.

#include "hints/linechecker.h"

#include "hints/foreignwords.h"
#include "hints/hintmessages.h"
#include "hints/proposals.h"
#include "interpreter/arguments.h"
#include "program/keywords.h"
#include "program/numbers.h"

#include <array>
#include <cmath>
#include <utility>

namespace zimo
{

namespace
{

using namespace kw;

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

// Commands whose opposite takes a positive amount where they are given a negative one.
constexpr std::array<std::pair<Key, Key>, 6> Opposites = { { { KLenkisPaLabi, KLenkisPaKreisi },
    { KLenkisPaKreisi, KLenkisPaLabi }, { KPaLabi, KPaKreisi }, { KPaKreisi, KPaLabi },
    { KUzAugsu, KUzLeju }, { KUzLeju, KUzAugsu } } };

} // namespace

void LineChecker::checkValues(const Reading& r, const std::vector<Field>& fields)
{
    // A field index beyond the last reads the last field, as the run does.
    auto number = [&](int i) -> std::pair<QString, double> {
        const QStringView f = fields[size_t(std::min(i, int(fields.size())) - 1)].text;
        if (f.isEmpty() || !mekle_ciparus(f))
            return { {}, 0 };
        return { f.toString(), digitsValue(f) };
    };
    auto colour = [&](int i) {
        const auto [text, value] = number(i);
        if (!text.isEmpty() && (value < 1 || value > 36))
            add(hintmsg::colourOutOfRange(text, value > 36 ? 36 : 1));
    };
    if (r.keys & (bit(KLinijasKrasa) | bit(KFonaKrasa)))
        colour(1);
    if (r.keys & bit(KKrasot)) {
        colour(3);
        colour(4);
    }
    if (r.keys & bit(KLinijasStils)) {
        const auto [text, value] = number(1);
        if (!text.isEmpty() && (value < 1 || value > 6))
            add(hintmsg::styleOutOfRange(text));
    }
    if (r.keys & bit(KBiezums)) {
        const auto [text, value] = number(1);
        if (!text.isEmpty() && std::nearbyint(value) < 1)
            add(hintmsg::widthBelowOne(text));
    }
}

// A field the command looks up as a name: at (in the line) is where it stands.
void LineChecker::checkName(const QString& name, qsizetype at, const Reading& r)
{
    if (name.isEmpty() || knownHere(name))
        return;
    if (!m_facts.knows(name)) {
        checkUnknownName(name, at, r);
        return;
    }
    // The name gets a value somewhere, but on no way the run comes here.
    const bool onlyLoop
        = m_facts.loopVariables.contains(name) && !m_facts.tableVariables.contains(name);
    if (!onlyLoop) {
        add(hintmsg::valueOnlyLater(name));
        return;
    }
    const auto it = std::lower_bound(m_facts.valueNames.cbegin(), m_facts.valueNames.cend(), name);
    const bool ended = hasName(m_context.ended, it - m_facts.valueNames.cbegin());
    add(ended ? hintmsg::loopAlreadyEnded(name) : hintmsg::loopNotYetStarted(name));
}

void LineChecker::checkUnknownName(const QString& name, qsizetype at, const Reading& r)
{
    if (const QString digits = digitsMisread(name); !digits.isEmpty()) {
        const QString proposal = spliced(m_line, at, name.size(), digits);
        add(hintmsg::letterInNumber(name, proposal), proposal);
        return;
    }
    if (parseNumber(name) && !mekle_ciparus(QStringView(name))) {
        if (name.front() != u'-' && name.front() != u'+') {
            add(hintmsg::fractionalNumber(name));
            return;
        }
        const QString proposal = signFix(name, at, r);
        const bool backwards = name.front() == u'-' && r.keys == bit(KUzPrieksu);
        add(backwards ? hintmsg::signedMove(name) : hintmsg::signedNumber(name, proposal),
            proposal);
        return;
    }
    if (checkColourName(name, at, r))
        return;
    QString proposal;
    if (m_whole) {
        QStringList names = m_facts.valueNames;
        names << QStringLiteral("x") << QStringLiteral("y") << QStringLiteral("lenkis");
        for (const QString& near : nearNames(name, names)) {
            const QString candidate = spliced(m_line, at, name.size(), near);
            if (readsWell(candidate)) {
                proposal = candidate;
                break;
            }
        }
    }
    add(hintmsg::unknownNameMeant(name, proposal), proposal);
}

// A colour written by its name where a colour number belongs: the number it most likely
// means.
bool LineChecker::checkColourName(const QString& name, qsizetype at, const Reading& r)
{
    const bool colourField = (r.keys & (bit(KLinijasKrasa) | bit(KFonaKrasa) | bit(KKrasot)));
    const int number = colourField ? colourNumberOf(name) : 0;
    if (number == 0)
        return false;
    QString proposal;
    if (m_whole) {
        const QString candidate = spliced(m_line, at, name.size(), QString::number(number));
        if (readsWell(candidate))
            proposal = candidate;
    }
    add(hintmsg::colourByName(name, number, proposal), proposal);
    return true;
}

// A sign a command cannot read: "+3" is 3; "-60" of a turn or a move is the opposite
// command with 60; "lenkis -60" is "lenkis 300".
QString LineChecker::signFix(const QString& name, qsizetype at, const Reading& r) const
{
    if (!m_whole)
        return {};
    const QStringView digits = QStringView(name).mid(1);
    if (digits.isEmpty() || !mekle_ciparus(digits))
        return {};
    QString candidate;
    if (name.front() == u'+') {
        candidate = spliced(m_line, at, name.size(), digits.toString());
    } else if (r.keys == bit(KLenkis)) {
        const double angle = std::fmod(360.0 - std::fmod(digitsValue(digits), 360.0), 360.0);
        candidate = spliced(m_line, at, name.size(), numberText(angle));
    } else {
        for (const auto& [key, opposite] : Opposites) {
            if (r.keys != bit(key))
                continue;
            const QString turned = spliced(m_line, at, name.size(), digits.toString());
            const qsizetype word = turned.indexOf(kw::textOf(key), r.offset);
            candidate
                = spliced(turned, word, kw::textOf(key).size(), kw::textOf(opposite).toString());
        }
    }
    return !candidate.isEmpty() && readsWell(candidate) ? candidate : QString();
}

void LineChecker::checkJump(QStringView label)
{
    // A candidate is judged by itself: what other lines begin with does not decide it.
    if (label.isEmpty() || !m_whole)
        return;
    for (const QString& line : m_lines) {
        if (line.startsWith(label))
            return;
    }
    add(hintmsg::noSuchLabel(label.toString()));
}

// The left operand is always looked up; the right one unless it is a digit string.
void LineChecker::checkCondition(const Reading& r)
{
    const QString left = m_line.mid(r.leftStart, r.leftLength);
    const QString right = m_line.mid(r.rightStart, r.rightLength);
    const QString bareLeft = left.trimmed(), bareRight = right.trimmed();
    const qsizetype end = r.rightStart + r.rightLength;
    const QChar op = m_line[r.rightStart - 1];
    if ((left != bareLeft || right != bareRight) && !bareLeft.isEmpty() && !bareRight.isEmpty()) {
        const QString condition = bareLeft + op + bareRight;
        const QString proposal = spliced(m_line, r.leftStart, end - r.leftStart, condition);
        add(hintmsg::blanksInCondition(left != bareLeft ? left : right, proposal), proposal);
        return;
    }
    if (!left.isEmpty() && mekle_ciparus(QStringView(left))) {
        // "ja 445<n" means "ja n>445": the sides change places and the sign turns round.
        QString proposal;
        if (m_whole && !right.isEmpty() && !mekle_ciparus(QStringView(right))) {
            const QChar turned = op == u'<' ? u'>' : op == u'>' ? u'<' : op;
            const QString candidate
                = spliced(m_line, r.leftStart, end - r.leftStart, right + turned + left);
            if (readsWell(candidate))
                proposal = candidate;
        }
        add(hintmsg::numberOnTheLeft(left, proposal), proposal);
    } else {
        checkName(left, r.leftStart, r);
    }
    if (!mekle_ciparus(QStringView(right)))
        checkName(right, r.rightStart, r);
}

} // namespace zimo
