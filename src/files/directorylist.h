#pragma once

#include <QListWidget>
#include <QString>

namespace zimo
{

/// The directory list `Dir1` of the save and open dialogs.
///
/// Shows the chain of folders from the root down to its path, then the path's subfolders
/// (hidden ones left out). Clicking a folder makes it the path. The path always names an
/// existing folder: a path that has gone is replaced by its nearest existing parent.
class DirectoryList : public QListWidget
{
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent);

    QString path() const { return m_path; }
    /// Moves to folder and lists it; tells pathChanged when the path is another.
    void setPath(const QString& folder);
    /// Lists the path again, so folders made or removed since show up.
    void refresh();

signals:
    void pathChanged(const QString& path);

private:
    void fill();

    QString m_path;
};

} // namespace zimo
