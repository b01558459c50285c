#include "textcodec.h"

#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>
#include <iconv.h>

namespace zimo
{

namespace
{

constexpr char16_t Unmapped = 0xFFFD;

// The code page is one byte per character, so iconv builds the table once and the
// conversions are look-ups.
struct Baltic {
    std::array<char16_t, 256> toUnicode {};
    QHash<char16_t, char> fromUnicode;

    Baltic()
    {
        iconv_t cd = iconv_open("UTF-16LE", "WINDOWS-1257");
        for (int b = 0; b < 256; ++b) {
            char in = char(b);
            char16_t out = Unmapped;
            char* inPtr = &in;
            char* outPtr = reinterpret_cast<char*>(&out);
            size_t inLeft = 1;
            size_t outLeft = sizeof out;
            if (cd == iconv_t(-1)) {
                out = b < 128 ? char16_t(b) : Unmapped;
            } else if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) {
                out = Unmapped;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
            }
            toUnicode[size_t(b)] = out;
            if (out != Unmapped)
                fromUnicode.insert(out, char(b));
        }
        if (cd != iconv_t(-1))
            iconv_close(cd);
    }
};

const Baltic& baltic()
{
    static const Baltic table;
    return table;
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

bool readsAsUtf8(const QByteArray& bytes)
{
    const bool nonAscii = std::any_of(
        bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (!nonAscii)
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

FileText encodeForFile(const QString& text)
{
    Encoded baltic = encodeWindows1257(text);
    // Baltic bytes that happen to form UTF-8 letters would be read back as other letters.
    if (baltic.ok() && !readsAsUtf8(baltic.bytes))
        return { std::move(baltic.bytes), false };
    return { text.toUtf8(), true };
}

QString decodeFromFile(const FileText& file)
{
    return file.utf8 ? QString::fromUtf8(file.bytes) : decodeWindows1257(file.bytes);
}

QString programTextFromFile(const QByteArray& bytes)
{
    const QString raw
        = readsAsUtf8(bytes) ? QString::fromUtf8(bytes) : decodeWindows1257(bytes);
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

} // namespace zimo
