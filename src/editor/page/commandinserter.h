#pragma once

#include <QString>

namespace zimo
{

class CommandRecorder;
struct HelpRow;
struct Recorded;

/// What the sample buttons and the pickers share: a ready command line is appended to the
/// program and then explained on the help row, as if it had just been typed.
///
/// Holds the window's recorder, help buffer and help row; owns nothing.
class CommandInserter
{
public:
    CommandInserter(CommandRecorder& recorder, QString& helpBuffer, HelpRow& helpRow);

    /// Appends line to text and shows its help: the help buffer is replaced by the line.
    /// A refused line leaves the help row as it was.
    Recorded insert(const QString& text, const QString& line);

private:
    CommandRecorder& m_recorder;
    QString& m_helpBuffer;
    HelpRow& m_helpRow;
};

} // namespace zimo
