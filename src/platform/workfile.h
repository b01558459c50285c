#pragma once

#include <QString>
#include <QStringView>

namespace zimo
{

/// The text a work file gave back, or why it could not be used.
struct PassedThrough {
    QString text;
    /// Empty when text is exactly what was written.
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

/// The run's work file in the current folder, which the key recorders mirror the program to.
inline constexpr QStringView RunWorkFile = u"komandas.zkf";

/// Writes text to a file as encodeForFile() chooses (the Baltic code page, else UTF-8) and
/// reads it back, as the run does with its work file. What comes back must be byte for byte
/// what was written.
PassedThrough passThroughFile(const QString& path, const QString& text);

/// Writes text to path as encodeForFile() chooses, replacing the file only once the new
/// content is completely on the disk. Returns an empty string on success, else why it
/// failed (in Latvian).
QString writeTextFile(const QString& path, const QString& text);

} // namespace zimo
