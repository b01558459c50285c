#include "programfile.h"

#include "filemessages.h"
#include "platform/safefile.h"
#include "platform/textcodec.h"

#include <QDir>

namespace zimo
{

ProgramBytes programFileBytes(const QString& text)
{
    const Encoded encoded = encodeWindows1257(text + QStringLiteral("\r\n"));
    if (!encoded.ok()) {
        return { {},
            filemsg::cannotHold(
                wholeCharacterAt(text, encoded.badIndex), lineOfIndex(text, encoded.badIndex)) };
    }
    return { encoded.bytes, {} };
}

LoadedProgram readProgramFile(const QString& path)
{
    const FileBytes file = readWholeFile(path);
    if (!file.ok())
        return { {}, file.problem };
    return { programTextFromFile(file.bytes), {} };
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
