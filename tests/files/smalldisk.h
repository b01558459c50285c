#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>

// A 64 KiB file system mounted on a temporary folder, for what a full disk (or, mounted
// read-only, a disk that may only be read) does. Mounting needs the right to mount (root in
// the test containers); without it, mounted() is false.
class SmallDisk
{
public:
    explicit SmallDisk(bool readOnly = false)
    {
        m_mounted = m_dir.isValid()
            && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                   readOnly ? MS_RDONLY : 0, "size=64k")
                == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    // Takes every byte that is left with one more file.
    void fill() const
    {
        QFile filler(path(QStringLiteral("pilns")));
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) { }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
