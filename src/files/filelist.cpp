#include "filelist.h"

#include "programfile.h"

#include "tasks/taskfile.h"

#include <QDir>

namespace zimo
{

FileList::FileList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileList::setFolder(const QString& folder)
{
    m_folder = folder;
    clear();
    QDir dir(folder);
    // Files copied from Windows machines may carry the suffix in capitals.
    dir.setNameFilters({ QStringLiteral("*") + ProgramSuffix.toString(),
        QStringLiteral("*") + TaskSuffix.toString() });
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    addItems(dir.entryList());
}

QString FileList::selectedFile() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

} // namespace zimo
