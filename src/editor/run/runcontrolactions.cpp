#include "runcontrolactions.h"

#include "runcontroller.h"
#include "runcontrolmessages.h"
#include "stateinspector.h"
#include "stopmarks.h"

#include "editor/textbox/linenumbergutter.h"
#include "editor/textbox/programtextbox.h"
#include "interpreter/machine.h"

#include <QAction>
#include <QMenu>
#include <QScreen>

#include <vector>

namespace zimo
{

RunControlActions::RunControlActions(Parts parts, RunController& run)
    : QObject(&parts.window)
    , m_parts(parts)
    , m_run(run)
    , m_marks(new StopMarks(*parts.text.document(), this))
{
    buildActions();
    m_refresh.setInterval(RunControl::SnapshotInterval);
    connect(&m_refresh, &QTimer::timeout, this, &RunControlActions::refreshInspector);
    connect(&m_run, &RunController::paused, this, &RunControlActions::showPaused);
    connect(&m_run, &RunController::finished, this, &RunControlActions::showRunEnd);
    connect(m_marks, &StopMarks::changed, this, [this] {
        const QList<int> lines = m_marks->lines();
        m_run.control().setMarkedLines(std::vector<int>(lines.begin(), lines.end()));
        m_parts.text.setMarkedLines(lines);
        m_parts.gutter.setStopLines(lines);
    });
}

QAction* RunControlActions::addAction(
    QMenu* menu, const QString& text, const char* name, const QKeySequence& key)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    return action;
}

void RunControlActions::buildActions()
{
    QMenu* program = &m_parts.programMenu;
    m_pause = addAction(program, runmsg::pause(), "pauze", Qt::Key_F6);
    m_step = addAction(program, runmsg::step(), "solis", Qt::Key_F10);
    m_mark = addAction(program, runmsg::stopMark(), "apstasanas_vieta", Qt::Key_F9);
    m_showInspector = m_parts.viewMenu.addAction(runmsg::inspector());
    m_showInspector->setObjectName(QStringLiteral("stavoklis"));

    connect(m_pause, &QAction::triggered, this, &RunControlActions::togglePause);
    connect(m_step, &QAction::triggered, this, &RunControlActions::step);
    connect(m_mark, &QAction::triggered, this, &RunControlActions::toggleMark);
    connect(m_showInspector, &QAction::triggered, this, &RunControlActions::showInspector);
    addStartAndStop();
}

// "Startēt" also goes on with a paused run; it and "Apturēt" stand first in the menu.
void RunControlActions::addStartAndStop()
{
    QMenu& program = m_parts.programMenu;
    connect(&m_parts.start, &QAction::triggered, this, &RunControlActions::resume);
    program.removeAction(&m_parts.start);
    program.removeAction(&m_parts.stop);
    program.insertAction(program.actions().value(0), &m_parts.start);
    program.insertAction(m_pause, &m_parts.stop);
}

void RunControlActions::resume()
{
    if (!m_run.isPaused())
        return;
    m_run.control().resume();
    emit pauseShown(false);
    m_parts.start.setEnabled(false);
}

void RunControlActions::togglePause()
{
    if (m_run.isPaused())
        resume();
    else if (m_run.isRunning())
        m_run.control().pause();
}

void RunControlActions::step()
{
    if (!m_run.isRunning()) {
        emit firstStepWanted();
        return;
    }
    m_run.control().step();
    emit pauseShown(false);
    m_parts.start.setEnabled(false);
}

void RunControlActions::toggleMark()
{
    m_marks->toggle(m_parts.text.textCursor().blockNumber() + 1);
}

void RunControlActions::showPaused(int line)
{
    if (!m_run.isPaused())
        return;
    emit pauseShown(true);
    m_parts.start.setEnabled(true);
    if (!m_pausedOnce) {
        m_pausedOnce = true;
        showInspector();
    }
    refreshInspector();
    emit pausedAt(line);
}

void RunControlActions::showInspector()
{
    if (!m_inspector) {
        m_inspector = new StateInspector(&m_parts.window);
        // Beside the main window where the screen has room, else at the screen's right edge.
        QPoint at = m_parts.window.frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* screen = m_parts.window.screen())
            at.setX(qMin(at.x(), screen->availableGeometry().right() - m_inspector->width()));
        m_inspector->move(at);
    }
    if (!m_run.isRunning())
        captureSnapshot(m_parts.machine, 0, m_run.control().stepsMade(), m_shown);
    m_refresh.start();
    m_inspector->showSnapshot(m_shown);
    m_inspector->show();
    m_inspector->raise();
}

void RunControlActions::refreshInspector()
{
    if (!m_inspector || !m_inspector->isVisible()) {
        m_refresh.stop();
        return;
    }
    if (m_run.isRunning() && m_run.control().takeSnapshot(m_shown))
        m_inspector->showSnapshot(m_shown);
}

// After the run the machine is the window's again: the inspector shows how the run left it.
void RunControlActions::showRunEnd()
{
    if (!m_inspector || !m_inspector->isVisible())
        return;
    captureSnapshot(m_parts.machine, 0, m_run.control().stepsMade(), m_shown);
    m_inspector->showSnapshot(m_shown);
}

} // namespace zimo
