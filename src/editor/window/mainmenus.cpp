#include "mainmenus.h"

#include "windowscale.h"

#include "editor/common/windowmessages.h"
#include "editor/tasks/taskmenu.h"
#include "editor/tasks/taskwindowmessages.h"
#include "editor/textbox/programhistory.h"
#include "files/drawingexports.h"
#include "files/examplefolder.h"
#include "files/examplesmenu.h"
#include "files/programfiles.h"
#include "files/twips.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace zimo
{

namespace
{

QAction* addNamed(QMenu* menu, const QString& text, const char* name)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

MainMenus::MainMenus(
    QMainWindow& window, ProgramFiles& files, DrawingExports& exports, ProgramTextBox& text)
    : QObject(&window)
    , m_window(window)
{
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(windowmsg::fileMenu());
    file->setObjectName(QStringLiteral("fails"));
    buildFileMenu(file, files);
    buildProgramMenu();
    buildViewMenu();
    m_examples = new ExamplesMenu(files, exampleGroups(exampleFolder()), &window);
    bar->addMenu(m_examples);
    m_tasks = new TaskMenu(taskGroups(taskFolder()), TaskProgress::defaultPath(), &window);
    bar->addMenu(m_tasks);
    m_help = bar->addAction(windowmsg::help());
    m_help->setObjectName(QStringLiteral("palidziba"));
    connect(m_help, &QAction::triggered, &files, &ProgramFiles::palidziba_Click);
    m_history = new ProgramHistory(text, file, &window);
    buildDrawingItems(file, m_restore ? m_restore : m_quit, exports);
    addShortcuts();
}

// After "Saglabāt attēlu...": the other ways the drawing leaves the window.
void MainMenus::buildDrawingItems(QMenu* file, QAction* before, DrawingExports& exports)
{
    m_export = new QMenu(windowmsg::exportMenu(), file);
    m_export->setObjectName(QStringLiteral("eksportet"));
    file->insertMenu(before, m_export);
    QAction* pdf = addNamed(m_export, windowmsg::exportPdf(), "eksportet_pdf");
    QAction* svg = addNamed(m_export, windowmsg::exportSvg(), "eksportet_svg");
    QAction* gif = addNamed(m_export, windowmsg::exportAnimation(), "eksportet_gif");
    m_print = new QAction(windowmsg::print(), file);
    m_print->setObjectName(QStringLiteral("drukat"));
    m_preview = new QAction(windowmsg::printPreview(), file);
    m_preview->setObjectName(QStringLiteral("drukas_prieksskatijums"));
    file->insertActions(before, { m_print, m_preview });
    file->insertSeparator(before);
    m_copyDrawing = addNamed(m_history->labot(), windowmsg::copyDrawing(), "kopet_zimejumu");
    connect(pdf, &QAction::triggered, &exports, &DrawingExports::exportPdf);
    connect(svg, &QAction::triggered, &exports, &DrawingExports::exportSvg);
    connect(gif, &QAction::triggered, &exports, &DrawingExports::exportAnimation);
    connect(m_print, &QAction::triggered, &exports, &DrawingExports::print);
    connect(m_preview, &QAction::triggered, &exports, &DrawingExports::printPreview);
    connect(m_copyDrawing, &QAction::triggered, &exports, &DrawingExports::copyDrawing);
}

void MainMenus::buildFileMenu(QMenu* file, ProgramFiles& files)
{
    m_new = addNamed(file, windowmsg::newProgram(), "jauns");
    m_load = addNamed(file, windowmsg::load(), "ieladet");
    m_save = addNamed(file, windowmsg::saveMenu(), "saglabat");
    m_saveAs = addNamed(file, windowmsg::saveAs(), "saglabat_ka");
    m_picture = addNamed(file, windowmsg::savePicture(), "saglabat_attelu");
    m_restore = addNamed(file, windowmsg::restore(), "atjaunot");
    m_makeTask = addNamed(file, taskwinmsg::makeTask(), "izveidot_uzdevumu");
    m_quit = addNamed(file, windowmsg::quit(), "iziet");

    connect(m_new, &QAction::triggered, &files, &ProgramFiles::jauns_Click);
    connect(m_load, &QAction::triggered, &files, &ProgramFiles::ieladet_Click);
    // "Saglabāt" saves as the save button does; "Saglabāt kā..." always asks for a name.
    connect(m_save, &QAction::triggered, &files, &ProgramFiles::save_analog_Click);
    connect(m_saveAs, &QAction::triggered, &files, &ProgramFiles::saglabat_Click);
    connect(m_quit, &QAction::triggered, &files, &ProgramFiles::iziet_Click);
    connect(m_picture, &QAction::triggered, &files, &ProgramFiles::saveImage);
    connect(m_restore, &QAction::triggered, &files, &ProgramFiles::atjaunot_Click);
}

void MainMenus::buildProgramMenu()
{
    m_program = m_window.menuBar()->addMenu(windowmsg::programMenu());
    m_program->setObjectName(QStringLiteral("programma"));
    m_start = addNamed(m_program, windowmsg::start(), "startet");
    m_stop = addNamed(m_program, windowmsg::stop(), "apturet");
    m_stop->setEnabled(false);
}

void MainMenus::buildViewMenu()
{
    m_view = m_window.menuBar()->addMenu(windowmsg::viewMenu());
    m_view->setObjectName(QStringLiteral("skats"));
    QMenu* steps = m_view->addMenu(windowmsg::scaleMenu());
    steps->setObjectName(QStringLiteral("merogs"));
    m_scaleSteps = new QActionGroup(&m_window);
    for (int percent : ScaleSteps) {
        QAction* step = steps->addAction(windowmsg::scaleStep(percent));
        step->setObjectName(QStringLiteral("merogs%1").arg(percent));
        step->setCheckable(true);
        step->setChecked(percent == scalePercent());
        m_scaleSteps->addAction(step);
        connect(step, &QAction::triggered, this, [this, percent] { emit scaleChosen(percent); });
    }
    m_zoomIn = addNamed(m_view, windowmsg::zoomIn(), "palielinat");
    m_zoomOut = addNamed(m_view, windowmsg::zoomOut(), "samazinat");
    connect(m_zoomIn, &QAction::triggered, this,
        [this] { emit scaleChosen(nextScale(scalePercent(), +1)); });
    connect(m_zoomOut, &QAction::triggered, this,
        [this] { emit scaleChosen(nextScale(scalePercent(), -1)); });
}

QAction* MainMenus::scaleStep(int percent) const
{
    return m_window.findChild<QAction*>(QStringLiteral("merogs%1").arg(percent));
}

void MainMenus::addShortcuts()
{
    m_new->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_copyDrawing->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    m_start->setShortcut(QKeySequence(Qt::Key_F5));
    m_stop->setShortcuts({ QKeySequence(Qt::SHIFT | Qt::Key_F5), QKeySequence(Qt::Key_Escape) });
    // Ctrl+= is Ctrl+Plus without Shift on keyboards that have both on one key.
    m_zoomIn->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    m_zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
}

void MainMenus::setRunning(bool running)
{
    for (QAction* action :
        { m_new, m_load, m_save, m_saveAs, m_picture, m_restore, m_makeTask, m_print, m_preview,
            m_copyDrawing, m_start })
        action->setEnabled(!running);
    m_export->setEnabled(!running);
    m_stop->setEnabled(running);
    m_examples->setEnabled(!running);
    m_tasks->setEnabled(!running);
    m_history->setRunning(running);
}

} // namespace zimo
