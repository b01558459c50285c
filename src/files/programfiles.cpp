#include "programfiles.h"

#include "commandfile.h"
#include "filemessages.h"
#include "opendialog.h"
#include "platform/rasterpage.h"
#include "platform/safefile.h"
#include "programfile.h"
#include "programhost.h"
#include "recovery.h"
#include "savechooser.h"
#include "savedialog.h"
#include "tasks/taskfile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace zimo
{

namespace
{

/// How long the text rests after a change before its recovery copy is written.
constexpr int RecoveryDelayMs = 3000;

// A message box that does not wait: it belongs to the window the learner is working in
// (the main window or one of the dialogs) and goes away when closed.
void showMessage(QWidget* window, const QString& message)
{
    auto* box = new QMessageBox(
        QMessageBox::Warning, filemsg::messageTitle(), message, QMessageBox::NoButton, window);
    box->addButton(filemsg::okButton(), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void bringUp(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

bool isTaskFile(const QString& path) { return path.endsWith(TaskSuffix, Qt::CaseInsensitive); }

} // namespace

ProgramFiles::ProgramFiles(ProgramHost& host, QObject* parent)
    : QObject(parent)
    , m_host(host)
    , m_folder(QDir::currentPath())
{
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(RecoveryDelayMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &ProgramFiles::keepForRecovery);
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

bool ProgramFiles::pagaidu_sagl()
{
    const ProgramBytes program = programFileBytes(m_host.programText());
    if (!program.problem.isEmpty()) {
        tell(program.problem);
        return false;
    }
    const QString workFile = QDir::current().absoluteFilePath(SaveWorkFile.toString());
    const QString reason = writeFileSafely(workFile, program.bytes);
    if (!reason.isEmpty()) {
        tell(filemsg::workFileNotWritten(shown(workFile), reason));
        return false;
    }
    // The dialog saves these bytes rather than copying "pag.zkf" back: another window
    // started in the same folder may rewrite that file while the dialog is open.
    m_pending = program.bytes;
    return true;
}

std::optional<QString> ProgramFiles::readProgram(const QString& path) const
{
    const LoadedProgram program = readProgramFile(path);
    if (!program.ok()) {
        tell(filemsg::programNotLoaded(shown(path), program.problem));
        return std::nullopt;
    }
    return program.text;
}

bool ProgramFiles::load_file(const QString& path)
{
    const std::optional<QString> text = readProgram(path);
    if (text)
        m_host.setProgramText(*text);
    return text.has_value();
}

bool ProgramFiles::writeProgram(const QString& folder, const QString& name)
{
    const QString path = programFilePath(folder, name);
    const QString reason = writeFileSafely(path, m_pending);
    if (!reason.isEmpty()) {
        tell(filemsg::programNotSaved(shown(path), reason));
        return false;
    }
    if (m_openDialog && m_openDialog->isVisible())
        m_openDialog->refresh();
    return true;
}

void ProgramFiles::setProgram(const QString& folder, const QString& name)
{
    m_folder = folder;
    m_name = name;
    if (m_saveDialog) {
        m_saveDialog->setFolder(folder);
        m_saveDialog->setName(name);
    }
    emit programNameChanged(name);
}

void ProgramFiles::saveChosen(const QString& folder, const QString& name)
{
    // A learner who types the suffix means the same file as one who does not.
    const QString bare = programNameOf(name);
    const QString problem = nameProblem(bare);
    if (!problem.isEmpty()) {
        tell(problem);
        return;
    }
    if (!writeProgram(folder, bare))
        return;
    setProgram(folder, bare);
    saveDialog().hide();
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
    setProgram(folder, programNameOf(fileName));
    openDialog().hide();
}

SaveDialog& ProgramFiles::saveDialog()
{
    if (!m_saveDialog) {
        m_saveDialog = new SaveDialog(m_host.hostWindow());
        m_saveDialog->setFolder(m_folder);
        m_saveDialog->setName(m_name);
        connect(m_saveDialog, &SaveDialog::saveRequested, this, &ProgramFiles::saveChosen);
    }
    return *m_saveDialog;
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

void ProgramFiles::showSaveDialog()
{
    SaveDialog& dialog = saveDialog();
    // Reopened, the dialog offers the program's own name and folder; what was typed into it
    // and cancelled is gone. While it is open, what is being typed stays.
    if (!dialog.isVisible()) {
        dialog.setFolder(m_folder);
        dialog.setName(m_name);
    }
    bringUp(dialog);
}

void ProgramFiles::jauns_Click()
{
    if (m_host.isRunning())
        return;
    m_host.newProgram();
    setProgram(m_folder, {});
}

void ProgramFiles::new_analog_Click() { jauns_Click(); }

void ProgramFiles::ieladet_Click()
{
    if (m_host.isRunning())
        return;
    bringUp(openDialog());
}

void ProgramFiles::saglabat_Click()
{
    if (m_host.isRunning() || !pagaidu_sagl())
        return;
    showSaveDialog();
}

void ProgramFiles::save_analog_Click()
{
    if (m_host.isRunning() || !pagaidu_sagl())
        return;
    if (m_name.isEmpty())
        showSaveDialog();
    else
        writeProgram(m_folder, m_name);
}

void ProgramFiles::iziet_Click()
{
    keepForRecovery();
    QCoreApplication::quit();
}

void ProgramFiles::palidziba_Click()
{
    if (!startCommandFile(QDir::current().absoluteFilePath(CommandFile.toString())))
        emit helpWanted();
}

void ProgramFiles::saveImage()
{
    if (m_host.isRunning())
        return;
    const QString name = m_name.isEmpty() ? filemsg::pictureDefaultName() : m_name;
    chooseSavePath(m_host,
        { filemsg::pictureCaption(), filemsg::pictureFilter(), QStringLiteral("png"),
            filemsg::replacePicture },
        QDir(m_folder).filePath(name), [this](const QString& path) { savePicture(path); });
}

bool ProgramFiles::savePicture(const QString& path)
{
    const QString reason = m_host.page().savePng(path);
    if (!reason.isEmpty()) {
        tell(filemsg::pictureNotSaved(shown(path), reason));
        return false;
    }
    return true;
}

void ProgramFiles::openAtStart(const QString& path)
{
    const QFileInfo file(path);
    if (isTaskFile(path))
        emit taskChosen(file.absoluteFilePath());
    else if (load_file(file.absoluteFilePath()))
        setProgram(file.absolutePath(), programNameOf(file.fileName()));
}

const LoadedProgram& ProgramFiles::previous() const
{
    if (!m_previous)
        m_previous = readRecoveryText();
    return *m_previous;
}

bool ProgramFiles::openExample(const QString& path)
{
    if (m_host.isRunning())
        return false;
    const std::optional<QString> text = readProgram(path);
    return text && replaceProgram(*text);
}

bool ProgramFiles::replaceProgram(const QString& text)
{
    if (m_host.isRunning())
        return false;
    m_host.setProgramText(text);
    // The program is the learner's to change now; the save button must not write to the
    // examples folder or over the last program's file, so it has no name until it is saved
    // under one.
    setProgram(m_folder, {});
    return true;
}

bool ProgramFiles::hasRecovery() const
{
    return previous().ok() && worthRecovering(previous().text);
}

void ProgramFiles::textChanged() { m_recoveryTimer.start(); }

void ProgramFiles::keepForRecovery()
{
    m_recoveryTimer.stop();
    const QString text = m_host.programText();
    // An empty text box must not wipe out a program kept earlier and not yet restored.
    if (!worthRecovering(text) || text == m_kept)
        return;
    // What the last session left must be read before this session's text replaces it.
    previous();
    const QString reason = keepRecoveryText(text);
    if (reason.isEmpty()) {
        m_kept = text;
    } else if (!m_recoveryTold) {
        m_recoveryTold = true;
        tell(filemsg::recoveryNotKept(shown(recoveryFilePath()), reason));
    }
}

void ProgramFiles::restorePrevious()
{
    if (m_host.isRunning())
        return;
    const LoadedProgram kept = previous();
    if (!kept.ok()) {
        tell(filemsg::recoveryNotRead(shown(recoveryFilePath()), kept.problem));
        return;
    }
    // The text in the box is the learner's work too: it takes the kept text's place, so
    // restoring again brings it back.
    const QString current = m_host.programText();
    if (worthRecovering(current))
        m_previous->text = current;
    m_host.setProgramText(kept.text);
    // The kept text is not the named program's: the save button must not write it there.
    setProgram(m_folder, {});
}

} // namespace zimo
