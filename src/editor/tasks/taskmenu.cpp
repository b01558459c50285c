#include "taskmenu.h"

#include "taskwindowmessages.h"

#include "files/examplefolder.h"
#include "tasks/taskfile.h"

#include <QPainter>

namespace zimo
{

namespace
{

// A title is shown as it is written: an ampersand would otherwise mark a shortcut letter.
QString menuText(QString title) { return title.replace(u'&', QStringLiteral("&&")); }

// A green tick in the menu's icon column, where it keeps the titles in line.
QIcon tick()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 140, 0), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({ QPointF(5, 17), QPointF(13, 25), QPointF(27, 7) }));
    return QIcon(picture);
}

} // namespace

TaskMenu::TaskMenu(const QList<ExampleGroup>& levels, const QString& progressPath, QWidget* parent)
    : QMenu(taskwinmsg::tasksMenu(), parent)
    , m_path(progressPath)
    , m_progress(progressPath)
    , m_tick(tick())
{
    setObjectName(QStringLiteral("uzdevumi"));
    if (levels.isEmpty())
        addAction(taskwinmsg::noTasks())->setEnabled(false);
    for (const ExampleGroup& level : levels) {
        QMenu* submenu = addMenu(menuText(level.title));
        for (const Example& task : level.examples) {
            QAction* item = submenu->addAction(menuText(task.title));
            item->setData(task.path);
            m_items.append(item);
            const QString path = task.path;
            connect(item, &QAction::triggered, this, [this, path] { emit taskChosen(path); });
        }
    }
    connect(this, &QMenu::aboutToShow, this, &TaskMenu::showTicks);
    showTicks();
}

QString TaskMenu::markSolved(const Task& task)
{
    const QString problem = m_progress.markSolved(task);
    showTicks();
    return problem;
}

void TaskMenu::showTicks()
{
    for (QAction* item : m_items) {
        const TaskRead read = readTaskFile(item->data().toString());
        const bool solved = read.ok() && m_progress.isSolved(read.task);
        item->setIcon(solved ? m_tick : QIcon());
        item->setStatusTip(solved ? taskwinmsg::solvedTip() : QString());
    }
}

} // namespace zimo
