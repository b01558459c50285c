#include "filestamp.h"

#include "platform/safefile.h"

#include <QCryptographicHash>

namespace zimo
{

namespace
{

QByteArray digestOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

FileStamp stampFile(const QFileInfo& info, const QByteArray& bytes)
{
    return { true, info.size(), info.lastModified(), digestOf(bytes) };
}

bool changedSince(const QString& path, FileStamp& stamp)
{
    if (!stamp.known)
        return false;
    const QFileInfo info(path);
    // A folder where the file was is no program to lose; writing tells what stands there.
    if (!info.isFile())
        return false;
    if (info.size() == stamp.size && info.lastModified() == stamp.modified)
        return false;
    const FileBytes now = readWholeFile(path);
    if (!now.ok() || digestOf(now.bytes) != stamp.digest)
        return true;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    return false;
}

} // namespace zimo
