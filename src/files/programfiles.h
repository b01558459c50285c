#pragma once

#include <QObject>
#include <QString>

namespace zimo {

class ProgramHost;

/// The file operations of the main window: a new program, saving and loading program
/// files, the help command, leaving the program and saving the drawing as a picture.
///
/// Owns the current program name and folder and the save and open dialogs, which are
/// created on first use and afterwards only shown and hidden. Every failure is told to the
/// user and leaves the program text as it was.
class ProgramFiles : public QObject {
    Q_OBJECT
public:
    ProgramFiles(ProgramHost& host, QObject* parent);
    ~ProgramFiles() override;

    /// The current program name, without ".zkf"; empty while the program has none.
    QString programName() const;
    /// True when the recovery file holds a program worth offering.
    bool hasRecovery() const;
    /// Keeps the program text in the recovery file; the window calls it when it closes.
    void keepForRecovery();
    /// Loads the program file named on the command line and names the program after it.
    void openAtStart(const QString& path);

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
    /// Menu "Palīdzība": starts "komandas.bat", or shows the list of commands.
    void palidziba_Click();
    /// Menu "Saglabāt attēlu...": saves the page as a PNG picture.
    void saveImage();
    /// Menu "Atjaunot iepriekšējo programmu": loads the text kept at the last close.
    void restorePrevious();

private:
    ProgramHost& m_host;
};

} // namespace zimo
