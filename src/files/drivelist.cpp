#include "drivelist.h"

#include "filemessages.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

#include <array>

namespace zimo
{

namespace
{

bool isPseudo(const QByteArray& type)
{
    static constexpr std::array<const char*, 12> Pseudo = { "proc", "sysfs", "tmpfs", "devtmpfs",
        "devpts", "cgroup", "cgroup2", "autofs", "overlay", "squashfs", "securityfs", "debugfs" };
    for (const char* pseudo : Pseudo) {
        if (type == pseudo)
            return true;
    }
    return false;
}

// Removable media are mounted below these folders by the desktop or by hand.
bool isRemovableMount(const QString& root)
{
    return root.startsWith(u"/media/") || root.startsWith(u"/run/media/")
        || root.startsWith(u"/mnt/");
}

bool isOffered(const QStorageInfo& volume)
{
    if (!volume.isValid() || !volume.isReady())
        return false;
#ifdef Q_OS_WIN
    return true;
#else
    return volume.isRoot()
        || (isRemovableMount(volume.rootPath()) && !isPseudo(volume.fileSystemType()));
#endif
}

bool isInside(const QString& folder, const QString& path)
{
    if (folder == path)
        return true;
    const QString prefix = path.endsWith(u'/') ? path : path + u'/';
    return folder.startsWith(prefix);
}

} // namespace

QList<Drive> offeredDrives()
{
    QList<Drive> drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!isOffered(volume))
            continue;
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        const QString shown = QDir::toNativeSeparators(root);
        drives.append({ name.isEmpty() || name == root ? shown : name + " (" + shown + ")", root });
    }
    // The home folder is where a learner's own files are, whichever volume holds it.
    const QString home = QDir::homePath();
    drives.append({ filemsg::homeDrive(QDir::toNativeSeparators(home)), home });
    return drives;
}

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
    refresh();
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            emit driveChosen(itemData(index).toString());
    });
}

void DriveList::refresh()
{
    const QSignalBlocker blocker(this);
    clear();
    for (const Drive& drive : offeredDrives())
        addItem(drive.label, drive.path);
    if (!m_folder.isEmpty())
        showDriveOf(m_folder);
}

void DriveList::showDriveOf(const QString& folder)
{
    m_folder = folder;
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString path = itemData(i).toString();
        if (isInside(folder, path) && path.size() > bestLength) {
            best = i;
            bestLength = path.size();
        }
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(best);
}

} // namespace zimo
