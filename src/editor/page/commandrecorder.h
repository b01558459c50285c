#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace zimo
{

struct ProgramState;
struct Turtle;

/// What an appending action leaves for the window.
struct Recorded {
    /// The program text after the action, lines joined with CR LF; the text box shows it.
    QString text;
    /// At least one line was appended.
    bool appended = false;
    /// A message for the user (a refused line, a work file that could not follow), or empty.
    QString notice;
};

/// The command lines of one finished pen-down step, in the order they are appended.
struct StepCommands {
    QStringList lines;
    /// The angle written by a leading "lenkis " line, when the step needs one.
    std::optional<int> angle;
};

/// Turns keyboard steps and inserted commands into program lines.
///
/// Owns the last recorded angle and the path of the work file that mirrors the text box.
/// Appended lines are stored behind the line count of the program's line array, which the
/// window shares with the run. The text box is the learner's work: every append hands back
/// the old text plus the new line whole, whatever becomes of the work file; a line that does
/// not fit the line array leaves text and array untouched.
class CommandRecorder
{
public:
    static constexpr QStringView DefaultWorkFile = u"komandas.zkf";

    explicit CommandRecorder(ProgramState& program, QString workFile = DefaultWorkFile.toString());

    const QString& workFile() const { return m_workFile; }
    /// The display angle last written as a "lenkis " line; nothing until the first one.
    /// Nothing clears it: not a reset, not clearing or replacing the program text.
    std::optional<int> lastRecordedAngle() const { return m_lastAngle; }

    /// Appends the line array entry at the line count to text as a line of its own (after a
    /// CR LF when text does not end with a line end), with CR LF after it, and rewrites the
    /// work file with the result.
    Recorded atjauno_komandas(const QString& text);
    /// Rewrites the work file with text; a Latvian notice when it could not, else empty.
    QString mirror(const QString& text) const;
    /// Raises the line count, stores line there and appends it; refused when the array is full.
    Recorded appendLine(const QString& text, const QString& line);
    /// Appends lines one after another, or none of them when they do not all fit.
    Recorded appendLines(const QString& text, const QStringList& lines);

    /// Builds the lines of a finished pen-down step from the turtle's previous and current
    /// position and its display angle.
    StepCommands veido_komandas(const Turtle& turtle) const;
    /// Builds and appends the lines of a pen-down step, remembering a recorded angle.
    Recorded recordStep(const QString& text, const Turtle& turtle);
    /// Appends the "koordinatas X,Y" line of a pen-up step to the turtle's position.
    Recorded recordPosition(const QString& text, const Turtle& turtle);

    /// A display angle as a "lenkis " line writes it: the nearest whole number, halves to
    /// even, brought into 0..359.
    static int recordedAngle(double displayAngle);

private:
    ProgramState& m_program;
    QString m_workFile;
    std::optional<int> m_lastAngle;
};

} // namespace zimo
