#include "textcodec.h"

#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>

namespace zimo
{

namespace
{

constexpr char16_t Unmapped = 0xFFFD;

// The upper half of the code page (bytes 0x80 to 0xFF); the lower half is ASCII. Bytes the
// code page leaves undefined read as U+FFFD. A table of our own rather than the C library's
// converter, so the program reads and writes the same bytes on every system.
constexpr std::array<char16_t, 128> UpperHalf = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0xFFFD, 0x2030, 0xFFFD, 0x2039, 0xFFFD, 0x00A8, 0x02C7, 0x00B8, // 0x88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0xFFFD, 0x2122, 0xFFFD, 0x203A, 0xFFFD, 0x00AF, 0x02DB, 0xFFFD, // 0x98
    0x00A0, 0xFFFD, 0x00A2, 0x00A3, 0x00A4, 0xFFFD, 0x00A6, 0x00A7, // 0xA0
    0x00D8, 0x00A9, 0x0156, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00C6, // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00F8, 0x00B9, 0x0157, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00E6, // 0xB8
    0x0104, 0x012E, 0x0100, 0x0106, 0x00C4, 0x00C5, 0x0118, 0x0112, // 0xC0
    0x010C, 0x00C9, 0x0179, 0x0116, 0x0122, 0x0136, 0x012A, 0x013B, // 0xC8
    0x0160, 0x0143, 0x0145, 0x00D3, 0x014C, 0x00D5, 0x00D6, 0x00D7, // 0xD0
    0x0172, 0x0141, 0x015A, 0x016A, 0x00DC, 0x017B, 0x017D, 0x00DF, // 0xD8
    0x0105, 0x012F, 0x0101, 0x0107, 0x00E4, 0x00E5, 0x0119, 0x0113, // 0xE0
    0x010D, 0x00E9, 0x017A, 0x0117, 0x0123, 0x0137, 0x012B, 0x013C, // 0xE8
    0x0161, 0x0144, 0x0146, 0x00F3, 0x014D, 0x00F5, 0x00F6, 0x00F7, // 0xF0
    0x0173, 0x0142, 0x015B, 0x016B, 0x00FC, 0x017C, 0x017E, 0x02D9, // 0xF8
};

struct Baltic {
    std::array<char16_t, 256> toUnicode {};
    QHash<char16_t, char> fromUnicode;

    Baltic()
    {
        for (int b = 0; b < 256; ++b) {
            const char16_t c = b < 128 ? char16_t(b) : UpperHalf[size_t(b - 128)];
            toUnicode[size_t(b)] = c;
            if (c != Unmapped)
                fromUnicode.insert(c, char(b));
        }
    }
};

const Baltic& baltic()
{
    static const Baltic table;
    return table;
}

bool isUtf8WithLetters(const QByteArray& bytes)
{
    const bool nonAscii = std::any_of(
        bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (!nonAscii)
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

Encoded encodeWindows1257(const QString& text)
{
    Encoded result;
    result.bytes.resize(text.size());
    const Baltic& table = baltic();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            result.bytes[i] = char(c);
            continue;
        }
        const auto it = table.fromUnicode.constFind(c);
        if (it == table.fromUnicode.cend()) {
            result.badIndex = i;
            result.bytes.clear();
            return result;
        }
        result.bytes[i] = it.value();
    }
    return result;
}

QString decodeWindows1257(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    const Baltic& table = baltic();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(table.toUnicode[static_cast<unsigned char>(bytes[i])]);
    return text;
}

QString programTextFromFile(const QByteArray& bytes)
{
    const QString raw
        = isUtf8WithLetters(bytes) ? QString::fromUtf8(bytes) : decodeWindows1257(bytes);
    QStringList lines;
    QString current;
    bool endedWithLineEnd = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < raw.size() && raw[i + 1] == u'\n')
                ++i;
            lines.append(current);
            current.clear();
            endedWithLineEnd = true;
        } else {
            current.append(c);
            endedWithLineEnd = false;
        }
    }
    // The line end after the last line is the one saving adds; it is not part of the text.
    if (!endedWithLineEnd)
        lines.append(current);
    return lines.join(QStringLiteral("\r\n"));
}

QStringList splitWorkFileLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != u'\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

int lineOfIndex(const QString& text, qsizetype index)
{
    int line = 1;
    for (qsizetype i = 0; i < index && i < text.size(); ++i) {
        if (text[i] == u'\n')
            ++line;
    }
    return line;
}

QString wholeCharacterAt(const QString& text, qsizetype index)
{
    if (text[index].isHighSurrogate() && index + 1 < text.size()
        && text[index + 1].isLowSurrogate())
        return text.mid(index, 2);
    return text.mid(index, 1);
}

QString codePointText(const QString& character)
{
    const QList<uint> codePoints = character.toUcs4();
    const uint codePoint = codePoints.isEmpty() ? 0 : codePoints.front();
    return QStringLiteral("U+") + QString::number(codePoint, 16).toUpper().rightJustified(4, u'0');
}

} // namespace zimo
