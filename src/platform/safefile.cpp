#include "safefile.h"

#include "filesystem.h"
#include "platformmessages.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

namespace zimo
{

namespace
{

constexpr unsigned NewFileMode = 0666;
constexpr int TemporaryAttempts = 20;
constexpr std::size_t ReadChunk = 1 << 16;

// Names under /dev and /proc stand for descriptors and devices (/dev/stdout,
// /proc/self/fd/1); they are written as they are, never replaced.
bool namesDevice(const QString& path)
{
    return path.startsWith(u"/dev/") || path.startsWith(u"/proc/");
}

// A link is followed, so saving through it changes the file it points at and keeps the link.
QString resolved(const QString& path)
{
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? info.absoluteFilePath() : target;
}

} // namespace

OutputFile::OutputFile(const QString& path)
    : m_fs(fileSystem())
    , m_target(encodePath(namesDevice(path) ? path : resolved(path)))
{
}

OutputFile::~OutputFile() { abandon(); }

QString OutputFile::open()
{
    Entry entry = Entry::Missing;
    unsigned mode = 0;
    if (const int error = m_fs.inspect(m_target, entry, mode); error < 0) {
        failWrite(-error);
        return m_problem;
    }
    if (entry == Entry::Folder) {
        failWrite(EISDIR);
        return m_problem;
    }
    if (entry == Entry::Other || namesDevice(decodePath(m_target))) {
        m_fd = m_fs.openWrite(m_target, false, 0);
        if (m_fd < 0)
            failWrite(-m_fd);
        return m_problem;
    }
    if (entry == Entry::File && m_fs.mayWrite(m_target) < 0) {
        m_problem = platformmsg::fileProtected();
        return m_problem;
    }
    return openTemporary(entry == Entry::File ? mode : NewFileMode);
}

// A hidden name beside the target that no other file has, in the same folder so that the
// rename cannot cross a disk.
QString OutputFile::openTemporary(unsigned mode)
{
    const QByteArray name = encodePath(QFileInfo(decodePath(m_target)).fileName());
    const QByteArray folder = m_target.left(m_target.size() - name.size());
    for (int attempt = 0; attempt < TemporaryAttempts; ++attempt) {
        const QByteArray suffix = QByteArray::number(QRandomGenerator::global()->generate(), 16);
        const QByteArray temporary = folder + '.' + name + '.' + suffix + '~';
        m_fd = m_fs.openWrite(temporary, true, mode);
        if (m_fd >= 0) {
            m_temporary = temporary;
            return {};
        }
        if (m_fd != -EEXIST)
            break;
    }
    failWrite(-m_fd);
    return m_problem;
}

bool OutputFile::write(const char* data, std::size_t size)
{
    if (!m_problem.isEmpty() || m_fd < 0) {
        if (m_problem.isEmpty())
            failWrite(EBADF);
        return false;
    }
    while (size > 0) {
        const long long n = m_fs.write(m_fd, data, size);
        if (n == -EINTR)
            continue;
        if (n <= 0) {
            // A write that takes nothing and names no cause has met a full disk.
            failWrite(n < 0 ? int(-n) : ENOSPC);
            return false;
        }
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

QString OutputFile::commit()
{
    if (m_problem.isEmpty() && m_fd < 0)
        failWrite(EBADF);
    if (!m_problem.isEmpty()) {
        abandon();
        return m_problem;
    }
    // Pipes and devices cannot be synced; their close reports what went wrong.
    if (!m_temporary.isEmpty()) {
        if (const int error = m_fs.sync(m_fd); error < 0)
            failWrite(-error);
    }
    const int closed = m_fs.close(m_fd);
    m_fd = -1;
    if (closed < 0 && m_problem.isEmpty())
        failWrite(-closed);
    if (m_problem.isEmpty() && !m_temporary.isEmpty()) {
        if (const int error = m_fs.rename(m_temporary, m_target); error < 0) {
            failWrite(-error);
        } else {
            m_temporary.clear();
            // The new file is in place; the folder's entry reaches the disk soon anyway.
            m_fs.syncFolder(encodePath(QFileInfo(decodePath(m_target)).path()));
        }
    }
    abandon();
    return m_problem;
}

void OutputFile::failWrite(int code)
{
    if (m_problem.isEmpty())
        m_problem = platformmsg::writeReason(code);
}

void OutputFile::abandon()
{
    if (m_fd >= 0) {
        m_fs.close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.isEmpty()) {
        m_fs.remove(m_temporary);
        m_temporary.clear();
    }
}

QString writeFileSafely(const QString& path, const QByteArray& bytes)
{
    OutputFile file(path);
    if (QString problem = file.open(); !problem.isEmpty())
        return problem;
    file.write(bytes);
    return file.commit();
}

FileBytes readWholeFile(const QString& path)
{
    FileSystem& fs = fileSystem();
    const int fd = fs.openRead(encodePath(path));
    if (fd < 0)
        return { {}, platformmsg::readReason(-fd) };
    FileBytes result;
    QByteArray chunk(qsizetype(ReadChunk), Qt::Uninitialized);
    for (;;) {
        const long long n = fs.read(fd, chunk.data(), ReadChunk);
        if (n == -EINTR)
            continue;
        if (n < 0) {
            result = { {}, platformmsg::readReason(int(-n)) };
            break;
        }
        if (n == 0)
            break;
        result.bytes.append(chunk.constData(), qsizetype(n));
    }
    fs.close(fd);
    return result;
}

} // namespace zimo
