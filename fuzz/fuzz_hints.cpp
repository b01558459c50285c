// Feeds arbitrary bytes to the hint analysis and the keyword colouring as a program file:
// every line is coloured as the editor colours it, the whole program is worked out, and
// then one line is changed the way typing changes it. Any crash, sanitizer report, hang or
// disagreement between the line-by-line update and a fresh analysis is a fault.

#include "hints/hints.h"
#include "hints/linereading.h"
#include "platform/textcodec.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace
{

QString hintText(const std::vector<zimo::Hint>& hints)
{
    QString text;
    for (const zimo::Hint& hint : hints)
        text += QString::number(hint.line) + u' ' + hint.message + u'|' + hint.proposal + u'\n';
    return text;
}

// Every coloured stretch lies inside its line.
void colour(const QStringList& lines, const QStringList& procedures)
{
    for (const QString& line : lines) {
        for (const zimo::Span& span : zimo::readLine(line, procedures).spans) {
            if (span.start < 0 || span.length < 0 || span.start + span.length > line.size())
                std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the line the edit goes to; the rest is the program.
    const std::size_t pick = data[0];
    const QString text = zimo::programTextFromFile(
        QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    QStringList lines = zimo::splitWorkFileLines(text + QStringLiteral("\r\n"));

    zimo::HintTracker tracker;
    tracker.reset(lines);
    colour(lines, tracker.facts().procedures);
    // Every hint names a line of the program, says something, and says it once.
    const std::vector<zimo::Hint> hints = tracker.all();
    for (std::size_t i = 0; i < hints.size(); ++i) {
        const zimo::Hint& hint = hints[i];
        if (hint.line < 1 || hint.line > lines.size() || hint.message.isEmpty())
            std::abort();
        for (std::size_t j = i; j > 0 && hints[j - 1].line == hint.line; --j) {
            if (hints[j - 1].message == hint.message)
                std::abort();
        }
    }

    // Typing into one line: the line loses its last character, as Backspace takes it.
    const int n = int(pick % std::size_t(lines.size())) + 1;
    lines[n - 1].chop(1);
    tracker.changeLine(n, lines[n - 1]);
    if (hintText(tracker.all()) != hintText(zimo::hintsFor(lines)))
        std::abort();
    return 0;
}
