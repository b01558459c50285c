// The saving half of the file operations: program files and the picture of the page.
#include "filemessages.h"
#include "opendialog.h"
#include "programfiles.h"
#include "programhost.h"
#include "prompts.h"
#include "savechooser.h"
#include "savedialog.h"

#include "platform/rasterpage.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFileInfo>

namespace zimo
{

namespace
{

QString fileNameOf(const QString& name) { return name + ProgramSuffix.toString(); }

} // namespace

bool ProgramFiles::pagaidu_sagl()
{
    const QString text = m_host.programText();
    const QByteArray bytes = programFileBytes(text);
    const QString workFile = QDir::current().absoluteFilePath(SaveWorkFile.toString());
    const QString reason = writeFileSafely(workFile, bytes);
    if (!reason.isEmpty()) {
        tell(filemsg::workFileNotWritten(shownPath(workFile), reason));
        return false;
    }
    // The dialog saves these bytes rather than copying "pag.zkf" back: another window
    // started in the same folder may rewrite that file while the dialog is open.
    m_pending = { bytes, text };
    return true;
}

bool ProgramFiles::writeProgram(const QString& folder, const QString& name)
{
    const QString path = programFilePath(folder, name);
    const QString reason = writeFileSafely(path, m_pending.bytes);
    if (!reason.isEmpty()) {
        tell(filemsg::programNotSaved(shownPath(path), reason));
        return false;
    }
    m_stamp = stampFile(QFileInfo(path), m_pending.bytes);
    // The text may have changed while the dialog was open; then it is still unsaved.
    if (m_host.programText() == m_pending.text)
        m_host.markUnchanged();
    if (m_openDialog && m_openDialog->isVisible())
        m_openDialog->refresh();
    return true;
}

void ProgramFiles::saveChosen(const QString& folder, const QString& name)
{
    // A learner who types the suffix means the same file as one who does not.
    const QString bare = programNameOf(name);
    const QString problem
        = isWorkFile(folder, bare) ? filemsg::workFileName(bare) : nameProblem(bare);
    if (!problem.isEmpty()) {
        saveDialog().editName();
        tell(problem);
        return;
    }
    if (QFileInfo(programFilePath(folder, bare)).isFile()) {
        askToReplaceProgram(folder, bare);
        return;
    }
    if (writeProgram(folder, bare)) {
        setProgram(folder, bare);
        saveDialog().hide();
    }
}

// "Atcelt" leaves the file, the dialog and the text as they are.
void ProgramFiles::askToReplaceProgram(const QString& folder, const QString& name)
{
    const Pending pending = m_pending;
    ask(&saveDialog(), filemsg::replaceProgram(fileNameOf(name)),
        { filemsg::replaceButton(), filemsg::cancelButton() }, [=, this](int answer) {
            if (answer != 0 || m_host.isRunning())
                return;
            // A save in between has its own text; this is the one the question was about.
            m_pending = pending;
            if (writeProgram(folder, name)) {
                setProgram(folder, name);
                saveDialog().hide();
            }
        });
}

// The program's own file is replaced without a word, unless someone else has changed it
// since this window read or wrote it.
void ProgramFiles::saveOwnFile()
{
    const QString path = programFilePath(m_folder, m_name);
    if (!changedSince(path, m_stamp)) {
        writeProgram(m_folder, m_name);
        return;
    }
    const QString folder = m_folder;
    const QString name = m_name;
    const Pending pending = m_pending;
    ask(m_host.hostWindow(), filemsg::changedOnDisk(fileNameOf(name)),
        { filemsg::replaceButton(), filemsg::saveElsewhereButton(), filemsg::cancelButton() },
        [=, this](int answer) {
            // A program loaded meanwhile is not the one the question was about.
            if (m_host.isRunning() || folder != m_folder || name != m_name)
                return;
            m_pending = pending;
            if (answer == 0)
                writeProgram(folder, name);
            else if (answer == 1)
                showSaveDialog();
        });
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
        saveOwnFile();
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
        tell(filemsg::pictureNotSaved(shownPath(path), reason));
        return false;
    }
    return true;
}

} // namespace zimo
