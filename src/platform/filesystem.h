#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace zimo
{

/// What stands at a path (links followed).
enum class Entry { Missing, File, Folder, Other };

/// The system calls behind every file the program reads or writes.
///
/// Each call returns a count, a descriptor or 0 on success and minus the errno value on
/// failure, so that a fault can be injected by deriving from this class and overriding one
/// call: a disk that fills after some bytes, a rename that fails, a read that fails.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    /// What is at path, and its permission bits when it is there.
    virtual int inspect(const QByteArray& path, Entry& entry, unsigned& mode);
    /// 0 when the process may write the existing file at path.
    virtual int mayWrite(const QByteArray& path);
    virtual int openRead(const QByteArray& path);
    /// createNew: a file that must not exist yet, with mode; else an existing file or device
    /// opened for writing as it is.
    virtual int openWrite(const QByteArray& path, bool createNew, unsigned mode);
    virtual long long read(int fd, char* data, std::size_t size);
    virtual long long write(int fd, const char* data, std::size_t size);
    /// Waits until what was written to fd is on the disk.
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(const QByteArray& from, const QByteArray& to);
    virtual int remove(const QByteArray& path);
    /// Puts a rename in folder on the disk.
    virtual int syncFolder(const QByteArray& folder);
};

/// A path as the calls below take it, and back: the system's own file name bytes on Linux,
/// UTF-8 on Windows (whose calls take UTF-16, so no letter is lost on the way).
QByteArray encodePath(const QString& path);
QString decodePath(const QByteArray& path);

/// The file system in use: the real one unless a UseFileSystem says otherwise.
FileSystem& fileSystem();

/// While it lives, every file access goes through another file system.
class UseFileSystem
{
public:
    explicit UseFileSystem(FileSystem& fileSystem);
    ~UseFileSystem();
    UseFileSystem(const UseFileSystem&) = delete;
    UseFileSystem& operator=(const UseFileSystem&) = delete;

private:
    FileSystem* m_previous;
};

} // namespace zimo
