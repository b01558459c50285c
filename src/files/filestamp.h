#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileInfo>
#include <QString>

namespace zimo
{

/// What a window last knew of a program file it read or wrote: enough to tell cheaply
/// whether anyone has changed the file since.
struct FileStamp {
    /// False until the window has read or written the file.
    bool known = false;
    qint64 size = -1;
    QDateTime modified;
    /// A digest of the bytes read or written.
    QByteArray digest;
};

/// The stamp of a file that holds bytes: info is the file as seen right after writing bytes,
/// or right before reading them.
FileStamp stampFile(const QFileInfo& info, const QByteArray& bytes);

/// True when the file at path holds other bytes than when stamp was taken. When its size and
/// time are as stamped this costs one look at the folder entry; only when they differ is the
/// file read and its digest compared (and a file touched without a change gets its new time
/// in stamp). A file that has gone (or is no file now) holds nothing to lose; one that
/// cannot be read counts as changed, so that nobody overwrites what they cannot see.
bool changedSince(const QString& path, FileStamp& stamp);

} // namespace zimo
