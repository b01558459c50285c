#include "commandfile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace zimo
{

bool startCommandFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return false;
    const QString absolute = file.absoluteFilePath();
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("cmd.exe"),
        { QStringLiteral("/c"), QStringLiteral("start"), QStringLiteral("/max"), QString(),
            QDir::toNativeSeparators(absolute) },
        file.absolutePath());
#else
    if (file.isExecutable())
        return QProcess::startDetached(
            QStringLiteral("/bin/sh"), { absolute }, file.absolutePath());
    return QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
#endif
}

} // namespace zimo
