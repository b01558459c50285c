#include "recovery.h"

#include <QDir>
#include <QStandardPaths>

namespace zimo
{

namespace
{

QString dataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

} // namespace

QString recoveryFolder() { return QDir(dataFolder()).filePath(QStringLiteral("rezerves")); }

QString oldRecoveryFile()
{
    return QDir(dataFolder()).filePath(QStringLiteral("iepriekseja_programma.zkf"));
}

} // namespace zimo
