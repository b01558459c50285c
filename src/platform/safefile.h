#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace zimo
{

class FileSystem;

/// A file written in pieces that reaches its path whole or not at all.
///
/// A regular file (or a path where nothing stands yet) is written to a temporary file in
/// the same folder, put on the disk and only then renamed over the old one, so the old file
/// is either left as it was or replaced whole. A pipe, a terminal or a device (/dev/stdout,
/// /dev/full) cannot be replaced and is written directly. Every call is checked; the first
/// failure is kept and later writes do nothing. Destroyed without a successful commit, the
/// file removes its temporary file and leaves the path as it was.
class OutputFile
{
public:
    explicit OutputFile(const QString& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    /// Gets ready to write. Returns an empty string, else why it cannot (in Latvian).
    QString open();
    /// Appends bytes; false once anything has failed.
    bool write(const char* data, std::size_t size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), size_t(bytes.size())); }
    /// Puts everything on the disk and in place. Returns an empty string, else why the file
    /// could not be written; then the path is as it was before.
    QString commit();
    /// Why the file could not be written so far, or an empty string.
    const QString& problem() const { return m_problem; }

private:
    QString openTemporary(unsigned mode);
    void failWrite(int code);
    void abandon();

    FileSystem& m_fs;
    QByteArray m_target;
    /// Empty when the target is written directly.
    QByteArray m_temporary;
    int m_fd = -1;
    QString m_problem;
};

/// Writes bytes to path whole through an OutputFile. Returns an empty string on success,
/// else why it failed (in Latvian); a failure leaves the old file as it was.
QString writeFileSafely(const QString& path, const QByteArray& bytes);

/// A whole file read, or why it could not be read.
struct FileBytes {
    QByteArray bytes;
    /// Empty when bytes holds the whole file.
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

/// Reads the whole file at path, every read checked. With a limit, reading stops once more
/// than limit bytes have come, so a caller that refuses larger files never holds them.
FileBytes readWholeFile(const QString& path, qsizetype limit = -1);

} // namespace zimo
