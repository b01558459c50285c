#include "proposals.h"

#include "interpreter/arguments.h"
#include "program/keywords.h"
#include "hints/linereading.h"

#include <algorithm>
#include <array>
#include <utility>

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

// The command words (the text before the last blank) written plainly, then the whole text:
// a name among the arguments keeps its letters unless nothing else helps.
QStringList plainVariants(QStringView text)
{
    QStringList variants { text.toString() };
    const qsizetype start = argumentStart(text);
    const QString commandWords = plainLetters(text.left(start)) + text.mid(start).toString();
    for (const QString& v : { commandWords, plainLetters(text) }) {
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

// One letter (or blank) added, taken away, or two neighbours swapped turn a into b.
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

// Every way of writing one word of the list in place of a stretch one edit away from it.
template <typename Accept>
QString nearWordFix(const QString& text, const QStringList& words, Accept accept)
{
    for (const QString& word : words) {
        const qsizetype m = word.size();
        for (qsizetype length = m - 1; length <= m + 1; ++length) {
            for (qsizetype at = 0; at + length <= text.size(); ++at) {
                const QStringView stretch = QStringView(text).mid(at, length);
                if (stretch.front() != word.front() && stretch.back() != word.back())
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

} // namespace

QString plainLetters(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out.append(plainLetter(c));
    return out;
}

QString proposeLine(QStringView text, const QStringList& procedures, bool branch)
{
    auto acts = [&](const QString& candidate) {
        return !candidate.isEmpty() && actsOn(candidate, procedures, branch);
    };
    const QStringList variants = plainVariants(text);
    for (qsizetype i = 1; i < variants.size(); ++i) {
        if (acts(variants[i]))
            return variants[i];
    }
    for (const QString& v : variants) {
        const QString spaced = blankBeforeNumber(v);
        if (acts(spaced))
            return spaced;
    }
    const QStringList words = nearWords(procedures);
    for (const QString& v : variants) {
        const QString fixed = nearWordFix(v, words, acts);
        if (!fixed.isEmpty())
            return fixed;
    }
    return {};
}

} // namespace zimo
