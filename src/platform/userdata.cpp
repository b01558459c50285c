#include "userdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zimo
{

QString userDataFolder()
{
#ifdef _WIN32
    // GenericDataLocation is the local application data folder there.
    const QString local = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(local).filePath(QStringLiteral("Zimo"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

QSettings userSettings()
{
#ifdef _WIN32
    return QSettings(QDir(userDataFolder()).filePath(QStringLiteral("Zimo.ini")),
        QSettings::IniFormat);
#else
    return QSettings(QStringLiteral("Zimo"), QStringLiteral("Zimo"));
#endif
}

QString shippedDataFolder(const QString& name)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList candidates {
        programFolder + u'/' + name,
        programFolder + QStringLiteral("/../share/zimo/") + name,
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return {};
}

} // namespace zimo
