#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zimo
{

/// Result of encoding a text into the Baltic code page.
struct Encoded {
    QByteArray bytes;
    /// Index in the text of the first character the code page cannot hold, or -1.
    qsizetype badIndex = -1;
    bool ok() const { return badIndex < 0; }
};

/// Windows-1257 (Baltic) to and from Unicode.
Encoded encodeWindows1257(const QString& text);
QString decodeWindows1257(const QByteArray& bytes);

/// Text as a file holds it, and in which encoding.
struct FileText {
    QByteArray bytes;
    bool utf8 = false;
};

/// True when bytes are valid UTF-8 with at least one non-ASCII character: such a file is
/// read as UTF-8.
bool readsAsUtf8(const QByteArray& bytes);

/// Text in the Baltic code page when every character fits and the bytes read back as that
/// code page; else in UTF-8, which holds every character. Nothing is ever refused.
FileText encodeForFile(const QString& text);
/// The text of bytes made by encodeForFile.
QString decodeFromFile(const FileText& file);

/// Program file bytes to program text: Windows-1257, or UTF-8 when the bytes are valid UTF-8
/// with non-ASCII letters; CR LF, a lone CR and a lone LF each end a line; the one line end
/// that saving adds at the very end is dropped; lines are joined with CR LF.
QString programTextFromFile(const QByteArray& bytes);

/// Splits text by the work-file rule: a line ends at CR, an LF right after it goes with it,
/// a lone LF is an ordinary character; text after the last CR is a last line.
QStringList splitWorkFileLines(const QString& text);

} // namespace zimo
