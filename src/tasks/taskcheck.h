#pragma once

#include "picturecompare.h"
#include "run/runloop.h"

#include <QImage>
#include <QString>

#include <cstdint>

namespace zimo
{

struct Task;

/// Line steps a program may take when it is drawn without a window for a check; one that
/// needs more stops with the run's message, so a program that never ends cannot hold up a
/// class's grading.
constexpr std::int64_t CheckSteps = 1'000'000;

/// A program's final page drawn without a window from the start state at full speed, with
/// no work file, and how its run ended.
struct DrawnProgram {
    QImage picture;
    RunOutcome outcome;
};
DrawnProgram drawProgram(const QString& program);

/// The picture a task asks for, or why its reference program cannot make one.
struct TargetPicture {
    QImage picture;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

/// The reference program's final page. It must finish without an error, draw something and
/// meet the task's own requirements.
TargetPicture targetPicture(const Task& task);

/// Why task cannot be given to a class (no title, no instruction, a reference program that
/// makes no target picture), or an empty string when it can.
QString taskProblem(const Task& task);

/// What the check tells about one program.
struct TaskVerdict {
    bool solved = false;
    /// One short sentence for the child.
    QString sentence;
    /// Why the task is not solved, for the teacher; empty when it is.
    QString reason;
    /// A requirement a solved program does not meet, for the teacher; empty when none.
    QString note;
    /// The program's lines that hold more than blanks.
    int lines = 0;
    PictureDifference difference;
};

/// Judges a program by its final page: the same picture as the target (PictureTolerance)
/// solves the task; an unmet requirement then only adds a nudge.
TaskVerdict judgeTask(const Task& task, PictureCheck& target, const QImage& page,
    const RunOutcome& outcome, const QString& program);

} // namespace zimo
