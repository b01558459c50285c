#include "programfile.h"

#include "filemessages.h"
#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "platform/workfile.h"

#include <QDir>
#include <QFileInfo>

namespace zimo
{

QByteArray programFileBytes(const QString& text)
{
    return encodeForFile(text + QStringLiteral("\r\n")).bytes;
}

LoadedProgram readProgramFile(const QString& path)
{
    // The size is asked first, so a huge file is never read at all.
    const QFileInfo before(path);
    if (before.size() > MaxProgramBytes)
        return { {}, filemsg::fileTooLarge(before.size(), MaxProgramBytes), {} };
    const FileBytes file = readWholeFile(path, MaxProgramBytes);
    if (!file.ok())
        return { {}, file.problem, {} };
    // A file that grew while it was read, or a pipe, is caught by what came.
    if (file.bytes.size() > MaxProgramBytes)
        return { {}, filemsg::fileTooLarge(file.bytes.size(), MaxProgramBytes), {} };
    return { programTextFromFile(file.bytes), {}, stampFile(before, file.bytes) };
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

bool isWorkFile(const QString& folder, const QString& name)
{
    const QString file = name + ProgramSuffix.toString();
    // Windows does not tell capitals from small letters in file names.
    const bool workName = file.compare(RunWorkFile, Qt::CaseInsensitive) == 0
        || file.compare(SaveWorkFile, Qt::CaseInsensitive) == 0;
    if (!workName)
        return false;
    const QString here = QDir::current().canonicalPath();
    return !here.isEmpty() && QFileInfo(folder).canonicalFilePath() == here;
}

} // namespace zimo
