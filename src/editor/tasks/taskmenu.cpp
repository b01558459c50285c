#include "taskmenu.h"

#include "taskwindowmessages.h"

#include "files/examplefolder.h"
#include "files/examplesmenu.h"
#include "tasks/taskfile.h"

#include <QPainter>

namespace zimo
{

namespace
{

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
    m_items = addGroupMenus(*this, levels, taskwinmsg::noTasks(),
        [this](const QString& path) { emit taskChosen(path); });
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
