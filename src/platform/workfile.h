#pragma once

#include <QString>

#include <optional>

namespace zimo
{

/// Writes text to a file in the Baltic code page and reads it back, as the run does with
/// its work file. Returns the text read back, or nothing when the file could not be
/// written or read or the text holds a character the code page cannot hold.
std::optional<QString> passThroughFile(const QString& path, const QString& text);

/// Writes text to path in the Baltic code page, replacing the file only once the new
/// content is completely written. Returns an empty string on success, else why it failed.
QString writeTextFile(const QString& path, const QString& text);

} // namespace zimo
