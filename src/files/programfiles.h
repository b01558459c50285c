#pragma once

#include "filestamp.h"
#include "programfile.h"
#include "recoveryhistory.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

namespace zimo
{

class OpenDialog;
class ProgramHost;
class RestoreDialog;
class SaveDialog;

/// The file operations of the main window: a new program, saving and loading program
/// files, the recovery history, the help command, leaving the program and saving the
/// drawing as a picture.
///
/// Owns the current program name and folder, the bytes last written to "pag.zkf", what it
/// last knew of the program's file, the recovery history and the dialogs, which are
/// created on first use and afterwards only shown and hidden. The name and folder change
/// only when a save or a load has gone through (or on "Jauns"), so a name typed into the
/// save dialog and then cancelled never becomes the file that the save button overwrites.
/// No file is replaced without a question, except the program's own file that nobody else
/// has changed. Every text that leaves the text box goes to the recovery history first.
/// Every failure is told to the user and leaves the program text and the files on disk as
/// they were.
class ProgramFiles : public QObject
{
    Q_OBJECT
public:
    /// Shows a message to the user.
    using Notifier = std::function<void(const QString& message)>;

    ProgramFiles(ProgramHost& host, QObject* parent);
    ~ProgramFiles() override;

    /// The current program name, without ".zkf"; empty while the program has none.
    QString programName() const { return m_name; }
    /// The folder the program is saved to and loaded from.
    QString programFolder() const { return m_folder; }
    /// Replaces the message box through which failures are told.
    void setNotifier(Notifier notifier);
    const RecoveryHistory& recoveryHistory() const { return m_history; }
    /// Tells the user a failure, through the notifier or in a message box that does not wait.
    void tell(const QString& message) const;

    /// The program text changed: it goes to the recovery history at most half a minute
    /// later, so that a crash or a power cut loses no more; later edits do not put it off.
    void textChanged();
    /// Keeps the text being edited as its version in the recovery history now. A failure
    /// is told once per session.
    void keepEditing();
    /// Keeps edits that are waiting for the half minute to pass, before a run.
    void keepWaitingEdits();
    /// The text leaves the text box (the window closes, another program comes): it is kept
    /// as a version of its own in the recovery history.
    void keepLeaving();
    /// Loads the program file named on the command line and names the program after it; a
    /// task file starts that task.
    void openAtStart(const QString& path);
    /// Writes the page as a PNG picture to path; false (and a message) when it failed.
    bool savePicture(const QString& path);
    /// Menu "Piemēri": puts the example program at path into the text box as a program
    /// without a name. False (and a message) when it could not be read, or while a run goes on.
    bool openExample(const QString& path);
    /// Puts text into the text box as a new program without a name (a task, a restored
    /// version); unchanged tells whether it counts as saved. False while a run goes on.
    bool openUnnamed(const QString& text, bool unchanged);

public slots:
    /// Menu "Jauns": the program loses its name and text; the drawing stays.
    void jauns_Click();
    /// The new-page button: the same as "Jauns".
    void new_analog_Click();
    /// Menu "Ielādēt": shows the open dialog.
    void ieladet_Click();
    /// Menu "Saglabāt kā...": writes "pag.zkf" and shows the save dialog.
    void saglabat_Click();
    /// The save button: saves under the current name, or asks for one.
    void save_analog_Click();
    /// Menu "Iziet": keeps the text in the recovery history and ends the program at once.
    void iziet_Click();
    /// Menu "Palīdzība": starts "komandas.bat", or asks for the help window.
    void palidziba_Click();
    /// Menu "Saglabāt attēlu...": asks where and saves the page as a PNG picture.
    void saveImage();
    /// Menu "Atjaunot...": lists the recovery history; the version chosen opens as a new
    /// program without a name.
    void atjaunot_Click();

signals:
    /// The program got another name (empty: none), for the window's title.
    void programNameChanged(const QString& name);
    /// "Palīdzība" found no command file to start: the window shows its own help.
    void helpWanted();
    /// A task file was chosen to be opened ("Ielādēt", the command line): the window starts
    /// that task.
    void taskChosen(const QString& path);

private:
    /// Writes the program text to "pag.zkf" and keeps its bytes for the save dialog.
    bool pagaidu_sagl();
    /// Reads the program file at path into the text box; false when it could not.
    bool load_file(const QString& path);
    void replaceText(const QString& text, bool unchanged);
    void saveChosen(const QString& folder, const QString& name);
    void loadChosen(const QString& folder, const QString& fileName);
    void restoreChosen(const QString& path);
    void saveOwnFile();
    bool writeProgram(const QString& folder, const QString& name);
    void askToReplaceProgram(const QString& folder, const QString& name);
    void setProgram(const QString& folder, const QString& name);
    void showSaveDialog();
    SaveDialog& saveDialog();
    OpenDialog& openDialog();
    void tellHistoryFailure(const QString& reason);

    ProgramHost& m_host;
    Notifier m_notify;
    QString m_name;
    QString m_folder;
    /// What this window last read from or wrote to the program's file.
    FileStamp m_stamp;
    /// What the last save wrote to "pag.zkf": its bytes and the text they hold.
    struct Pending {
        QByteArray bytes;
        QString text;
    };
    Pending m_pending;
    RecoveryHistory m_history;
    bool m_historyTold = false;
    QTimer m_recoveryTimer;
    // The windows belong to the host window, which may go first.
    QPointer<SaveDialog> m_saveDialog;
    QPointer<OpenDialog> m_openDialog;
    QPointer<RestoreDialog> m_restoreDialog;
};

} // namespace zimo
