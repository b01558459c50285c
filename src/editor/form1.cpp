#include "form1.h"

#include "colourpanel.h"
#include "editoractions.h"
#include "helparea.h"
#include "helplauncher.h"
#include "hintpresenter.h"
#include "keyrouter.h"
#include "notice.h"
#include "outlinerect.h"
#include "pageview.h"
#include "picturebox.h"
#include "programhistory.h"
#include "programtextbox.h"
#include "runcontrolactions.h"
#include "runcontroller.h"
#include "samplecommands.h"
#include "statusrow.h"
#include "stopmarks.h"
#include "stylepanel.h"
#include "thicknesspanel.h"
#include "toolbar.h"
#include "toolbarpictures.h"
#include "twips.h"
#include "windowmessages.h"

#include "files/examplefolder.h"
#include "files/examplesmenu.h"
#include "files/programfiles.h"
#include "platform/workfile.h"
#include "platform/rasterpage.h"
#include "interpreter/machine.h"
#include "program/messages.h"
#include "interpreter/reset.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace zimo
{

namespace
{

/// The longest time an edit waits before the text goes to the recovery history: at most one
/// write per half minute while the learner types.
constexpr int RecoveryDelayMs = 30'000;
const QColor ModeFrameColour(128, 128, 255);
constexpr int ModeFrameWidth = 6;

QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent)
    , m_rasterPage(std::make_unique<RasterPage>())
    , m_machine(std::make_unique<Machine>(*m_rasterPage))
    , m_run(std::make_unique<RunController>(*m_machine))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowmsg::title());
    setWindowIcon(pictures::windowIcon());
    // Every window opens at the size it was drawn at; the start scale comes after.
    setScalePercent(100);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->installEventFilter(this);
    setCentralWidget(client);
    m_client = client;
    m_page = new PageView(client);
    m_text = new ProgramTextBox(QRect(), client);
    m_pageFrame
        = new OutlineRect(QStringLiteral("lapa_rect"), ModeFrameColour, ModeFrameWidth, client);
    m_textFrame
        = new OutlineRect(QStringLiteral("ieraksti_rect"), ModeFrameColour, ModeFrameWidth, client);
    m_textFrame->hide();
    m_toolbar = new Toolbar(client);
    m_help = new HelpArea(client);
    m_hints = new HintPresenter(m_text, m_help);
    m_status = new StatusRow(client);
    // The panels pop up over the top of the window, above everything else.
    m_colourPanel = new ColourPanel(client);
    m_thicknessPanel = new ThicknessPanel(client);
    m_stylePanel = new StylePanel(client);
    for (QWidget* panel :
        std::initializer_list<QWidget*> { m_colourPanel, m_thicknessPanel, m_stylePanel })
        panel->raise();
    m_keys = new KeyRouter(this);
    for (QWidget* area : std::initializer_list<QWidget*> {
             m_toolbar, m_colourPanel, m_thicknessPanel, m_stylePanel })
        m_keys->letThrough(area);
    m_files = new ProgramFiles(*this, this);

    buildMenus();
    connectControls();
    m_actions = new EditorActions(*this);
    m_helpLauncher = new HelpLauncher(*this);
    m_runActions = new RunControlActions(*this, *m_run);
    nameControls();
    layOut();

    // The help row keeps its start texts until a rule replaces them.
    m_helpRow.command = m_helpRow.help = m_helpRow.command2 = windowmsg::helpStart();

    // Form_Load
    sakums(*m_machine);
    updatePage();
    m_page->setFocus();
    centreOnScreen();
}

Form1::~Form1()
{
    // The run must end while the machine it works on still exists.
    m_closing = true;
    m_run->stopAndWait();
}

void Form1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(windowmsg::fileMenu());
    file->setObjectName(QStringLiteral("fails"));
    auto add = [this](QMenu* menu, const QString& text, const char* name) {
        QAction* action = menu ? menu->addAction(text) : menuBar()->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    m_newAction = add(file, windowmsg::newProgram(), "jauns");
    m_loadAction = add(file, windowmsg::load(), "ieladet");
    m_saveAction = add(file, windowmsg::saveMenu(), "saglabat");
    m_saveAsAction = add(file, windowmsg::saveAs(), "saglabat_ka");
    m_pictureAction = add(file, windowmsg::savePicture(), "saglabat_attelu");
    m_restoreAction = add(file, windowmsg::restore(), "atjaunot");
    m_quitAction = add(file, windowmsg::quit(), "iziet");
    buildProgramMenu();
    buildViewMenu();
    m_examples = new ExamplesMenu(*m_files, exampleGroups(exampleFolder()), this);
    menuBar()->addMenu(m_examples);
    m_helpAction = add(nullptr, windowmsg::help(), "palidziba");
    m_history = new ProgramHistory(*m_text, file, this);
    addShortcuts();
}

void Form1::connectControls()
{
    connect(m_toolbar->zimet(), &QToolButton::clicked, this, &Form1::zimet_Click);
    connect(m_page, &PageView::lapa_Click, this, &Form1::lapa_Click);
    connect(m_page, &PageView::lapa_MouseMove, this,
        [this](int x, int y) { m_status->showPointer(x, y); });
    connect(m_text, &ProgramTextBox::ieraksti_Click, this, &Form1::ieraksti_Click);
    connect(m_text, &ProgramTextBox::ieraksti_KeyPress, this, &Form1::ieraksti_KeyPress);
    connect(m_keys, &KeyRouter::stopRequested, this, &Form1::stopRun);
    connect(m_keys, &KeyRouter::pageKeyDown, this, &Form1::pageKeyDown);
    connect(m_keys, &KeyRouter::pageKeyUp, this, &Form1::pageKeyUp);
    connect(m_keys, &KeyRouter::escapePressed, this, &Form1::escapePressed);
    connect(m_run.get(), &RunController::frameReady, this, &Form1::showFrame);
    connect(m_run.get(), &RunController::finished, this, &Form1::showRunEnd);
    // The recovery history follows the text, so a crash or a power cut loses at most half a
    // minute; the timer is not restarted by later edits, so steady typing still gets kept.
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(RecoveryDelayMs);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_recoveryTimer->isActive())
            m_recoveryTimer->start();
    });
    connect(m_recoveryTimer, &QTimer::timeout, m_files, &ProgramFiles::keepEditing);
    connect(this, &Form1::runFinished, this, [this](const RunOutcome& outcome) {
        if (outcome.end == RunOutcome::End::Failed)
            m_hints->showRunError(outcome.line, outcome.message);
    });

    connect(m_newAction, &QAction::triggered, m_files, &ProgramFiles::jauns_Click);
    connect(m_loadAction, &QAction::triggered, m_files, &ProgramFiles::ieladet_Click);
    // "Saglabāt" saves as the save button does; "Saglabāt kā..." always asks for a name.
    connect(m_saveAction, &QAction::triggered, m_files, &ProgramFiles::save_analog_Click);
    connect(m_saveAsAction, &QAction::triggered, m_files, &ProgramFiles::saglabat_Click);
    connect(m_quitAction, &QAction::triggered, m_files, &ProgramFiles::iziet_Click);
    connect(m_pictureAction, &QAction::triggered, m_files, &ProgramFiles::saveImage);
    connect(m_restoreAction, &QAction::triggered, m_files, &ProgramFiles::atjaunot_Click);
    connect(m_files, &ProgramFiles::programNameChanged, this, &Form1::showTitle);
    connect(m_text->document(), &QTextDocument::modificationChanged, this, &Form1::showTitle);
    connect(m_helpAction, &QAction::triggered, m_files, &ProgramFiles::palidziba_Click);
    // An example starts on a clean page, so Run shows exactly what it draws.
    connect(m_examples, &ExamplesMenu::exampleOpened, this, [this] {
        Command2_Click(m_machine->drawing.page);
        updatePage();
    });
    connect(
        m_toolbar->new_analog(), &QToolButton::clicked, m_files, &ProgramFiles::new_analog_Click);
    connect(
        m_toolbar->save_analog(), &QToolButton::clicked, m_files, &ProgramFiles::save_analog_Click);
}

void Form1::centreOnScreen()
{
    adjustSize();
    if (const QScreen* s = screen()) {
        QRect bounds = frameGeometry();
        bounds.moveCenter(s->availableGeometry().center());
        move(bounds.topLeft());
    }
}

QString Form1::programText() const { return m_text->programText(); }

void Form1::showTitle()
{
    // An empty box holds nothing to lose, whatever was typed and deleted before.
    const bool unsaved = m_text->document()->isModified() && !m_text->document()->isEmpty();
    setWindowTitle(windowmsg::titleFor(m_files->programName(), unsaved));
}

void Form1::replaceProgram(const QString& text)
{
    forgetProgram();
    m_text->setProgramText(text);
    m_text->showStart();
}

void Form1::markUnchanged() { m_text->document()->setModified(false); }

// What belonged to the program in the box goes with it.
void Form1::forgetProgram()
{
    if (m_runActions)
        m_runActions->marks().clear();
    m_hints->clearRunError();
    m_status->showNotice(QString());
}

void Form1::setProgramText(const QString& text)
{
    // A text that only grows at its end is the same program with a line more; any other is
    // another program (loaded, an example, restored, new), whose lines carry no stop marks.
    if (m_runActions && !text.startsWith(programText()))
        m_runActions->marks().clear();
    m_text->setProgramText(text);
}

bool Form1::isRunning() const { return m_run->isRunning(); }

void Form1::newProgram()
{
    if (isRunning())
        return;
    m_machine->program.clearLines();
    forgetProgram();
    // An edit, not a wipe: undo brings the program back.
    m_text->setProgramText(QString());
    m_text->showStart();
    sakums(*m_machine);
    updatePage();
}

const RasterPage& Form1::page() const { return *m_rasterPage; }

void Form1::updatePage()
{
    if (isRunning())
        return;
    PageFrame& frame = m_page->frame();
    captureFrame(*m_machine, frame);
    frame.line = 0;
    m_page->update();
    m_status->showTurtle(frame.displayAngle, frame.x, frame.y);
    m_toolbar->krasa()->setColour(toQColor(frame.lineColour));
}

void Form1::showFrame()
{
    if (!m_run->takeFrame(m_page->frame()))
        return;
    const PageFrame& frame = m_page->frame();
    m_page->update();
    m_status->showTurtle(frame.displayAngle, frame.x, frame.y);
    m_toolbar->krasa()->setColour(toQColor(frame.lineColour));
    m_text->setRunLine(frame.line);
}

void Form1::showHelp() { m_help->showRow(m_helpRow); }

void Form1::ieraksti_KeyPress(const QString& character)
{
    m_helpBuffer += character;
    paskaidro(m_helpBuffer, m_helpRow);
    showHelp();
}

void Form1::lapa_Click()
{
    m_pageMode = true;
    m_editableAtStart = false;
    applyTextLock();
    m_keys->setPageMode(true);
    m_pageFrame->show();
    m_textFrame->hide();
}

void Form1::ieraksti_Click()
{
    m_pageMode = false;
    applyTextLock();
    m_keys->setPageMode(false);
    m_pageFrame->hide();
    m_textFrame->show();
}

void Form1::applyTextLock()
{
    m_text->setReadOnly(isRunning() || (m_pageMode && !m_editableAtStart));
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
    // Edits not yet kept go to the recovery history before the run, in case it goes wrong.
    if (m_recoveryTimer->isActive()) {
        m_recoveryTimer->stop();
        m_files->keepEditing();
    }
    m_keys->releaseWaiting();
    m_hints->clearRunError();
    m_run->start(programText(), RunOptions { RunWorkFile.toString(), 0 }, firstStepOnly);
    m_runStarted.start();
    setRunning(true);
}

void Form1::stopRun() { m_run->requestStop(); }

void Form1::setRunning(bool running)
{
    m_toolbar->setRunning(running);
    for (QAction* action :
        { m_newAction, m_loadAction, m_saveAction, m_saveAsAction, m_pictureAction, m_startAction })
        action->setEnabled(!running);
    m_stopAction->setEnabled(running);
    m_restoreAction->setEnabled(!running);
    m_examples->setEnabled(!running);
    for (QWidget* panel :
        std::initializer_list<QWidget*> { m_colourPanel, m_thicknessPanel, m_stylePanel })
        panel->setEnabled(!running);
    m_keys->setRunning(running);
    m_history->setRunning(running);
    applyTextLock();
}

void Form1::showRunEnd(const RunOutcome& outcome)
{
    updatePage();
    m_text->setRunLine(0);
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
        m_text->selectLine(outcome.line);
        tell(QMessageBox::Warning, outcome.message);
    }
    emit runFinished(outcome);
}

void Form1::closeEvent(QCloseEvent* event)
{
    m_closing = true;
    m_run->stopAndWait();
    m_recoveryTimer->stop();
    m_files->keepLeaving();
    event->accept();
}

} // namespace zimo
