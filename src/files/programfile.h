#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace zimo
{

inline constexpr QStringView ProgramSuffix = u".zkf";
/// The save work file in the current folder that every save goes through.
inline constexpr QStringView SaveWorkFile = u"pag.zkf";

/// The bytes of a program file, or why the text cannot become one.
struct ProgramBytes {
    QByteArray bytes;
    /// A message for the user; empty when bytes holds the file.
    QString problem;
};

/// Program text as a program file holds it: Windows-1257, the text and one CR LF. A text
/// with a character the code page cannot hold gives no bytes and a message naming that
/// character and its line.
ProgramBytes programFileBytes(const QString& text);

/// A program file read back as program text, or why it could not be read.
struct LoadedProgram {
    QString text;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

/// Reads the whole file at path and turns it into program text; every read is checked.
LoadedProgram readProgramFile(const QString& path);

/// folder, the platform's separator, name and ".zkf".
QString programFilePath(const QString& folder, const QString& name);
/// A program file's name without ".zkf", the name the program takes when it is loaded.
QString programNameOf(const QString& fileName);
/// Why name cannot name a program file, or an empty string when it can.
QString nameProblem(const QString& name);

} // namespace zimo
