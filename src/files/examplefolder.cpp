#include "examplefolder.h"

#include "programfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zimo
{

namespace
{

// The order number is for the folder listing only; the learner sees the title.
const QRegularExpression OrderNumber(QStringLiteral("^\\d+\\s+"));

QStringList sortedEntries(const QDir& dir, QDir::Filters filters, const QStringList& patterns)
{
    return dir.entryList(patterns, filters, QDir::Name);
}

} // namespace

QString exampleFolder()
{
    const QStringList candidates {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zimo/examples"),
        QStringLiteral(ZIMO_SOURCE_EXAMPLES),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return {};
}

QString exampleTitle(const QString& fileName)
{
    QString title = programNameOf(fileName);
    title.remove(OrderNumber);
    return title;
}

QList<ExampleGroup> exampleGroups(const QString& folder)
{
    QList<ExampleGroup> groups;
    if (folder.isEmpty())
        return groups;
    const QDir root(folder);
    const QStringList programPattern { QStringLiteral("*") + ProgramSuffix.toString() };
    for (const QString& name : sortedEntries(root, QDir::Dirs | QDir::NoDotAndDotDot, {})) {
        const QDir dir(root.filePath(name));
        ExampleGroup group { exampleTitle(name), {} };
        for (const QString& file : sortedEntries(dir, QDir::Files, programPattern))
            group.examples.append({ exampleTitle(file), dir.filePath(file) });
        if (!group.examples.isEmpty())
            groups.append(group);
    }
    return groups;
}

} // namespace zimo
