#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace zimo
{

class DirectoryList;
class DriveList;
class FileList;

/// The open dialog `Form3` ("Ielādēt"): which program file is loaded.
///
/// Owns its folder list, drive list and list of program files. It never blocks the main
/// window, closing it only hides it, and it reopens in the last folder. It reads nothing
/// itself: "Ielādēt" asks for the selected file, and whoever loads hides the dialog once the
/// program is in the text box.
class OpenDialog : public QDialog
{
    Q_OBJECT
public:
    explicit OpenDialog(QWidget* parent);

    QString folder() const;
    void setFolder(const QString& folder);
    /// The file selected in `File1`, or an empty string.
    QString selectedFile() const;
    /// Reads the drives, folders and files again, keeping the selected file.
    void refresh();

signals:
    /// "Ielādēt" pressed; fileName is empty when no file is selected.
    void loadRequested(const QString& folder, const QString& fileName);

private slots:
    /// Another drive chosen: the folder list moves there.
    void Drive1_Change(const QString& path);
    /// Another folder chosen: the file list shows it.
    void Dir1_Change(const QString& path);
    /// "Ielādēt" pressed.
    void c_load_Click();
    /// "Atcelt" pressed: hidden, nothing loaded.
    void cancel_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void layOut();

    DirectoryList* m_dir;
    DriveList* m_drive;
    FileList* m_files;
    QPushButton* m_load;
    QPushButton* m_cancel;
};

} // namespace zimo
