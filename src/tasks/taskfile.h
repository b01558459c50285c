#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zimo
{

inline constexpr QStringView TaskSuffix = u".zku";

/// A drawing task: what the learner reads, what the learner's program must use, and the
/// reference program whose final page is the picture to draw.
struct Task {
    QString title;
    /// A few lines of Latvian text, joined with "\n".
    QString instruction;
    /// Words (commands or procedure names) a program must use, in the order given.
    QStringList required;
    /// The most lines (not counting blank ones) a program may have; 0 for no limit.
    int maxLines = 0;
    /// The reference program, lines joined with CR LF.
    QString solution;

    bool operator==(const Task&) const = default;
};

/// A task read from its file, or why it could not be read (in Latvian).
struct TaskRead {
    Task task;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

/// Reads a task file's bytes: Windows-1257 or UTF-8, sections "[nosaukums]", "[uzdevums]",
/// "[jāizmanto]", "[lielākais rindu skaits]" and "[risinājums]" (the last one runs to the
/// end of the file, taken line by line as it stands). Section names may be written without
/// the Latvian letters.
TaskRead parseTask(const QByteArray& bytes);
/// Reads and parses the task file at path; every read is checked.
TaskRead readTaskFile(const QString& path);

/// The bytes of a task file, or why the task cannot become one.
struct TaskBytes {
    QByteArray bytes;
    QString problem;
};

/// A task as its file holds it: Windows-1257 when the code page holds every character,
/// else UTF-8; every line ends with CR LF. parseTask() gives the same task back.
TaskBytes taskFileBytes(const Task& task);

/// The lines of a program that hold more than blanks.
int programLineCount(const QString& program);
/// The required words of task that no line of program uses, in the task's order. A word
/// counts where it stands between characters that are not letters or digits.
QStringList unmetRequirements(const Task& task, const QString& program);

} // namespace zimo
