#include "commandinserter.h"

#include "commandrecorder.h"

#include "editor/textbox/commandhelp.h"

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
    Recorded result = m_recorder.appendLine(text, line);
    if (result.appended) {
        m_helpBuffer = line;
        paskaidro(m_helpBuffer, m_helpRow);
    }
    return result;
}

} // namespace zimo
