#include "proposals.h"

#include "interpreter/arguments.h"
#include "program/keywords.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace zimo
{

namespace
{

constexpr std::array<std::pair<char16_t, char16_t>, 11> Marked = { { { u'ā', u'a' }, { u'č', u'c' },
    { u'ē', u'e' }, { u'ģ', u'g' }, { u'ī', u'i' }, { u'ķ', u'k' }, { u'ļ', u'l' }, { u'ņ', u'n' },
    { u'š', u's' }, { u'ū', u'u' }, { u'ž', u'z' } } };

// Words shorter than this are one edit away from too much of any line.
constexpr qsizetype ShortestNearWord = 4;

QChar plainLetter(QChar c)
{
    c = c.toLower();
    for (const auto& [marked, plain] : Marked) {
        if (c == QChar(marked))
            return QChar(plain);
    }
    return c;
}

// The command words (the text before the last blank) written plainly, the whole text with
// tabs and other blanks as plain blanks, then the whole text written plainly: a name among
// the arguments keeps its letters unless nothing else helps.
QStringList plainVariants(QStringView text)
{
    QStringList variants { text.toString() };
    const qsizetype start = argumentStart(text);
    const QString commandWords = plainLetters(text.left(start)) + text.mid(start).toString();
    QString blanks = text.toString();
    for (QChar& c : blanks) {
        if (c.isSpace())
            c = u' ';
    }
    for (const QString& v : { commandWords, blanks, plainLetters(blanks) }) {
        if (!variants.contains(v))
            variants.append(v);
    }
    return variants;
}

// A blank between a word and the number written right after it ("uz prieksu50").
QString blankBeforeNumber(QStringView text)
{
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i].isDigit() && text[i - 1].isLetter())
            return text.left(i).toString() + u' ' + text.mid(i).toString();
    }
    return {};
}

// The keywords and procedure names, longest first: a longer word is the likelier meaning.
QStringList nearWords(const QStringList& procedures)
{
    QStringList words;
    for (unsigned k = 0; k < kw::KeyCount; ++k)
        words.append(kw::textOf(kw::Key(k)).toString());
    words.append(procedures);
    words.removeIf([](const QString& w) { return w.size() < ShortestNearWord; });
    std::stable_sort(words.begin(), words.end(),
        [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return words;
}

// Every way of writing one word of the list in place of a stretch one edit away from it;
// only stretches that reach into [from, to) are tried.
template <typename Accept>
QString nearWordFix(
    const QString& text, const QStringList& words, qsizetype from, qsizetype to, Accept accept)
{
    for (const QString& word : words) {
        const qsizetype m = word.size();
        for (qsizetype length = m - 1; length <= m + 1; ++length) {
            const qsizetype first = std::max<qsizetype>(0, from - length + 1);
            for (qsizetype at = first; at < to && at + length <= text.size(); ++at) {
                const QStringView stretch = QStringView(text).mid(at, length);
                if (stretch.front() != word.front() && stretch.back() != word.back())
                    continue;
                // Taking the blank between two words away glues them into one.
                const bool gluesBefore = at > 0 && !text[at - 1].isSpace()
                    && stretch.front().isSpace() && !word.front().isSpace();
                const bool gluesAfter = at + length < text.size() && !text[at + length].isSpace()
                    && stretch.back().isSpace() && !word.back().isSpace();
                if (gluesBefore || gluesAfter)
                    continue;
                if (!oneEditApart(stretch, word))
                    continue;
                const QString candidate = text.left(at) + word + text.mid(at + length);
                if (accept(candidate))
                    return candidate;
            }
        }
    }
    return {};
}

// The number of single-letter edits between two short texts.
qsizetype editDistance(QStringView a, QStringView b)
{
    std::vector<qsizetype> row(size_t(b.size() + 1));
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[size_t(j)] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype up = row[size_t(j)];
            row[size_t(j)] = std::min(
                { up + 1, row[size_t(j - 1)] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1) });
            diagonal = up;
        }
    }
    return row[size_t(b.size())];
}

// Keywords that are commands of their own (not parts of one such as "tad " or "lidz ").
bool standsAlone(kw::Key key)
{
    using namespace kw;
    switch (key) {
    case KTad:
    case KFona:
    case KPa:
    case KJa:
    case KNo:
    case KLidz:
    case KSolis:
    case KProceduras:
    case KProcedura:
    case KParvietot:
    case KLenkis:
        return false;
    default:
        return true;
    }
}

// The command whose words the text's command words are nearest to, with the text's own
// arguments: first a command that holds all of its words, in the dispatcher's order, then
// one a few letters away.
QString nearestKeyword(QStringView text, const AcceptLine& accept)
{
    const qsizetype start = argumentStart(text);
    const QString words = plainLetters(text.left(start)).simplified();
    if (words.size() < 3)
        return {};
    const QString arguments = text.mid(start).toString();
    std::vector<std::pair<qsizetype, QString>> candidates;
    const QStringList own = words.split(u' ');
    for (unsigned k = 0; k < kw::KeyCount; ++k) {
        if (!standsAlone(kw::Key(k)))
            continue;
        const QStringView keyword = kw::textOf(kw::Key(k));
        const QString bare = keyword.trimmed().toString();
        const QStringList theirs = bare.split(u' ');
        const bool holds = std::all_of(own.cbegin(), own.cend(),
            [&](const QString& w) { return w.size() >= 4 && theirs.contains(w); });
        const qsizetype distance = editDistance(words, bare);
        if (!holds && distance > bare.size() / 3)
            continue;
        const QString line = keyword.endsWith(u' ') ? keyword.toString() + arguments : bare;
        candidates.push_back({ holds ? -1 : distance, line });
    }
    std::stable_sort(candidates.begin(), candidates.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [distance, line] : candidates) {
        if (accept(line))
            return line;
    }
    return {};
}

} // namespace

QString plainLetters(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out.append(plainLetter(c));
    return out;
}

bool oneEditApart(QStringView a, QStringView b)
{
    if (a.size() == b.size()) {
        qsizetype i = 0;
        while (i < a.size() && a[i] == b[i])
            ++i;
        return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i]
            && a.mid(i + 2) == b.mid(i + 2);
    }
    const QStringView longer = a.size() > b.size() ? a : b;
    const QStringView shorter = a.size() > b.size() ? b : a;
    if (longer.size() != shorter.size() + 1)
        return false;
    qsizetype i = 0;
    while (i < shorter.size() && shorter[i] == longer[i])
        ++i;
    return shorter.mid(i) == longer.mid(i + 1);
}

QString proposeLine(QStringView text, const QStringList& procedures, const AcceptLine& accept)
{
    const QStringList variants = plainVariants(text);
    for (qsizetype i = 1; i < variants.size(); ++i) {
        if (accept(variants[i]))
            return variants[i];
    }
    for (const QString& v : variants) {
        const QString spaced = blankBeforeNumber(v);
        if (!spaced.isEmpty() && accept(spaced))
            return spaced;
    }
    const QStringList words = nearWords(procedures);
    for (const QString& v : variants) {
        const QString fixed = nearWordFix(v, words, 0, v.size(), accept);
        if (!fixed.isEmpty())
            return fixed;
    }
    return nearestKeyword(text, accept);
}

QString proposeWordFix(QStringView text, qsizetype from, qsizetype to,
    const QStringList& procedures, const AcceptLine& accept)
{
    const QString word = text.mid(from, to - from).toString();
    const QString plain = plainLetters(word);
    const QString line = text.toString();
    if (plain != word) {
        const QString candidate = line.left(from) + plain + line.mid(to);
        if (accept(candidate))
            return candidate;
    }
    const QString plainLine = line.left(from) + plain + line.mid(to);
    return nearWordFix(plainLine, nearWords(procedures), from, to, accept);
}

QStringList nearNames(const QString& name, const QStringList& names)
{
    QStringList near;
    const QString plain = plainLetters(name);
    for (const QString& other : names) {
        if (other == name)
            continue;
        const QString plainOther = plainLetters(other);
        if (plain == plainOther || (plain.size() >= 3 && oneEditApart(plain, plainOther)))
            near.append(other);
    }
    return near;
}

} // namespace zimo
