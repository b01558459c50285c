#pragma once

#include <QComboBox>
#include <QList>
#include <QString>

namespace zimo
{

/// A place the drive list offers: what it shows and the folder it leads to.
struct Drive {
    QString label;
    QString path;
};

/// The mounted file systems a learner may keep programs on: the root, the home folder,
/// removable media. Pseudo file systems (proc, sysfs, tmpfs, ...) are left out. On Windows
/// the drive letters that hold a disk, and the home folder.
QList<Drive> offeredDrives();

/// The drive list `Drive1` of the save and open dialogs.
///
/// Shows the offered drives and marks the one that holds the dialog's folder. Choosing an
/// entry tells the dialog to move its folder list there; marking one does not.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent);

    /// Marks the drive that holds folder: the entry with the longest path that contains it.
    void showDriveOf(const QString& folder);
    /// Reads the mounted file systems again, so media put in since show up.
    void refresh();

signals:
    /// The learner chose another drive; path is the folder it leads to.
    void driveChosen(const QString& path);

private:
    QString m_folder;
};

} // namespace zimo
