#pragma once

#include "tasks/taskprogress.h"

#include <QIcon>
#include <QMenu>

namespace zimo
{

struct ExampleGroup;
struct Task;

/// The menu "Uzdevumi": a submenu per level of the bundled tasks, an item per task, and a
/// tick at every task the user has solved.
///
/// Owns the user's progress. The tasks are listed once, when the menu is built; the ticks
/// are worked out again from the task files each time the menu opens, so a task solved from
/// a file of its own is ticked too.
class TaskMenu : public QMenu
{
    Q_OBJECT
public:
    TaskMenu(const QList<ExampleGroup>& levels, const QString& progressPath, QWidget* parent);

    bool isSolved(const Task& task) const { return m_progress.isSolved(task); }
    /// Ticks task. Returns an empty string, else why the tick could not be kept for the
    /// next session.
    QString markSolved(const Task& task);
    /// Where the ticks are kept.
    const QString& progressPath() const { return m_path; }

signals:
    void taskChosen(const QString& path);

private:
    void showTicks();

    QString m_path;
    TaskProgress m_progress;
    QIcon m_tick;
    /// Each task's item; its data is the task file's path.
    QList<QAction*> m_items;
};

} // namespace zimo
