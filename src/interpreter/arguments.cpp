#include "arguments.h"

#include "program/messages.h"
#include "program/numbers.h"
#include "program/programstate.h"
#include "program/runerror.h"

#include <cmath>
#include <string>

namespace zimo
{

namespace
{

QStringView fieldOf(QStringView line, int kurs)
{
    if (commaBeforeBlank(line)) {
        // A blank left at the end is the one a child does not see: name it.
        qsizetype end = line.size();
        while (end > 0 && line[end - 1].isSpace())
            --end;
        fail(end < line.size() && !commaBeforeBlank(line.left(end)) ? msg::blankAtLineEnd()
                                                                    : msg::commaBeforeBlank());
    }
    const qsizetype start = argumentStart(line);
    qsizetype from = start;
    for (int k = 1;; ++k) {
        const qsizetype comma = line.indexOf(u',', from);
        if (comma < 0)
            return line.mid(from);
        if (k == kurs)
            return line.mid(from, comma - from);
        from = comma + 1;
    }
}

} // namespace

// A line without a blank reads as if a blank stood before its first character.
qsizetype argumentStart(QStringView line) { return line.lastIndexOf(u' ') + 1; }

bool commaBeforeBlank(QStringView line)
{
    const qsizetype firstComma = line.indexOf(u',');
    return firstComma >= 0 && firstComma < argumentStart(line);
}

double digitsValue(QStringView field)
{
    const qsizetype colon = field.indexOf(u':');
    const QStringView digits = colon < 0 ? field : field.left(colon);
    if (digits.size() <= 15) {
        double v = 0;
        for (const QChar c : digits)
            v = v * 10 + (c.unicode() - u'0');
        return v;
    }
    // Long digit strings go through strtod so the nearest double is exact.
    return std::strtod(digits.toLatin1().constData(), nullptr);
}

Value lielums(const ProgramState& program, int kurs, int q)
{
    const QStringView field = fieldOf(program.line(q), kurs);
    if (mekle_ciparus(field))
        return Value(digitsValue(field));
    return Value(field.toString());
}

QString str_lielums(const ProgramState& program, int kurs, int q)
{
    return fieldOf(program.line(q), kurs).toString();
}

bool mekle_ciparus(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 58 || c.unicode() < 48)
            return false;
    }
    return true;
}

bool mekle_ciparus(const Value& value)
{
    if (!value.isNumber())
        return mekle_ciparus(QStringView(value.text()));
    const double n = value.number();
    if (n >= 0 && n < 1e15 && n == std::floor(n))
        return true;
    return mekle_ciparus(QStringView(numberText(n)));
}

} // namespace zimo
