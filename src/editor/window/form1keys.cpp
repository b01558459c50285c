// Form1's menus for runs and scale, and the keyboard shortcuts of every menu item.

#include "form1.h"

#include "windowscale.h"

#include "editor/common/windowmessages.h"

#include <QActionGroup>
#include <QMenuBar>

namespace zimo
{

void Form1::buildProgramMenu()
{
    QMenu* program = menuBar()->addMenu(windowmsg::programMenu());
    program->setObjectName(QStringLiteral("programma"));
    m_startAction = program->addAction(windowmsg::start());
    m_startAction->setObjectName(QStringLiteral("startet"));
    m_stopAction = program->addAction(windowmsg::stop());
    m_stopAction->setObjectName(QStringLiteral("apturet"));
    m_stopAction->setEnabled(false);
    // F5 only ever starts a run; the Run button is the one that also stops.
    connect(m_startAction, &QAction::triggered, this, [this] {
        if (!isRunning())
            zimet_Click();
    });
    connect(m_stopAction, &QAction::triggered, this, &Form1::stopRun);
}

void Form1::buildViewMenu()
{
    QMenu* view = menuBar()->addMenu(windowmsg::viewMenu());
    view->setObjectName(QStringLiteral("skats"));
    QMenu* steps = view->addMenu(windowmsg::scaleMenu());
    steps->setObjectName(QStringLiteral("merogs"));
    m_scaleGroup = new QActionGroup(this);
    for (int percent : ScaleSteps) {
        QAction* step = steps->addAction(windowmsg::scaleStep(percent));
        step->setObjectName(QStringLiteral("merogs%1").arg(percent));
        step->setCheckable(true);
        step->setChecked(percent == scale());
        m_scaleGroup->addAction(step);
        connect(step, &QAction::triggered, this, [this, percent] { setScale(percent, true); });
    }
    m_zoomInAction = view->addAction(windowmsg::zoomIn());
    m_zoomInAction->setObjectName(QStringLiteral("palielinat"));
    m_zoomOutAction = view->addAction(windowmsg::zoomOut());
    m_zoomOutAction->setObjectName(QStringLiteral("samazinat"));
    connect(m_zoomInAction, &QAction::triggered, this,
        [this] { setScale(nextScale(scale(), +1), true); });
    connect(m_zoomOutAction, &QAction::triggered, this,
        [this] { setScale(nextScale(scale(), -1), true); });
}

QAction* Form1::scaleAction(int percent) const
{
    return findChild<QAction*>(QStringLiteral("merogs%1").arg(percent));
}

void Form1::addShortcuts()
{
    m_newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_loadAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_startAction->setShortcut(QKeySequence(Qt::Key_F5));
    m_stopAction->setShortcuts(
        { QKeySequence(Qt::SHIFT | Qt::Key_F5), QKeySequence(Qt::Key_Escape) });
    // Ctrl+= is Ctrl+Plus without Shift on keyboards that have both on one key.
    m_zoomInAction->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    m_zoomOutAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    scaleAction(100)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
}

} // namespace zimo
