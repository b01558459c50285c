#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zimo
{

class DirectoryList;
class DriveList;
class FileList;

/// The save dialog `Form2` ("Saglabāt"): where a program file goes and what it is called.
///
/// Owns its folder list, drive list, name box and the list of the folder's program files,
/// so that the learner sees which names are taken; a click on a file takes its name. It
/// never blocks the main window, and closing it only hides it. It writes nothing itself: "Saglabāt" asks for a save with the
/// chosen folder and name, and whoever saves hides the dialog once the file is written.
class SaveDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SaveDialog(QWidget* parent);

    QString folder() const;
    void setFolder(const QString& folder);
    /// The name box `t_nosauk`: the program name without ".zkf".
    QString name() const;
    void setName(const QString& name);
    /// Gives the name box the keyboard with its text selected, for another name.
    void editName();

signals:
    void saveRequested(const QString& folder, const QString& name);

private slots:
    /// Another drive chosen: the folder list moves there.
    void Drive1_Change(const QString& path);
    /// Another folder chosen: the file list shows it.
    void Dir1_Change(const QString& path);
    /// A program file clicked: its name goes into the name box.
    void File1_Click();
    /// The name changed: "Saglabāt" can be pressed only with a name.
    void t_nosauk_Change(const QString& text);
    /// "Saglabāt" pressed.
    void labi_Click();
    /// "Atcelt" pressed: hidden, nothing saved.
    void atcelt_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void layOut();

    DirectoryList* m_dir;
    DriveList* m_drive;
    FileList* m_files;
    QLabel* m_label;
    QLineEdit* m_name;
    QPushButton* m_labi;
    QPushButton* m_atcelt;
};

} // namespace zimo
