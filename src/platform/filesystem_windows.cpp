// The file system calls on Windows. Descriptors are the C runtime's, opened in binary mode
// so that no line end is changed on the way; paths travel as UTF-8 and reach the system as
// UTF-16.
#include "filesystem.h"

#include <windows.h>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <sys/stat.h>

namespace zimo
{

namespace
{

// ERROR_DISK_QUOTA_EXCEEDED, which MinGW's headers lack.
constexpr DWORD DiskQuotaExceeded = 1295;

std::wstring wide(const QByteArray& path) { return decodePath(path).toStdWString(); }

// The causes the messages tell apart, in the errno terms the rest of the program uses.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case DiskQuotaExceeded:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    default:
        return EIO;
    }
}

int failedCall() { return -errnoOf(GetLastError()); }

int failed() { return -errno; }

unsigned chunk(std::size_t size) { return unsigned(size < INT_MAX ? size : INT_MAX); }

} // namespace

int FileSystem::inspect(const QByteArray& path, Entry& entry, unsigned& mode)
{
    entry = Entry::Missing;
    mode = 0;
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const int error = errnoOf(GetLastError());
        return error == ENOENT ? 0 : -error;
    }
    mode = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
    entry = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? Entry::Folder
        : (attributes & FILE_ATTRIBUTE_DEVICE)      ? Entry::Other
                                                    : Entry::File;
    return 0;
}

// Opening the file for writing tells what a look at its attributes cannot: whether the
// folder's rights allow it and whether another program holds it open.
int FileSystem::mayWrite(const QByteArray& path)
{
    const HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return failedCall();
    CloseHandle(file);
    return 0;
}

int FileSystem::openRead(const QByteArray& path)
{
    const int fd = _wopen(wide(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    return fd >= 0 ? fd : failed();
}

int FileSystem::openWrite(const QByteArray& path, bool createNew, unsigned /*mode*/)
{
    const int flags = _O_WRONLY | _O_BINARY | _O_NOINHERIT | (createNew ? _O_CREAT | _O_EXCL : 0);
    const int fd = _wopen(wide(path).c_str(), flags, _S_IREAD | _S_IWRITE);
    return fd >= 0 ? fd : failed();
}

long long FileSystem::read(int fd, char* data, std::size_t size)
{
    const int n = _read(fd, data, chunk(size));
    return n >= 0 ? n : failed();
}

long long FileSystem::write(int fd, const char* data, std::size_t size)
{
    const int n = _write(fd, data, chunk(size));
    return n >= 0 ? n : failed();
}

int FileSystem::sync(int fd)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE)
        return -EBADF;
    return FlushFileBuffers(handle) ? 0 : failedCall();
}

int FileSystem::close(int fd) { return _close(fd) == 0 ? 0 : failed(); }

// Replaces the old file whole; with write-through the call returns once the move is on the
// disk, which is what syncing the folder does on Linux.
int FileSystem::rename(const QByteArray& from, const QByteArray& to)
{
    return MoveFileExW(wide(from).c_str(), wide(to).c_str(),
               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        ? 0
        : failedCall();
}

int FileSystem::remove(const QByteArray& path)
{
    return DeleteFileW(wide(path).c_str()) ? 0 : failedCall();
}

int FileSystem::syncFolder(const QByteArray& /*folder*/) { return 0; }

QByteArray encodePath(const QString& path) { return path.toUtf8(); }

QString decodePath(const QByteArray& path) { return QString::fromUtf8(path); }

} // namespace zimo
