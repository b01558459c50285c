#pragma once

#include <QListWidget>
#include <QString>

namespace zimo
{

/// The file list `File1` of the open dialog: the program files (".zkf") and task files (".zku")
/// of one folder.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget* parent);

    QString folder() const { return m_folder; }
    /// Lists the program and task files of folder; nothing is selected afterwards.
    void setFolder(const QString& folder);
    /// The selected file's name, or an empty string when none is selected.
    QString selectedFile() const;

private:
    QString m_folder;
};

} // namespace zimo
