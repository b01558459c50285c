#include "hints/foreignwords.h"

#include "hints/hintmessages.h"
#include "hints/proposals.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>

namespace zimo
{

namespace
{

// How a word of another language becomes a line of this one.
enum class Kind { Line, Back, PenUp, PenDown, Repeat, Heading, Colour };

struct Entry {
    QStringView word;
    Kind kind;
    /// The Latvian command; the numbers follow it, as many as it takes.
    QStringView latvian;
    int numbers;
};

constexpr std::array<Entry, 38> Entries = { {
    { u"forward", Kind::Line, u"uz prieksu", 1 },
    { u"fd", Kind::Line, u"uz prieksu", 1 },
    { u"back", Kind::Back, {}, 1 },
    { u"backward", Kind::Back, {}, 1 },
    { u"bk", Kind::Back, {}, 1 },
    { u"left", Kind::Line, u"lenkis pa kreisi", 1 },
    { u"lt", Kind::Line, u"lenkis pa kreisi", 1 },
    { u"right", Kind::Line, u"lenkis pa labi", 1 },
    { u"rt", Kind::Line, u"lenkis pa labi", 1 },
    { u"penup", Kind::PenUp, {}, 0 },
    { u"pu", Kind::PenUp, {}, 0 },
    { u"pendown", Kind::PenDown, {}, 0 },
    { u"pd", Kind::PenDown, {}, 0 },
    { u"repeat", Kind::Repeat, u"atkartot", 1 },
    { u"goto", Kind::Line, u"koordinatas", 2 },
    { u"setpos", Kind::Line, u"koordinatas", 2 },
    { u"setposition", Kind::Line, u"koordinatas", 2 },
    { u"setxy", Kind::Line, u"koordinatas", 2 },
    { u"setheading", Kind::Heading, u"lenkis", 1 },
    { u"seth", Kind::Heading, u"lenkis", 1 },
    { u"pencolor", Kind::Colour, u"linijas krasa", 1 },
    { u"setpencolor", Kind::Colour, u"linijas krasa", 1 },
    { u"color", Kind::Colour, u"linijas krasa", 1 },
    { u"setcolor", Kind::Colour, u"linijas krasa", 1 },
    { u"pc", Kind::Colour, u"linijas krasa", 1 },
    { u"bgcolor", Kind::Colour, u"fona krasa", 1 },
    { u"pensize", Kind::Line, u"biezums", 1 },
    { u"setpensize", Kind::Line, u"biezums", 1 },
    { u"width", Kind::Line, u"biezums", 1 },
    { u"setwidth", Kind::Line, u"biezums", 1 },
    { u"clear", Kind::Line, u"notirit lapu", 0 },
    { u"cs", Kind::Line, u"notirit lapu", 0 },
    { u"clearscreen", Kind::Line, u"notirit lapu", 0 },
    { u"home", Kind::Line, u"sakne", 0 },
    { u"hideturtle", Kind::Line, u"brunurupucis paslepts", 0 },
    { u"ht", Kind::Line, u"brunurupucis paslepts", 0 },
    { u"showturtle", Kind::Line, u"brunurupucis redzams", 0 },
    { u"st", Kind::Line, u"brunurupucis redzams", 0 },
} };

// Colour names, as the nearest colour numbers here: English words whole, Latvian ones by
// their stem, so that every ending and both genders count.
struct ColourName {
    QStringView name;
    int number;
};
constexpr std::array<ColourName, 12> ColourNames = { { { u"black", 1 }, { u"gray", 3 },
    { u"grey", 3 }, { u"white", 6 }, { u"red", 10 }, { u"pink", 12 }, { u"brown", 14 },
    { u"orange", 16 }, { u"yellow", 22 }, { u"green", 26 }, { u"blue", 33 }, { u"purple", 34 } } };
constexpr std::array<ColourName, 12> ColourStems = { { { u"meln", 1 }, { u"pelek", 3 },
    { u"balt", 6 }, { u"sarkan", 10 }, { u"roz", 12 }, { u"brun", 14 }, { u"oranz", 16 },
    { u"dzelten", 22 }, { u"zal", 26 }, { u"zil", 33 }, { u"violet", 34 }, { u"lill", 34 } } };

// The command word: the first run of letters, or the one after a dot ("t.forward(50)").
struct Parsed {
    QString word;
    QStringList numbers;
    QString colour;
};

Parsed parse(QStringView text)
{
    static const QRegularExpression wordAtStart(QStringLiteral("^\\s*(?:\\w+\\.)?([A-Za-z]+)"));
    static const QRegularExpression number(QStringLiteral("[0-9]+(?:\\.[0-9]+)?"));
    Parsed parsed;
    const QString line = text.toString();
    const QRegularExpressionMatch m = wordAtStart.match(line);
    if (!m.hasMatch())
        return parsed;
    parsed.word = m.captured(1);
    const QString rest = line.mid(m.capturedEnd(1));
    for (auto it = number.globalMatch(rest); it.hasNext();)
        parsed.numbers.append(it.next().captured());
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    for (auto it = word.globalMatch(rest); it.hasNext() && parsed.colour.isEmpty();) {
        if (const int colourNumber = colourNumberOf(it.next().capturedView()))
            parsed.colour = QString::number(colourNumber);
    }
    return parsed;
}

// The Latvian line with the numbers it takes, or nothing when the line has too few.
QString latvianLine(const Entry& entry, const Parsed& parsed)
{
    QStringList numbers = parsed.numbers;
    if (entry.kind == Kind::Colour && numbers.isEmpty() && !parsed.colour.isEmpty())
        numbers.append(parsed.colour);
    if (numbers.size() < entry.numbers)
        return {};
    const QString latvian = entry.latvian.toString();
    if (entry.numbers == 0)
        return latvian;
    return latvian + u' ' + numbers.mid(0, entry.numbers).join(u',');
}

// The word's entry, or else one a letter away from it ("forwrd", "rigth", "colour"): short
// words are too near to each other to be mended.
const Entry* entryFor(const QString& word)
{
    for (const Entry& entry : Entries) {
        if (word == entry.word)
            return &entry;
    }
    constexpr qsizetype ShortestMendedWord = 5;
    if (word.size() < ShortestMendedWord)
        return nullptr;
    for (const Entry& entry : Entries) {
        if (entry.word.size() >= ShortestMendedWord && oneEditApart(word, entry.word))
            return &entry;
    }
    return nullptr;
}

} // namespace

int colourNumberOf(QStringView word)
{
    const QString plain = plainLetters(word);
    for (const ColourName& c : ColourNames) {
        if (plain == c.name)
            return c.number;
    }
    for (const ColourName& c : ColourStems) {
        if (plain.startsWith(c.name) && plain.size() <= c.name.size() + 3)
            return c.number;
    }
    return 0;
}

std::optional<ForeignCommand> foreignCommand(
    QStringView text, const std::function<bool(const QString&)>& accept)
{
    const Parsed parsed = parse(text);
    const Entry* entry = entryFor(parsed.word.toLower());
    if (!entry)
        return std::nullopt;
    ForeignCommand found { parsed.word, {}, {} };
    const QString line = latvianLine(*entry, parsed);
    if (!line.isEmpty() && accept(line))
        found.proposal = line;
    const QString amount = parsed.numbers.isEmpty() ? QString() : parsed.numbers.front();
    switch (entry->kind) {
    case Kind::Back:
        found.message = hintmsg::foreignBack(parsed.word, amount);
        break;
    case Kind::PenUp:
        found.message = hintmsg::foreignPenUp(parsed.word);
        break;
    case Kind::PenDown:
        found.message = hintmsg::foreignPenDown(parsed.word);
        break;
    case Kind::Repeat:
        found.message = hintmsg::foreignRepeat(found.proposal);
        break;
    case Kind::Heading:
        found.message = hintmsg::foreignHeading(parsed.word, found.proposal);
        break;
    default:
        found.message
            = hintmsg::foreignCommand(parsed.word, entry->latvian.toString(), found.proposal);
    }
    return found;
}

} // namespace zimo
