#include "windowdesk.h"

#include "editor/tasks/taskmenu.h"
#include "files/examplefolder.h"
#include "files/examplesmenu.h"
#include "files/programfile.h"
#include "files/programfiles.h"
#include "platform/rasterpage.h"

#include <QAction>
#include <QDirIterator>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace
{

// Every item of the menu that opens a program.
QList<QAction*> exampleItems(const QMenu& menu)
{
    QList<QAction*> items;
    for (QAction* group : menu.actions()) {
        if (group->menu()) {
            for (QAction* item : group->menu()->actions())
                items.append(item);
        }
    }
    return items;
}

bool pageIsWhite(const zimo::RasterPage& page)
{
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixel(x, y) != zimo::rgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

} // namespace

TEST(ExamplesInTheWindow, MenuStandsBeforeTasksAndHelpAndListsEveryExample)
{
    WindowDesk d;
    zimo::ExamplesMenu* menu = d.w.menus().piemeri();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("piemeri"));
    const QList<QAction*> bar = d.w.menuBar()->actions();
    const qsizetype at = bar.indexOf(menu->menuAction());
    ASSERT_GE(at, 0);
    ASSERT_LT(at + 2, bar.size());
    EXPECT_EQ(bar[at + 1], d.w.menus().uzdevumi()->menuAction());
    EXPECT_EQ(bar[at + 2], d.w.menus().palidziba());

    const QString folder = zimo::exampleFolder();
    ASSERT_FALSE(folder.isEmpty());
    QStringList files;
    QDirIterator it(folder, { QStringLiteral("*.zkf") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QFileInfo(it.next()).canonicalFilePath());
    QStringList listed;
    for (const QAction* item : exampleItems(*menu)) {
        listed.append(QFileInfo(item->data().toString()).canonicalFilePath());
        EXPECT_FALSE(item->text().contains(QStringLiteral(".zkf")));
        EXPECT_FALSE(item->text().front().isDigit()) << item->text().toStdString();
    }
    files.sort();
    listed.sort();
    EXPECT_GE(files.size(), 24);
    EXPECT_EQ(listed, files);
}

TEST(ExamplesInTheWindow, ChoosingOneGivesItsTextNoNameAndAWhitePage)
{
    WindowDesk d;
    QFile own(d.dir.filePath(QStringLiteral("mans.zkf")));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("fona krasa 10\r\nuz prieksu 50\r\n");
    own.close();
    d.w.files().openAtStart(own.fileName());
    ASSERT_EQ(d.w.windowTitle(), QStringLiteral("Zimo – mans"));
    ASSERT_TRUE(d.runToEnd());
    ASSERT_FALSE(pageIsWhite(d.w.page()));

    const QList<QAction*> items = exampleItems(*d.w.menus().piemeri());
    ASSERT_FALSE(items.isEmpty());
    QAction* example = items.back();
    example->trigger();
    const zimo::LoadedProgram expected = zimo::readProgramFile(example->data().toString());
    ASSERT_TRUE(expected.ok());
    EXPECT_EQ(d.w.programText(), expected.text);
    EXPECT_TRUE(d.w.files().programName().isEmpty());
    EXPECT_EQ(d.w.windowTitle(), QStringLiteral("Zimo"));
    EXPECT_TRUE(pageIsWhite(d.w.page()));
    EXPECT_TRUE(d.page().frame().image.pixelColor(5, 5) == QColor(Qt::white));
    EXPECT_TRUE(d.takeMessages().isEmpty());
}

TEST(ExamplesInTheWindow, MenuIsOffWhileAProgramRuns)
{
    WindowDesk d;
    d.clickText();
    const QString endless = QStringLiteral("atrums 0\r\nsakt\r\nuz prieksu 1\r\niet uz sakt");
    d.text().setProgramText(endless);
    d.w.zimet_Click();
    ASSERT_TRUE(d.w.isRunning());
    EXPECT_FALSE(d.w.menus().piemeri()->isEnabled());
    exampleItems(*d.w.menus().piemeri()).front()->trigger();
    EXPECT_EQ(d.w.programText(), endless);
    d.w.stopRun();
    ASSERT_TRUE(WindowDesk::waitFor([&d] { return !d.w.isRunning(); }, 5000));
    EXPECT_TRUE(d.w.menus().piemeri()->isEnabled());
}
