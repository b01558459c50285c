#pragma once

#include <QString>

#include <functional>

namespace zimo
{

class ProgramHost;

/// What a save dialog asks for: its caption, the kind of file and its name ending.
struct SaveKind {
    QString caption;
    /// The file type list's entry, such as "PNG attēli (*.png)".
    QString filter;
    /// Without the dot; added to a name typed without it.
    QString suffix;
    /// The question asked when the chosen file is there already, given its shown path.
    std::function<QString(const QString&)> replaceQuestion;
};

/// Asks where to save a file of kind: a save dialog that opens at suggested (a path without
/// the name ending), then, when the file is there, whether to replace it. Neither waits.
/// Calls save with the chosen path, unless the learner cancels or a run has begun by then.
void chooseSavePath(ProgramHost& host, const SaveKind& kind, const QString& suggested,
    std::function<void(const QString& path)> save);

} // namespace zimo
