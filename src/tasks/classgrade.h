#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace zimo
{

class PictureCheck;
struct Task;

/// One learner's program file checked against a task, as the class's sheet lists it.
struct GradedProgram {
    /// The path as the teacher gave it.
    QString path;
    bool solved = false;
    /// Why it is not solved (the file could not be read, the run failed, the pictures
    /// differ); empty when solved.
    QString reason;
    /// A requirement a solved program does not meet; empty when none.
    QString note;
    int drawnPercent = 0;
    int extraPercent = 0;
    int lines = 0;
    int hints = 0;
    /// The program's final page, small.
    QImage thumbnail;
};

/// Reads, runs (without a window and without work files) and judges one program file.
GradedProgram gradeProgram(const Task& task, PictureCheck& target, const QString& path);

/// "path<TAB>izdevās", or "path<TAB>neizdevās<TAB>reason": one line for standard output.
QString gradeLine(const GradedProgram& graded);

/// The class's CSV file: UTF-8 (with the byte-order mark spreadsheets look for), a header
/// line, one row per program, CR LF line ends, fields quoted where they need it.
QByteArray gradeCsv(const QList<GradedProgram>& graded);

/// The width of a thumbnail on the class sheet, in pixels.
constexpr int ThumbnailWidth = 316;

} // namespace zimo
