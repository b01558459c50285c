#include "recovery.h"

#include "platform/safefile.h"
#include "platform/userdata.h"

#include <QDir>

namespace zimo
{

QString recoveryFilePath()
{
    return QDir(userDataFolder()).filePath(QStringLiteral("iepriekseja_programma.zkf"));
}

bool worthRecovering(const QString& text) { return !text.trimmed().isEmpty(); }

QString keepRecoveryText(const QString& text)
{
    const QString path = recoveryFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Loading drops the one line end at the end, as it does for program files.
    return writeFileSafely(path, (text + QStringLiteral("\r\n")).toUtf8());
}

LoadedProgram readRecoveryText() { return readProgramFile(recoveryFilePath()); }

} // namespace zimo
