#include "numbers.h"

#include "program/value.h"
#include "program/messages.h"
#include "program/runerror.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace zimo
{

QString Value::toText() const { return m_isNumber ? numberText(m_number) : m_text; }

QString numberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return std::isnan(value) ? QStringLiteral("NaN")
                                 : (value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf"));
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    // buf: [-]d.dddddddddddddde[+-]XX
    std::string s(buf);
    const auto ePos = s.find('e');
    const int exponent = std::stoi(s.substr(ePos + 1));
    const bool negative = s[0] == '-';
    std::string digits = s.substr(negative ? 1 : 0, ePos - (negative ? 1 : 0));
    digits.erase(1, 1); // the decimal point
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += e;
    } else if (exponent < 0) {
        out += "0." + std::string(size_t(-exponent - 1), '0') + digits;
    } else if (int(digits.size()) <= exponent + 1) {
        out += digits + std::string(size_t(exponent + 1 - int(digits.size())), '0');
    } else {
        out += digits.substr(0, size_t(exponent + 1)) + "." + digits.substr(size_t(exponent + 1));
    }
    return QString::fromLatin1(out.c_str());
}

namespace
{

// Only the blank itself is passed over: a TAB or a line end stops the reading like any
// other character that is not part of a number.
bool isBlank(QChar c) { return c == u' '; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads a number from the start of text into out (ASCII, for strtod). Returns the count
// of characters consumed; blanks are skipped only when skipBlanks is set.
qsizetype scanNumber(QStringView text, bool skipBlanks, std::string& out)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skip = [&] {
        while (skipBlanks && i < n && isBlank(text[i]))
            ++i;
    };
    auto digits = [&] {
        qsizetype count = 0;
        for (skip(); i < n && isDigit(text[i]); skip(), ++count)
            out += char(text[i++].unicode());
        return count;
    };
    skip();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        out += char(text[i++].unicode());
    qsizetype mantissa = digits();
    if (i < n && text[i] == u'.') {
        out += '.';
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        out.clear();
        return 0;
    }
    const qsizetype beforeExponent = i;
    const std::size_t outBefore = out.size();
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        out += 'e';
        ++i;
        skip();
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            out += char(text[i++].unicode());
        if (digits() == 0) {
            out.resize(outBefore);
            i = beforeExponent;
        }
    }
    return i;
}

} // namespace

double leadingNumber(QStringView text)
{
    std::string ascii;
    if (scanNumber(text, true, ascii) == 0)
        return 0.0;
    return std::strtod(ascii.c_str(), nullptr);
}

std::optional<double> parseNumber(QStringView text)
{
    std::string ascii;
    const qsizetype used = scanNumber(text, false, ascii);
    if (used == 0 || used != text.size())
        return std::nullopt;
    return std::strtod(ascii.c_str(), nullptr);
}

int toInt16(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        fail(msg::outOfInt16(value));
    return int(r);
}

Fixed toFixed(double value)
{
    const double scaled = roundHalfEven(value * double(FixedScale));
    if (!(scaled > -9.2233720368547758e18 && scaled < 9.2233720368547758e18))
        fail(msg::outOfFixedRange(value));
    return Fixed(scaled);
}

} // namespace zimo
