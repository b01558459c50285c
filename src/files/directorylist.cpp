#include "directorylist.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace zimo
{

namespace
{

constexpr int PathRole = Qt::UserRole;

QString existingFolder(const QString& folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    while (!QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return QDir::rootPath();
        path = parent;
    }
    return path;
}

QStringList chainDownTo(const QString& path)
{
    QStringList chain;
    QDir dir(path);
    chain.prepend(dir.absolutePath());
    while (dir.cdUp())
        chain.prepend(dir.absolutePath());
    return chain;
}

QString shownName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

} // namespace

DirectoryList::DirectoryList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The list is rebuilt on a click, so the move waits until the click has been handled.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString target = item->data(PathRole).toString();
        QMetaObject::invokeMethod(
            this, [this, target] { setPath(target); }, Qt::QueuedConnection);
    });
    setPath(QDir::currentPath());
}

void DirectoryList::setPath(const QString& folder)
{
    const QString path = existingFolder(folder);
    const bool moved = path != m_path;
    m_path = path;
    fill();
    if (moved)
        emit pathChanged(m_path);
}

void DirectoryList::refresh() { setPath(m_path); }

void DirectoryList::fill()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QStringList chain = chainDownTo(m_path);
    const QString indent(2, u' ');
    for (qsizetype depth = 0; depth < chain.size(); ++depth) {
        auto* item
            = new QListWidgetItem(open, indent.repeated(depth) + shownName(chain[depth]), this);
        item->setData(PathRole, chain[depth]);
        if (depth == chain.size() - 1)
            setCurrentItem(item);
    }
    const QDir dir(m_path);
    const QString childIndent = indent.repeated(chain.size());
    for (const QString& name :
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(closed, childIndent + name, this);
        item->setData(PathRole, dir.filePath(name));
    }
}

} // namespace zimo
