#include "examplefolder.h"

#include "programfile.h"

#include "platform/userdata.h"
#include "tasks/taskfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zimo
{

namespace
{

// The order number is for the folder listing only; the learner sees the title.
const QRegularExpression OrderNumber(QStringLiteral("^\\d+\\s+"));

// The installed folder, else the source tree's when the program runs from its build.
QString dataFolder(const QString& name, const QString& source)
{
    if (QString shipped = shippedDataFolder(name); !shipped.isEmpty())
        return shipped;
    return QFileInfo(source).isDir() ? QDir::cleanPath(source) : QString();
}

QList<ExampleGroup> groupsOf(const QString& folder, QStringView suffix)
{
    QList<ExampleGroup> groups;
    if (folder.isEmpty())
        return groups;
    const QDir root(folder);
    const QStringList pattern { QStringLiteral("*") + suffix.toString() };
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir dir(root.filePath(name));
        ExampleGroup group { exampleTitle(name), {} };
        for (const QString& file : dir.entryList(pattern, QDir::Files, QDir::Name))
            group.examples.append({ exampleTitle(file), dir.filePath(file) });
        if (!group.examples.isEmpty())
            groups.append(group);
    }
    return groups;
}

} // namespace

QString exampleFolder()
{
    return dataFolder(QStringLiteral("examples"), QStringLiteral(ZIMO_SOURCE_EXAMPLES));
}

QString taskFolder()
{
    return dataFolder(QStringLiteral("tasks"), QStringLiteral(ZIMO_SOURCE_TASKS));
}

QString exampleTitle(const QString& fileName)
{
    QString title = programNameOf(fileName);
    if (title.endsWith(TaskSuffix, Qt::CaseInsensitive))
        title.chop(TaskSuffix.size());
    title.remove(OrderNumber);
    return title;
}

QList<ExampleGroup> exampleGroups(const QString& folder) { return groupsOf(folder, ProgramSuffix); }

QList<ExampleGroup> taskGroups(const QString& folder) { return groupsOf(folder, TaskSuffix); }

} // namespace zimo
