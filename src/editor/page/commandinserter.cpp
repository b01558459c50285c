#include "commandinserter.h"

#include "commandrecorder.h"

#include "hints/commandhelp.h"

namespace zimo
{

CommandInserter::CommandInserter(CommandRecorder& recorder, QString& helpBuffer, HelpRow& helpRow)
    : m_recorder(recorder)
    , m_helpBuffer(helpBuffer)
    , m_helpRow(helpRow)
{
}

Recorded CommandInserter::insert(const QString& text, const QString& line)
{
    return insertLines(text, QStringList { line });
}

Recorded CommandInserter::insertLines(const QString& text, const QStringList& lines)
{
    Recorded result = m_recorder.appendLines(text, lines);
    if (result.appended) {
        m_helpBuffer = lines.back();
        paskaidro(m_helpBuffer, m_helpRow);
    }
    return result;
}

} // namespace zimo
