#include "examplesmenu.h"

#include "examplefolder.h"
#include "filemessages.h"
#include "programfiles.h"

namespace zimo
{

namespace
{

// A title is shown as it is written: an ampersand would otherwise mark a shortcut letter.
QString menuText(const QString& title)
{
    QString text = title;
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

QList<QAction*> addGroupMenus(QMenu& menu, const QList<ExampleGroup>& groups, const QString& none,
    const std::function<void(const QString&)>& chosen)
{
    QList<QAction*> items;
    if (groups.isEmpty())
        menu.addAction(none)->setEnabled(false);
    for (const ExampleGroup& group : groups) {
        QMenu* submenu = menu.addMenu(menuText(group.title));
        for (const Example& example : group.examples) {
            QAction* item = submenu->addAction(menuText(example.title));
            item->setData(example.path);
            items.append(item);
            const QString path = example.path;
            QObject::connect(item, &QAction::triggered, &menu, [chosen, path] { chosen(path); });
        }
    }
    return items;
}

ExamplesMenu::ExamplesMenu(ProgramFiles& files, const QList<ExampleGroup>& groups, QWidget* parent)
    : QMenu(filemsg::examplesMenu(), parent)
    , m_files(files)
{
    setObjectName(QStringLiteral("piemeri"));
    addGroupMenus(
        *this, groups, filemsg::noExamples(), [this](const QString& path) { open(path); });
}

void ExamplesMenu::open(const QString& path)
{
    if (m_files.openExample(path))
        emit exampleOpened();
}

} // namespace zimo
