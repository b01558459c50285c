#include "commandrecorder.h"

#include "recordingmessages.h"

#include "program/keywords.h"
#include "program/numbers.h"
#include "platform/textcodec.h"
#include "platform/workfile.h"
#include "program/programstate.h"
#include "turtle/turtle.h"

#include <QFileInfo>

#include <cmath>

namespace zimo
{

namespace
{

const QString LineEnd = QStringLiteral("\r\n");

QString command(QStringView keyword, double number)
{
    return keyword.toString() + numberText(number);
}

} // namespace

CommandRecorder::CommandRecorder(ProgramState& program, QString workFile)
    : m_program(program)
    , m_workFile(std::move(workFile))
{
}

Recorded CommandRecorder::atjauno_komandas(const QString& text)
{
    // The box takes the new text as it is built here; the work file only mirrors it, so
    // a work file that fails or a character it cannot hold never costs the learner text.
    // A last line without its line end (typed without Enter, or loaded from a file) keeps
    // its own line: gluing the new line onto it would make one line of two commands.
    const QString& line = m_program.lines[size_t(m_program.lineCount)];
    const bool openLine = !text.isEmpty() && !text.endsWith(u'\n') && !text.endsWith(u'\r');
    Recorded result { text + (openLine ? LineEnd : QString()) + line + LineEnd, true, {} };
    result.notice = mirror(result.text);
    return result;
}

QString CommandRecorder::mirror(const QString& text) const
{
    const QString fileName = QFileInfo(m_workFile).fileName();
    const Encoded encoded = encodeWindows1257(text);
    if (!encoded.ok())
        return recordingmsg::workFileCannotHold(fileName, wholeCharacterAt(text, encoded.badIndex));
    const QString failure = writeTextFile(m_workFile, text);
    return failure.isEmpty() ? QString() : recordingmsg::workFileNotWritten(fileName, failure);
}

Recorded CommandRecorder::appendLine(const QString& text, const QString& line)
{
    return appendLines(text, QStringList { line });
}

Recorded CommandRecorder::appendLines(const QString& text, const QStringList& lines)
{
    if (m_program.lineCount + lines.size() > ProgramState::MaxLines)
        return Recorded { text, false, recordingmsg::lineArrayFull() };
    Recorded result { text, false, {} };
    for (const QString& line : lines) {
        // Through setLine, so whatever the program keeps about its lines stays in step.
        ++m_program.lineCount;
        m_program.setLine(m_program.lineCount, line);
        const QString earlierNotice = result.notice;
        result = atjauno_komandas(result.text);
        // Each line rewrites the work file; a failure of any of them is worth telling.
        if (result.notice.isEmpty())
            result.notice = earlierNotice;
    }
    return result;
}

StepCommands CommandRecorder::veido_komandas(const Turtle& t) const
{
    using namespace kw;
    const double a = t.displayAngle;
    // A step along an axis needs no angle line: the direction keywords set the heading.
    if (a == 90)
        return { { command(UzAugsu, std::floor(t.prevY - t.y)) }, std::nullopt };
    if (a == 270)
        return { { command(UzLeju, std::floor(t.y - t.prevY)) }, std::nullopt };
    if (a == 0 || a == 360)
        return { { command(PaLabi, std::floor(t.x - t.prevX)) }, std::nullopt };
    if (a == 180)
        return { { command(PaKreisi, std::floor(t.prevX - t.x)) }, std::nullopt };

    StepCommands step;
    const int angle = recordedAngle(a);
    if (m_lastAngle != angle) {
        step.lines.append(command(Lenkis, angle));
        step.angle = angle;
    }
    const double ddx = t.x - t.prevX, ddy = t.y - t.prevY;
    const double distance = std::sqrt(ddx * ddx + ddy * ddy);
    step.lines.append(command(UzPrieksu, roundHalfEven(distance)));
    return step;
}

Recorded CommandRecorder::recordStep(const QString& text, const Turtle& turtle)
{
    const StepCommands step = veido_komandas(turtle);
    Recorded result = appendLines(text, step.lines);
    if (result.appended && step.angle)
        m_lastAngle = step.angle;
    return result;
}

Recorded CommandRecorder::recordPosition(const QString& text, const Turtle& t)
{
    const QString line = kw::Koordinatas.toString() + numberText(roundHalfEven(t.x))
        + QLatin1Char(',') + numberText(roundHalfEven(t.y));
    return appendLine(text, line);
}

int CommandRecorder::recordedAngle(double displayAngle)
{
    // Only whole angles from 0 up read back as numbers; a fraction or a sign would make
    // the interpreter take the field for a name.
    if (!std::isfinite(displayAngle))
        return 0;
    double whole = std::fmod(roundHalfEven(displayAngle), 360.0);
    if (whole < 0)
        whole += 360.0;
    return int(whole);
}

} // namespace zimo
