#include "programfile.h"

#include "filemessages.h"
#include "platform/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zimo
{

namespace
{

// Qt's own error texts are English; the learner gets the cause the file system shows.
QString writeReason(const QString& path, QFileDevice::FileError error)
{
    const QFileInfo file(path);
    if (!QFileInfo(file.absolutePath()).isDir())
        return filemsg::reasonNoFolder();
    if (file.isDir())
        return filemsg::reasonFolderInTheWay();
    if (error == QFileDevice::ResourceError)
        return filemsg::reasonDiskFull();
    if (!QFileInfo(file.absolutePath()).isWritable())
        return filemsg::reasonFolderLocked();
    if (file.exists() && !file.isWritable())
        return filemsg::reasonFileLocked();
    return filemsg::reasonWriteFailed();
}

QString readReason(const QString& path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return filemsg::reasonIsFolder();
    if (!file.exists())
        return filemsg::reasonNoFile();
    if (!file.isReadable())
        return filemsg::reasonNotReadable();
    return filemsg::reasonReadFailed();
}

// The character at index as the user sees it: both halves of a surrogate pair.
QString characterAt(const QString& text, qsizetype index)
{
    if (text[index].isHighSurrogate() && index + 1 < text.size()
        && text[index + 1].isLowSurrogate())
        return text.mid(index, 2);
    return text.mid(index, 1);
}

} // namespace

ProgramBytes programFileBytes(const QString& text)
{
    const Encoded encoded = encodeWindows1257(text + QStringLiteral("\r\n"));
    if (!encoded.ok()) {
        return { {},
            filemsg::cannotHold(
                characterAt(text, encoded.badIndex), lineOfIndex(text, encoded.badIndex)) };
    }
    return { encoded.bytes, {} };
}

QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeReason(path, file.error());
    if (file.write(bytes) != bytes.size()) {
        const QFileDevice::FileError error = file.error();
        file.cancelWriting();
        return writeReason(path, error);
    }
    if (!file.commit())
        return writeReason(path, file.error());
    return {};
}

LoadedProgram readProgramFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { {}, readReason(path) };
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return { {}, filemsg::reasonReadFailed() };
    return { programTextFromFile(bytes), {} };
}

QString programFilePath(const QString& folder, const QString& name)
{
    return QDir::toNativeSeparators(QDir(folder).filePath(name + ProgramSuffix.toString()));
}

QString programNameOf(const QString& fileName)
{
    if (fileName.endsWith(ProgramSuffix, Qt::CaseInsensitive))
        return fileName.chopped(ProgramSuffix.size());
    return fileName;
}

QString nameProblem(const QString& name)
{
    if (name.trimmed().isEmpty() || name == u"." || name == u"..")
        return filemsg::nameNotAllowed(name);
    // Names also travel to Windows machines, where a backslash separates folders.
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20)
            return filemsg::nameHasCharacter(QString(c));
    }
    return {};
}

} // namespace zimo
