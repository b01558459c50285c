#include "programhistory.h"

#include "programtextbox.h"

#include "editor/common/windowmessages.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace zimo
{

ProgramHistory::ProgramHistory(ProgramTextBox& text, QMenu* after, QWidget* window)
    : QObject(window)
    , m_text(text)
    , m_menu(new QMenu(windowmsg::editMenu(), window))
{
    m_menu->setObjectName(QStringLiteral("labot"));
    auto* bar = qobject_cast<QMenuBar*>(after->parentWidget());
    const QList<QAction*> menus = bar->actions();
    const qsizetype next = menus.indexOf(after->menuAction()) + 1;
    bar->insertMenu(next < menus.size() ? menus.at(next) : nullptr, m_menu);

    m_undo = m_menu->addAction(windowmsg::undo());
    m_undo->setObjectName(QStringLiteral("atsaukt"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = m_menu->addAction(windowmsg::redo());
    m_redo->setObjectName(QStringLiteral("atcelt_atsauksanu"));
    m_redo->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) });
    // The shortcuts belong to the whole window, whichever of its controls has the focus.
    window->addAction(m_undo);
    window->addAction(m_redo);
    connect(m_undo, &QAction::triggered, this, &ProgramHistory::undo);
    connect(m_redo, &QAction::triggered, this, &ProgramHistory::redo);
    connect(&m_text, &QPlainTextEdit::undoAvailable, this, &ProgramHistory::updateActions);
    connect(&m_text, &QPlainTextEdit::redoAvailable, this, &ProgramHistory::updateActions);
    updateActions();
}

void ProgramHistory::setRunning(bool running)
{
    m_running = running;
    updateActions();
}

void ProgramHistory::undo()
{
    if (m_running || !m_text.document()->isUndoAvailable())
        return;
    m_text.undo();
    m_text.ensureCursorVisible();
    emit stepped();
}

void ProgramHistory::redo()
{
    if (m_running || !m_text.document()->isRedoAvailable())
        return;
    m_text.redo();
    m_text.ensureCursorVisible();
    emit stepped();
}

void ProgramHistory::updateActions()
{
    m_undo->setEnabled(!m_running && m_text.document()->isUndoAvailable());
    m_redo->setEnabled(!m_running && m_text.document()->isRedoAvailable());
}

} // namespace zimo
