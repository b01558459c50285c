#include "workfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace zimo
{

namespace
{

// The path with symbolic links resolved where it exists, so that a home folder reached
// through a link still compares equal to the current folder the system reports.
QString canonical(const QString& path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(path) : resolved;
}

} // namespace

QString workFolderFor(const QString& current, const QString& home, const QString& documents)
{
    const QString here = QDir::cleanPath(current);
    const bool startedByDesktop = here == QDir::cleanPath(home) || QDir(here).isRoot();
    if (!startedByDesktop)
        return here;
    // Without a documents folder of its own the user's documents are the home folder.
    const QString base = documents.isEmpty() ? home : documents;
    return QDir::cleanPath(base + QStringLiteral("/Zimo"));
}

void enterWorkFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString current = canonical(QDir::currentPath());
    const QString folder = workFolderFor(current, canonical(QDir::homePath()),
        documents.isEmpty() ? QString() : canonical(documents));
    if (folder == current)
        return;
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder))
        std::fprintf(stderr, "Nevar izveidot darba mapi %s; Zimo strādā mapē %s\n",
            qPrintable(QDir::toNativeSeparators(folder)),
            qPrintable(QDir::toNativeSeparators(QDir::currentPath())));
}

} // namespace zimo
