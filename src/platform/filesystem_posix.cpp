// The file system calls on Linux and other POSIX systems.
#include "filesystem.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zimo
{

namespace
{

int failed() { return -errno; }

} // namespace

int FileSystem::inspect(const QByteArray& path, Entry& entry, unsigned& mode)
{
    struct stat st {
    };
    if (::stat(path.constData(), &st) != 0) {
        entry = Entry::Missing;
        mode = 0;
        return errno == ENOENT ? 0 : failed();
    }
    mode = unsigned(st.st_mode) & 07777u;
    entry = S_ISREG(st.st_mode) ? Entry::File : S_ISDIR(st.st_mode) ? Entry::Folder : Entry::Other;
    return 0;
}

int FileSystem::mayWrite(const QByteArray& path)
{
    return ::access(path.constData(), W_OK) == 0 ? 0 : failed();
}

int FileSystem::openRead(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    return fd >= 0 ? fd : failed();
}

int FileSystem::openWrite(const QByteArray& path, bool createNew, unsigned mode)
{
    const int flags = O_WRONLY | O_CLOEXEC | (createNew ? O_CREAT | O_EXCL : 0);
    const int fd = ::open(path.constData(), flags, mode_t(mode));
    return fd >= 0 ? fd : failed();
}

long long FileSystem::read(int fd, char* data, std::size_t size)
{
    const ssize_t n = ::read(fd, data, size);
    return n >= 0 ? n : failed();
}

long long FileSystem::write(int fd, const char* data, std::size_t size)
{
    const ssize_t n = ::write(fd, data, size);
    return n >= 0 ? n : failed();
}

int FileSystem::sync(int fd) { return ::fsync(fd) == 0 ? 0 : failed(); }

int FileSystem::close(int fd) { return ::close(fd) == 0 ? 0 : failed(); }

int FileSystem::rename(const QByteArray& from, const QByteArray& to)
{
    return std::rename(from.constData(), to.constData()) == 0 ? 0 : failed();
}

int FileSystem::remove(const QByteArray& path)
{
    return ::unlink(path.constData()) == 0 ? 0 : failed();
}

int FileSystem::syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failed();
    const int result = ::fsync(fd) == 0 ? 0 : failed();
    ::close(fd);
    return result;
}

QByteArray encodePath(const QString& path) { return QFile::encodeName(path); }

QString decodePath(const QByteArray& path) { return QFile::decodeName(path); }

} // namespace zimo
