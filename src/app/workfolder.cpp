#include "workfolder.h"

#include "console.h"

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

QString desktopWorkFolder(const QString& home, const QString& documents)
{
    // Without a documents folder of its own the user's documents are the home folder.
    const QString base = documents.isEmpty() ? home : documents;
    return QDir::cleanPath(base + QStringLiteral("/Zimo"));
}

} // namespace

QString workFolderFor(const QString& current, const QString& home, const QString& documents)
{
    const QString here = QDir::cleanPath(current);
    const bool startedByDesktop = here == QDir::cleanPath(home) || QDir(here).isRoot();
    return startedByDesktop ? desktopWorkFolder(home, documents) : here;
}

void enterWorkFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString current = canonical(QDir::currentPath());
    const QString home = canonical(QDir::homePath());
    const QString ownDocuments = documents.isEmpty() ? QString() : canonical(documents);
    // Windows starts a program from the Start menu or a double click in the program's own
    // folder, the system's or the opened file's; only a console start chooses a folder.
    const QString folder = startedFromConsole() ? workFolderFor(current, home, ownDocuments)
                                                : desktopWorkFolder(home, ownDocuments);
    if (folder == current)
        return;
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder))
        std::fprintf(stderr, "Nevar izveidot darba mapi %s; Zimo strādā mapē %s\n",
            qPrintable(QDir::toNativeSeparators(folder)),
            qPrintable(QDir::toNativeSeparators(QDir::currentPath())));
}

} // namespace zimo
