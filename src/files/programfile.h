#pragma once

#include "filestamp.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace zimo
{

inline constexpr QStringView ProgramSuffix = u".zkf";
/// The save work file in the current folder that every save goes through.
inline constexpr QStringView SaveWorkFile = u"pag.zkf";
/// The largest program file that is loaded: a hundred times what a program of 1000 full
/// lines needs, so that no file can make the window slow or take all memory.
inline constexpr qsizetype MaxProgramBytes = 1024 * 1024;

/// Program text as a program file holds it: the text and one CR LF, in Windows-1257 when
/// every character fits, else in UTF-8, which loading reads back the same.
QByteArray programFileBytes(const QString& text);

/// A program file read back as program text, or why it could not be read.
struct LoadedProgram {
    QString text;
    QString problem;
    /// The file as it was read, to tell later whether someone else has changed it.
    FileStamp stamp;
    bool ok() const { return problem.isEmpty(); }
};

/// Reads the whole file at path and turns it into program text; every read is checked, and
/// a file larger than MaxProgramBytes is refused with its size.
LoadedProgram readProgramFile(const QString& path);

/// folder, the platform's separator, name and ".zkf".
QString programFilePath(const QString& folder, const QString& name);
/// A program file's name without ".zkf", the name the program takes when it is loaded.
QString programNameOf(const QString& fileName);
/// Why name cannot name a program file, or an empty string when it can.
QString nameProblem(const QString& name);
/// True when name (without ".zkf") in folder is one of the work files the run and every
/// save rewrite ("komandas", "pag" in the current folder): a program kept there is lost.
bool isWorkFile(const QString& folder, const QString& name);

} // namespace zimo
