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

ExamplesMenu::ExamplesMenu(ProgramFiles& files, const QList<ExampleGroup>& groups, QWidget* parent)
    : QMenu(filemsg::examplesMenu(), parent)
    , m_files(files)
{
    setObjectName(QStringLiteral("piemeri"));
    if (groups.isEmpty())
        addAction(filemsg::noExamples())->setEnabled(false);
    for (const ExampleGroup& group : groups) {
        QMenu* submenu = addMenu(menuText(group.title));
        for (const Example& example : group.examples) {
            QAction* item = submenu->addAction(menuText(example.title));
            item->setData(example.path);
            const QString path = example.path;
            connect(item, &QAction::triggered, this, [this, path] { open(path); });
        }
    }
}

void ExamplesMenu::open(const QString& path)
{
    if (m_files.openExample(path))
        emit exampleOpened();
}

} // namespace zimo
