#pragma once

#include <QString>

namespace zimo
{

/// The text a work file gave back, or why it could not be used.
struct PassedThrough {
    QString text;
    /// Empty when text is exactly what was written.
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

/// Writes text to a file in the Baltic code page and reads it back, as the run does with
/// its work file. What comes back must be byte for byte what was written.
PassedThrough passThroughFile(const QString& path, const QString& text);

/// Writes text to path in the Baltic code page, replacing the file only once the new
/// content is completely on the disk. Returns an empty string on success, else why it
/// failed (in Latvian).
QString writeTextFile(const QString& path, const QString& text);

} // namespace zimo
