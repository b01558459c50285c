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

/// Program file bytes to program text: Windows-1257, or UTF-8 when the bytes are valid UTF-8
/// with non-ASCII letters; CR LF, a lone CR and a lone LF each end a line; the one line end
/// that saving adds at the very end is dropped; lines are joined with CR LF.
QString programTextFromFile(const QByteArray& bytes);

/// Splits text by the work-file rule: a line ends at CR, an LF right after it goes with it,
/// a lone LF is an ordinary character; text after the last CR is a last line.
QStringList splitWorkFileLines(const QString& text);

/// One line of a text as a user sees it: the 1-based line that holds the character at index.
int lineOfIndex(const QString& text, qsizetype index);

/// The character at index as the user sees it: both halves of a surrogate pair.
QString wholeCharacterAt(const QString& text, qsizetype index);
/// "U+0416": the code point of a character, for a message that names it.
QString codePointText(const QString& character);

} // namespace zimo
