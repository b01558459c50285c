#pragma once

#include "programfile.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace zimo
{

/// One kept version: its file, when it was last written and the first line of its text.
struct RecoveryEntry {
    QString path;
    QDateTime time;
    QString firstLine;
};

/// The recovery history: the program texts a window has let go of or was working on, each a
/// file of its own in one folder, the newest Kept of them. Files are written in UTF-8 (which
/// holds every character) through the checked write path, so a failed write never leaves a
/// broken version behind.
///
/// A window works on one version at a time: keep() writes the text into it again and again
/// while the learner edits, and closeVersion() ends it when the text leaves the text box
/// (a new program, another one loaded, the window closed), so the next keep() starts another
/// version. Each program a learner let go of thus stays one entry, and editing cannot push
/// it out of the history. A text that has lost more than half of the version at once starts
/// a new version too, so that deleting a program by hand cannot write over it. Several
/// windows may share the folder.
class RecoveryHistory
{
public:
    static constexpr int Kept = 30;

    explicit RecoveryHistory(QString folder);

    const QString& folder() const { return m_folder; }

    /// Writes text as the current version. A blank text and the text written last are not
    /// written again. Returns an empty string, else why the text could not be kept.
    QString keep(const QString& text);
    /// The current version is finished; the next keep() starts a new one.
    void closeVersion();
    /// Takes a file of an earlier kind over as a version of its own; its time stays.
    void adopt(const QString& path);

    /// The kept versions, newest first.
    QList<RecoveryEntry> entries() const;
    /// The text of a kept version, or why it could not be read.
    static LoadedProgram read(const RecoveryEntry& entry);
    /// The first line of text with something on it, trimmed and cut to a length a list
    /// shows.
    static QString firstLineOf(const QString& text);

private:
    QString newVersionPath() const;
    /// Removes the oldest versions beyond Kept.
    void prune() const;

    QString m_folder;
    /// The file of the current version; empty until keep() starts one.
    QString m_current;
    QString m_lastWritten;
};

} // namespace zimo
