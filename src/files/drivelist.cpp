#include "drivelist.h"

#include "filemessages.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

#include <array>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zimo
{

namespace
{

#ifdef Q_OS_WIN

// Every drive letter that holds a readable disk now, named as Explorer names it: the hard
// disks, a USB stick, a network share mapped to a letter. An empty card reader or DVD
// drive is left out until a disk is put in (each dialog reads the list again as it opens).
QList<Drive> mountedDrives()
{
    QList<Drive> drives;
    DWORD previousMode = 0;
    // No "insert a disk" box from the system for an empty drive.
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode);
    const DWORD letters = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((letters & (DWORD(1) << i)) == 0)
            continue;
        const QString letter = QChar(char16_t(u'A' + i)) + QStringLiteral(":");
        const std::wstring root = (letter + u'\\').toStdWString();
        wchar_t name[MAX_PATH + 1] = {};
        if (GetDriveTypeW(root.c_str()) <= DRIVE_NO_ROOT_DIR
            || !GetVolumeInformationW(
                root.c_str(), name, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
            continue;
        const QString label = QString::fromWCharArray(name);
        drives.append({ label.isEmpty() ? letter : label + " (" + letter + ")", letter + u'/' });
    }
    SetThreadErrorMode(previousMode, nullptr);
    return drives;
}

#else

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
    return volume.isRoot()
        || (isRemovableMount(volume.rootPath()) && !isPseudo(volume.fileSystemType()));
}

QList<Drive> mountedDrives()
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
    return drives;
}

#endif

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
    QList<Drive> drives = mountedDrives();
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
