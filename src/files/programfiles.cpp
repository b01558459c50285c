#include "programfiles.h"

#include "commandfile.h"
#include "filemessages.h"
#include "opendialog.h"
#include "programhost.h"
#include "prompts.h"
#include "recovery.h"
#include "restoredialog.h"
#include "savedialog.h"
#include "tasks/taskfile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace zimo
{

namespace
{

/// The longest time an edit waits before the text goes to the recovery history: at most one
/// write per half minute while the learner types.
constexpr int RecoveryDelayMs = 30'000;

bool isTaskFile(const QString& path) { return path.endsWith(TaskSuffix, Qt::CaseInsensitive); }

} // namespace

ProgramFiles::ProgramFiles(ProgramHost& host, QObject* parent)
    : QObject(parent)
    , m_host(host)
    , m_folder(QDir::currentPath())
    , m_history(recoveryFolder())
{
    m_history.adopt(oldRecoveryFile());
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(RecoveryDelayMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &ProgramFiles::keepEditing);
}

ProgramFiles::~ProgramFiles() = default;

void ProgramFiles::setNotifier(Notifier notifier) { m_notify = std::move(notifier); }

void ProgramFiles::tell(const QString& message) const
{
    if (m_notify) {
        m_notify(message);
        return;
    }
    QWidget* active = QApplication::activeWindow();
    showMessage(active ? active : m_host.hostWindow(), message);
}

bool ProgramFiles::load_file(const QString& path)
{
    const LoadedProgram program = readProgramFile(path);
    if (!program.ok()) {
        tell(filemsg::programNotLoaded(shownPath(path), program.problem));
        return false;
    }
    replaceText(program.text, true);
    m_stamp = program.stamp;
    return true;
}

void ProgramFiles::replaceText(const QString& text, bool unchanged)
{
    keepLeaving();
    m_host.replaceProgram(text);
    if (unchanged)
        m_host.markUnchanged();
}

void ProgramFiles::setProgram(const QString& folder, const QString& name)
{
    m_folder = folder;
    m_name = name;
    if (name.isEmpty())
        m_stamp = {};
    if (m_saveDialog) {
        m_saveDialog->setFolder(folder);
        m_saveDialog->setName(name);
    }
    emit programNameChanged(name);
}

void ProgramFiles::loadChosen(const QString& folder, const QString& fileName)
{
    if (m_host.isRunning())
        return;
    if (fileName.isEmpty()) {
        tell(filemsg::noFileChosen());
        return;
    }
    if (isTaskFile(fileName)) {
        openDialog().hide();
        emit taskChosen(QDir(folder).filePath(fileName));
        return;
    }
    if (!load_file(QDir(folder).filePath(fileName)))
        return;
    // A work file is rewritten behind the program's back: saving must ask for another name.
    const QString name = programNameOf(fileName);
    setProgram(folder, isWorkFile(folder, name) ? QString() : name);
    openDialog().hide();
}

OpenDialog& ProgramFiles::openDialog()
{
    if (!m_openDialog) {
        m_openDialog = new OpenDialog(m_host.hostWindow());
        m_openDialog->setFolder(m_folder);
        connect(m_openDialog, &OpenDialog::loadRequested, this, &ProgramFiles::loadChosen);
    }
    return *m_openDialog;
}

void ProgramFiles::jauns_Click()
{
    if (m_host.isRunning())
        return;
    keepLeaving();
    m_host.newProgram();
    m_host.markUnchanged();
    setProgram(m_folder, {});
}

void ProgramFiles::new_analog_Click() { jauns_Click(); }

void ProgramFiles::ieladet_Click()
{
    if (m_host.isRunning())
        return;
    bringUp(openDialog());
}

void ProgramFiles::iziet_Click()
{
    keepLeaving();
    QCoreApplication::quit();
}

void ProgramFiles::palidziba_Click()
{
    if (!startCommandFile(QDir::current().absoluteFilePath(CommandFile.toString())))
        emit helpWanted();
}

void ProgramFiles::openAtStart(const QString& path)
{
    const QFileInfo file(path);
    if (isTaskFile(path)) {
        emit taskChosen(file.absoluteFilePath());
        return;
    }
    if (!load_file(file.absoluteFilePath()))
        return;
    const QString name = programNameOf(file.fileName());
    setProgram(file.absolutePath(), isWorkFile(file.absolutePath(), name) ? QString() : name);
}

bool ProgramFiles::openExample(const QString& path)
{
    if (m_host.isRunning() || !load_file(path))
        return false;
    // The example is the learner's to change now; the save button must not write to the
    // examples folder, so the program has no name until it is saved under one.
    setProgram(m_folder, {});
    return true;
}

bool ProgramFiles::openUnnamed(const QString& text, bool unchanged)
{
    if (m_host.isRunning())
        return false;
    replaceText(text, unchanged);
    // The text is not the named program's: the save button must not write it there.
    setProgram(m_folder, {});
    return true;
}

void ProgramFiles::tellHistoryFailure(const QString& reason)
{
    if (reason.isEmpty() || m_historyTold)
        return;
    m_historyTold = true;
    tell(filemsg::recoveryNotKept(shownPath(m_history.folder()), reason));
}

void ProgramFiles::textChanged()
{
    if (!m_recoveryTimer.isActive())
        m_recoveryTimer.start();
}

void ProgramFiles::keepEditing()
{
    m_recoveryTimer.stop();
    tellHistoryFailure(m_history.keep(m_host.programText()));
}

void ProgramFiles::keepWaitingEdits()
{
    if (m_recoveryTimer.isActive())
        keepEditing();
}

void ProgramFiles::keepLeaving()
{
    keepEditing();
    m_history.closeVersion();
}

void ProgramFiles::atjaunot_Click()
{
    if (m_host.isRunning())
        return;
    if (!m_restoreDialog) {
        m_restoreDialog = new RestoreDialog(m_host.hostWindow());
        connect(m_restoreDialog, &RestoreDialog::restoreRequested, this,
            &ProgramFiles::restoreChosen);
    }
    // What this window is working on is in the list too.
    keepEditing();
    m_restoreDialog->showEntries(m_history.entries());
    bringUp(*m_restoreDialog);
}

void ProgramFiles::restoreChosen(const QString& path)
{
    if (m_host.isRunning())
        return;
    const LoadedProgram kept = RecoveryHistory::read({ path, {}, {} });
    if (!kept.ok()) {
        tell(filemsg::recoveryNotRead(shownPath(path), kept.problem));
        return;
    }
    openUnnamed(kept.text, false);
    m_restoreDialog->hide();
}

} // namespace zimo
