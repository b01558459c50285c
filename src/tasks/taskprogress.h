#pragma once

#include <QMap>
#include <QString>

namespace zimo
{

struct Task;

/// Which tasks a user has solved, kept in a small text file of the user's data folder so
/// that the marks in the menu outlive the window.
///
/// A task is known by a key made of its title and its reference program, so a task file
/// that is copied or moved keeps its mark, and one whose picture changes loses it. The
/// file is read once and rewritten whole through the checked write path after every new
/// solution; a file that cannot be read counts as no task solved yet.
class TaskProgress
{
public:
    explicit TaskProgress(const QString& path);

    /// The file in the user's data folder.
    static QString defaultPath();
    /// The key a task is known by.
    static QString keyOf(const Task& task);

    bool isSolved(const Task& task) const;
    /// Marks task solved and writes the file. Returns an empty string on success, else why
    /// the file could not be written (the mark stays for this session).
    QString markSolved(const Task& task);

private:
    QString m_path;
    /// Key to title.
    QMap<QString, QString> m_solved;
};

} // namespace zimo
