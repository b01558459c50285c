#pragma once

#include "programfile.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class QWidget;

namespace zimo
{

class OpenDialog;
class ProgramHost;
class SaveDialog;

/// The file operations of the main window: a new program, saving and loading program
/// files, the help command, leaving the program and saving the drawing as a picture.
///
/// Owns the current program name and folder, the bytes last written to "pag.zkf", and the
/// save and open dialogs, which are created on first use and
/// afterwards only shown and hidden. The name and folder change only when a save or a load
/// has gone through (or on "Jauns"), so a name typed into the save dialog and then cancelled
/// never becomes the file that the save button overwrites. Every failure is told to the user
/// and leaves the program text and the files on disk as they were.
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
    /// Tells the user a failure, through the notifier or in a message box that does not wait.
    void tell(const QString& message) const;

    /// True when the last session left a program worth offering.
    bool hasRecovery() const;
    /// Keeps the program text in the recovery file, so that a crash or a power cut loses
    /// nothing older; the window calls it a few seconds after every change, before every
    /// run and when it closes. An empty text leaves the kept one alone. A failure is told
    /// once per session.
    void keepForRecovery();
    /// The program text changed: its recovery copy follows once the text has rested a few
    /// seconds, so that a crash or a power cut loses only those seconds.
    void textChanged();
    /// Loads the program file named on the command line and names the program after it; a
    /// task file starts that task.
    void openAtStart(const QString& path);
    /// Writes the page as a PNG picture to path; false (and a message) when it failed.
    bool savePicture(const QString& path);
    /// Menu "Piemēri": puts the example program at path into the text box as a program
    /// without a name. False (and a message) when it could not be read, or while a run goes on.
    bool openExample(const QString& path);
    /// Puts text into the text box in place of the program, as a program without a name: what
    /// an example and a task do. False while a run goes on.
    bool replaceProgram(const QString& text);

public slots:
    /// Menu "Jauns": the program loses its name and text; the drawing stays.
    void jauns_Click();
    /// The new-page button: the same as "Jauns".
    void new_analog_Click();
    /// Menu "Ielādēt": shows the open dialog.
    void ieladet_Click();
    /// Menu "Saglabāt": writes "pag.zkf" and shows the save dialog.
    void saglabat_Click();
    /// The save button: saves silently under the current name, or asks for one.
    void save_analog_Click();
    /// Menu "Iziet": keeps the text for recovery and ends the program at once.
    void iziet_Click();
    /// Menu "Palīdzība": starts "komandas.bat", or asks for the help window.
    void palidziba_Click();
    /// Menu "Saglabāt attēlu...": asks where and saves the page as a PNG picture.
    void saveImage();
    /// Menu "Atjaunot iepriekšējo programmu": loads the text the last session left; the text
    /// in the box takes its place, so restoring again brings that back.
    void restorePrevious();

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
    /// The program text of the file at path; nothing (and a message) when it cannot be read.
    std::optional<QString> readProgram(const QString& path) const;
    void saveChosen(const QString& folder, const QString& name);
    void loadChosen(const QString& folder, const QString& fileName);
    bool writeProgram(const QString& folder, const QString& name);
    void setProgram(const QString& folder, const QString& name);
    void showSaveDialog();
    SaveDialog& saveDialog();
    OpenDialog& openDialog();
    /// The text the last session kept, read on first use (the window asks at start, before
    /// this session writes the recovery file).
    const LoadedProgram& previous() const;

    ProgramHost& m_host;
    Notifier m_notify;
    QString m_name;
    QString m_folder;
    QByteArray m_pending;
    mutable std::optional<LoadedProgram> m_previous;
    /// The text last written to the recovery file.
    QString m_kept;
    bool m_recoveryTold = false;
    QTimer m_recoveryTimer;
    // The windows belong to the host window, which may go first.
    QPointer<SaveDialog> m_saveDialog;
    QPointer<OpenDialog> m_openDialog;
};

} // namespace zimo
