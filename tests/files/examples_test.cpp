#include "filesdesk.h"

#include "files/examplefolder.h"
#include "files/examplesmenu.h"

#include <QSignalSpy>

namespace
{

using zimo::exampleTitle;

TEST(ExampleTitles, DropTheOrderNumberAndTheSuffix)
{
    EXPECT_EQ(exampleTitle(QStringLiteral("01 Pirmie soļi")), QStringLiteral("Pirmie soļi"));
    EXPECT_EQ(exampleTitle(QStringLiteral("12 Māja.zkf")), QStringLiteral("Māja"));
    EXPECT_EQ(exampleTitle(QStringLiteral("Šaha galdiņš.ZKF")), QStringLiteral("Šaha galdiņš"));
    // A number that is the whole name, or stands without a blank after it, is the title.
    EXPECT_EQ(exampleTitle(QStringLiteral("2024.zkf")), QStringLiteral("2024"));
    EXPECT_EQ(exampleTitle(QStringLiteral("3D māja.zkf")), QStringLiteral("3D māja"));
}

// A temporary examples folder with groups and programs, the menu built from it, and the
// file operations behind it.
class ExamplesMenuTest : public FilesTest
{
protected:
    QString examples;

    void SetUp() override
    {
        FilesTest::SetUp();
        examples = path(QStringLiteral("piemeri"));
        program(QStringLiteral("02 Cikli/01 Aplis.zkf"), "atkartot 36\r\nbeigas\r\n");
        program(QStringLiteral("01 Pirmie soļi/02 Māja.zkf"), "uz augsu 50\r\n");
        program(QStringLiteral("01 Pirmie soļi/01 Kvadrāts.zkf"), "pa labi 50\r\n");
        program(QStringLiteral("01 Pirmie soļi/lasi.txt"), "not a program");
        ASSERT_TRUE(QDir(examples).mkpath(QStringLiteral("03 Tukšā")));
    }
    void program(const QString& name, const QByteArray& bytes)
    {
        const QString file = QDir(examples).filePath(name);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
        write(file, bytes);
    }
    QList<zimo::ExampleGroup> groups() const { return zimo::exampleGroups(examples); }
    static QStringList titles(const QMenu& menu)
    {
        QStringList found;
        for (const QAction* action : menu.actions())
            found.append(action->text());
        return found;
    }
};

TEST_F(ExamplesMenuTest, GroupsAndProgramsComeInTheOrderOfTheirNames)
{
    const QList<zimo::ExampleGroup> found = groups();
    ASSERT_EQ(found.size(), 2) << "the empty group is left out";
    EXPECT_EQ(found[0].title, QStringLiteral("Pirmie soļi"));
    ASSERT_EQ(found[0].examples.size(), 2) << "only program files";
    EXPECT_EQ(found[0].examples[0].title, QStringLiteral("Kvadrāts"));
    EXPECT_EQ(found[0].examples[1].title, QStringLiteral("Māja"));
    EXPECT_EQ(found[1].title, QStringLiteral("Cikli"));
    EXPECT_TRUE(zimo::exampleGroups(path(QStringLiteral("nav"))).isEmpty());
    EXPECT_TRUE(zimo::exampleGroups(QString()).isEmpty());
}

TEST_F(ExamplesMenuTest, MenuHasASubmenuPerGroupAndAnItemPerProgram)
{
    zimo::ExamplesMenu menu(*files, groups(), nullptr);
    EXPECT_EQ(menu.objectName(), QStringLiteral("piemeri"));
    EXPECT_EQ(menu.title(), QStringLiteral("Pie&mēri"));
    ASSERT_EQ(
        titles(menu), QStringList({ QStringLiteral("Pirmie soļi"), QStringLiteral("Cikli") }));
    EXPECT_EQ(titles(*menu.actions()[0]->menu()),
        QStringList({ QStringLiteral("Kvadrāts"), QStringLiteral("Māja") }));
    EXPECT_EQ(titles(*menu.actions()[1]->menu()), QStringList({ QStringLiteral("Aplis") }));

    zimo::ExamplesMenu none(*files, {}, nullptr);
    ASSERT_EQ(none.actions().size(), 1);
    EXPECT_FALSE(none.actions()[0]->isEnabled());
}

TEST_F(ExamplesMenuTest, ChoosingAProgramOpensItWithoutAName)
{
    host.text = QStringLiteral("mans darbs");
    saveAs(dir.path(), QStringLiteral("mans"));
    ASSERT_EQ(files->programName(), QStringLiteral("mans"));
    QSignalSpy names(files.get(), &zimo::ProgramFiles::programNameChanged);

    zimo::ExamplesMenu menu(*files, groups(), nullptr);
    QSignalSpy opened(&menu, &zimo::ExamplesMenu::exampleOpened);
    menu.actions()[1]->menu()->actions()[0]->trigger();
    EXPECT_EQ(host.text, QStringLiteral("atkartot 36\r\nbeigas"));
    EXPECT_EQ(opened.count(), 1);
    EXPECT_TRUE(files->programName().isEmpty());
    ASSERT_EQ(names.count(), 1);
    EXPECT_TRUE(names[0][0].toString().isEmpty());

    // The save button asks for a name instead of writing over the learner's own file.
    files->save_analog_Click();
    EXPECT_TRUE(saveDialog()->isVisible());
    EXPECT_EQ(bytesOf(path(QStringLiteral("mans.zkf"))), QByteArray("mans darbs\r\n"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(ExamplesMenuTest, NothingOpensDuringARunOrFromAMissingFile)
{
    zimo::ExamplesMenu menu(*files, groups(), nullptr);
    QSignalSpy opened(&menu, &zimo::ExamplesMenu::exampleOpened);
    QAction* square = menu.actions()[0]->menu()->actions()[0];
    host.text = QStringLiteral("mans darbs");
    host.running = true;
    square->trigger();
    EXPECT_EQ(host.text, QStringLiteral("mans darbs"));

    host.running = false;
    ASSERT_TRUE(QFile::remove(square->data().toString()));
    square->trigger();
    EXPECT_EQ(host.text, QStringLiteral("mans darbs"));
    EXPECT_EQ(opened.count(), 0);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Kvadrāts.zkf"))) << messages[0].toStdString();
}

} // namespace
