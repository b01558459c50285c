#include "examplefolder.h"

#include "programfile.h"

#include "platform/userdata.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zimo
{

namespace
{

// The order number is for the folder listing only; the learner sees the title.
const QRegularExpression OrderNumber(QStringLiteral("^\\d+\\s+"));

} // namespace

QString exampleFolder()
{
    if (QString shipped = shippedDataFolder(QStringLiteral("examples")); !shipped.isEmpty())
        return shipped;
    const QString source = QStringLiteral(ZIMO_SOURCE_EXAMPLES);
    return QFileInfo(source).isDir() ? QDir::cleanPath(source) : QString();
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
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir dir(root.filePath(name));
        ExampleGroup group { exampleTitle(name), {} };
        for (const QString& file : dir.entryList(programPattern, QDir::Files, QDir::Name))
            group.examples.append({ exampleTitle(file), dir.filePath(file) });
        if (!group.examples.isEmpty())
            groups.append(group);
    }
    return groups;
}

} // namespace zimo
