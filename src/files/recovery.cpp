#include "recovery.h"

#include "platform/userdata.h"

#include <QDir>

namespace zimo
{

QString recoveryFolder() { return QDir(userDataFolder()).filePath(QStringLiteral("rezerves")); }

QString oldRecoveryFile()
{
    return QDir(userDataFolder()).filePath(QStringLiteral("iepriekseja_programma.zkf"));
}

} // namespace zimo
