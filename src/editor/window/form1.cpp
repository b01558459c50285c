#include "form1.h"

#include "closekeys.h"
#include "editoractions.h"
#include "keyrouter.h"
#include "mainmenus.h"
#include "fullscreen.h"
#include "modeswitch.h"
#include "statusrow.h"
#include "stepbackkeys.h"
#include "toolbar.h"
#include "toolbarpictures.h"
#include "viewmenu.h"
#include "windowscaler.h"

#include "editor/common/notice.h"
#include "editor/common/windowmessages.h"
#include "editor/help/helplauncher.h"
#include "editor/page/pageview.h"
#include "editor/page/samplecommands.h"
#include "editor/pickers/panelswitch.h"
#include "editor/run/runcontrolactions.h"
#include "editor/run/runcontroller.h"
#include "editor/run/stopmarks.h"
#include "editor/tasks/maketaskdialog.h"
#include "editor/tasks/taskmenu.h"
#include "editor/tasks/tasksession.h"
#include "editor/textbox/helparea.h"
#include "editor/textbox/hintpresenter.h"
#include "editor/textbox/programhistory.h"
#include "editor/textbox/programtextbox.h"
#include "export/recording.h"
#include "files/drawingexports.h"
#include "files/examplesmenu.h"
#include "files/programfiles.h"
#include "files/twips.h"
#include "platform/rasterpage.h"
#include "platform/workfile.h"
#include "interpreter/machine.h"
#include "program/messages.h"
#include "interpreter/reset.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QToolButton>

namespace zimo
{

Form1::Form1(QWidget* parent)
    : QMainWindow(parent)
    , m_rasterPage(std::make_unique<RasterPage>())
    , m_machine(std::make_unique<Machine>(*m_rasterPage))
    , m_recording(std::make_unique<Recording>(*m_rasterPage))
    , m_run(std::make_unique<RunController>(*m_machine))
{
    m_machine->drawing.sink = m_recording.get();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowmsg::title());
    setWindowIcon(pictures::windowIcon());
    // Every window opens at the size it was drawn at; the start scale comes after.
    setScalePercent(100);
    buildParts();
    connectParts();
    connectActions();
    connectTasks();
    m_scaler->layOut();

    // Form_Load
    sakums(*m_machine);
    updatePage();
    lapa()->setFocus();
    m_scaler->centreOnScreen();
}

Form1::~Form1()
{
    // The run must end while the machine it works on still exists.
    m_closing = true;
    m_run->stopAndWait();
}

void Form1::buildParts()
{
    m_client = new ClientArea(this);
    setCentralWidget(m_client);
    m_keys = new KeyRouter(this);
    m_keys->letThrough(toolbar());
    for (QWidget* panel : m_client->pickerPanels())
        m_keys->letThrough(panel);
    m_mode
        = new ModeSwitch({ *lapa(), *ieraksti(), *lapa_rect(), *ieraksti_rect(), *m_keys }, this);
    m_files = new ProgramFiles(*this, this);
    m_exports = new DrawingExports(*this, *m_files, *m_recording, this);
    m_menus = new MainMenus(*this, *m_files, *m_exports, *ieraksti());
    m_actions
        = new EditorActions({ *m_machine, *this, *ieraksti(), *helpArea(), *statusRow(), *lapa(),
                                *toolbar(), { *f_krasas(), *f_linija(), *Frame2() } },
            this);
    m_helpLauncher = new HelpLauncher(*this, *ieraksti());
    m_runActions = new RunControlActions(
        { *this, *m_machine, *ieraksti(), *hints().gutter(), *m_menus->programma(),
            *m_menus->start(), *m_menus->stop(), *m_menus->skats() },
        *m_run);
    m_scaler = std::make_unique<WindowScaler>(
        WindowScaler::Parts { *this, *m_client, *m_menus, *m_helpLauncher });
    m_view = new ViewMenu({ *this, *m_menus->skats(), *lapa(), *m_actions, *m_scaler });
    new StepBackKeys(*lapa(), *m_actions, *m_keys);
    new CloseKeys(*this);
    m_tasks = new TaskSession(
        { *lapa(), *m_client->taskPanel(), *m_menus->uzdevumi(), *m_files, *this, *m_machine },
        this);
}

void Form1::connectParts()
{
    connect(toolbar()->zimet(), &QToolButton::clicked, this, &Form1::zimet_Click);
    connect(lapa(), &PageView::lapa_MouseMove, statusRow(), &StatusRow::showPointer);
    connect(ieraksti(), &ProgramTextBox::ieraksti_KeyPress, helpArea(), &HelpArea::typed);
    connect(m_keys, &KeyRouter::stopRequested, this, &Form1::stopRun);
    connect(m_keys, &KeyRouter::pageKeyDown, this, &Form1::pageKeyDown);
    connect(m_keys, &KeyRouter::pageKeyUp, this, &Form1::pageKeyUp);
    connect(m_keys, &KeyRouter::escapePressed, this, &Form1::escapePressed);
    connect(m_run.get(), &RunController::frameReady, this, &Form1::showFrame);
    connect(m_run.get(), &RunController::finished, this, &Form1::showRunEnd);
    connect(ieraksti(), &QPlainTextEdit::textChanged, m_files, &ProgramFiles::textChanged);
    connect(m_files, &ProgramFiles::programNameChanged, this, &Form1::showTitle);
    connect(ieraksti()->document(), &QTextDocument::modificationChanged, this, &Form1::showTitle);
    // Emptying the box by hand keeps it modified, yet leaves nothing unsaved.
    connect(ieraksti(), &QPlainTextEdit::textChanged, this, &Form1::showTitle);
    // An example starts on a clean page, so Run shows exactly what it draws.
    connect(m_menus->piemeri(), &ExamplesMenu::exampleOpened, this, [this] {
        Command2_Click(m_machine->drawing);
        updatePage();
    });
    connect(
        toolbar()->new_analog(), &QToolButton::clicked, m_files, &ProgramFiles::new_analog_Click);
    connect(
        toolbar()->save_analog(), &QToolButton::clicked, m_files, &ProgramFiles::save_analog_Click);
    // F5 only ever starts a run; the Run button is the one that also stops.
    connect(m_menus->start(), &QAction::triggered, this, [this] {
        if (!isRunning())
            zimet_Click();
    });
    connect(m_menus->stop(), &QAction::triggered, this, &Form1::stopRun);
    connect(m_menus, &MainMenus::scaleChosen, this,
        [this](int percent) { m_scaler->setScale(percent, true); });
}

// The parts that act on the window hear from the window and from each other.
void Form1::connectActions()
{
    connect(this, &Form1::pageKeyDown, m_actions, &EditorActions::keyDown);
    connect(this, &Form1::pageKeyUp, m_actions, &EditorActions::keyUp);
    // Esc closes an open picker first, and only then leaves full screen.
    connect(this, &Form1::escapePressed, m_actions, [this] {
        if (!m_actions->panels().cancel())
            m_view->fullScreen().setOn(false);
    });
    connect(m_actions, &EditorActions::machineChanged, this, &Form1::updatePage);
    connect(m_actions, &EditorActions::textClearing, m_files, &ProgramFiles::keepLeaving);
    connect(&m_menus->history(), &ProgramHistory::stepped, m_actions, &EditorActions::textStepped);
    connect(m_files, &ProgramFiles::helpWanted, m_helpLauncher, &HelpLauncher::open);
    connect(m_helpLauncher, &HelpLauncher::insertWanted, m_actions, &EditorActions::insertLine);
    connect(m_runActions, &RunControlActions::pauseShown, toolbar(), &Toolbar::showPaused);
    connect(m_runActions, &RunControlActions::firstStepWanted, this, [this] { startRun(true); });
}

// A task starts from the menu or from a task file, and judges every run that ends.
void Form1::connectTasks()
{
    connect(m_menus->uzdevumi(), &TaskMenu::taskChosen, m_tasks, &TaskSession::start);
    connect(m_files, &ProgramFiles::taskChosen, m_tasks, &TaskSession::start);
    connect(this, &Form1::runFinished, m_tasks, &TaskSession::judge);
    connect(m_tasks, &TaskSession::pageChanged, this, &Form1::updatePage);
    connect(m_tasks, &TaskSession::panelShown, m_client, &ClientArea::showTaskPanel);
    connect(m_menus->makeTask(), &QAction::triggered, this, [this] {
        if (!isRunning())
            (new MakeTaskDialog(programText(), m_files->programFolder(), this))->open();
    });
}

QString Form1::programText() const { return ieraksti()->programText(); }

void Form1::setProgramText(const QString& text)
{
    // A text that only grows at its end is the same program with a line more; any other is
    // another program (loaded, an example, restored, new), whose lines carry no stop marks.
    if (m_runActions && !text.startsWith(programText()))
        m_runActions->marks().clear();
    ieraksti()->setProgramText(text);
}

void Form1::replaceProgram(const QString& text)
{
    forgetProgram();
    ieraksti()->setProgramText(text);
    ieraksti()->showStart();
}

void Form1::markUnchanged() { ieraksti()->document()->setModified(false); }

void Form1::forgetProgram()
{
    if (m_runActions)
        m_runActions->marks().clear();
    hints().clearRunError();
    statusRow()->showNotice(QString());
}

void Form1::showTitle()
{
    // An empty box holds nothing to lose, whatever was typed and deleted before.
    const QTextDocument& document = *ieraksti()->document();
    const bool unsaved = document.isModified() && !document.isEmpty();
    setWindowTitle(windowmsg::titleFor(m_files->programName(), unsaved));
}

bool Form1::isRunning() const { return m_run->isRunning(); }

void Form1::newProgram()
{
    if (isRunning())
        return;
    m_machine->program.clearLines();
    forgetProgram();
    // An edit, not a wipe: undo brings the program back.
    ieraksti()->setProgramText(QString());
    ieraksti()->showStart();
    sakums(*m_machine);
    updatePage();
}

const RasterPage& Form1::page() const { return *m_rasterPage; }

bool Form1::isPageMode() const { return m_mode->isPageMode(); }

void Form1::updatePage()
{
    if (isRunning())
        return;
    captureFrame(*m_machine, lapa()->frame());
    lapa()->frame().line = 0;
    m_client->showPageFrame();
}

void Form1::showFrame()
{
    if (!m_run->takeFrame(lapa()->frame()))
        return;
    m_client->showPageFrame();
    ieraksti()->setRunLine(lapa()->frame().line);
}

void Form1::zimet_Click()
{
    if (m_run->isPaused()) {
        m_runActions->resume();
    } else if (isRunning()) {
        // The second click of a double click on Run must not stop the run it started.
        if (m_runStarted.elapsed() >= QApplication::doubleClickInterval())
            stopRun();
    } else {
        startRun(false);
    }
}

void Form1::startRun(bool firstStepOnly)
{
    if (isRunning())
        return;
    // Edits still waiting for the half minute go to the recovery history before the run.
    m_files->keepWaitingEdits();
    m_keys->releaseWaiting();
    hints().clearRunError();
    m_tasks->prepareRun();
    m_run->start(programText(), RunOptions { RunWorkFile.toString(), 0 }, firstStepOnly);
    m_runStarted.start();
    setRunning(true);
}

void Form1::stopRun() { m_run->requestStop(); }

void Form1::setRunning(bool running)
{
    toolbar()->setRunning(running);
    m_menus->setRunning(running);
    for (QWidget* panel : m_client->pickerPanels())
        panel->setEnabled(!running);
    m_keys->setRunning(running);
    m_mode->setRunning(running);
}

void Form1::showRunEnd(const RunOutcome& outcome)
{
    updatePage();
    ieraksti()->setRunLine(0);
    setRunning(false);
    auto tell = [this](QMessageBox::Icon icon, const QString& text) {
        if (!m_closing)
            openNotice(this, icon, text);
    };
    if (outcome.workFileFailed && !m_workFileTold) {
        m_workFileTold = true;
        tell(QMessageBox::Information,
            msg::workFileNotWritten(RunWorkFile.toString(), outcome.workFileProblem));
    }
    if (outcome.end == RunOutcome::End::Failed) {
        ieraksti()->selectLine(outcome.line);
        tell(QMessageBox::Warning, outcome.message);
        hints().showRunError(outcome.line, outcome.message);
    }
    emit runFinished(outcome);
}

void Form1::closeEvent(QCloseEvent* event)
{
    m_closing = true;
    m_run->stopAndWait();
    m_files->keepLeaving();
    event->accept();
}

} // namespace zimo
