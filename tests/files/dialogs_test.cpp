#include "filesdesk.h"

#include "files/drivelist.h"

#include <QComboBox>
#include <QFileInfo>
#include <QTest>

namespace
{

using Dialogs = FilesTest;

QStringList shownFiles(QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

TEST_F(Dialogs, SaveButtonNeedsAName)
{
    files->saglabat_Click();
    zimo::SaveDialog* d = saveDialog();
    auto* name = in<QLineEdit>(d, "t_nosauk");
    auto* labi = in<QPushButton>(d, "labi");
    EXPECT_FALSE(d->isModal());
    EXPECT_FALSE(labi->isEnabled());
    QTest::keyClick(name, Qt::Key_A);
    EXPECT_TRUE(labi->isEnabled());
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_FALSE(labi->isEnabled());
}

TEST_F(Dialogs, OpenDialogListsOnlyProgramFilesOfTheChosenFolder)
{
    write(path(QStringLiteral("a.zkf")), "");
    write(path(QStringLiteral("B.ZKF")), "");
    write(path(QStringLiteral("c.txt")), "");
    write(path(QStringLiteral("d.zkf.bak")), "");
    QDir(dir.path()).mkdir(QStringLiteral("mape.zkf"));
    QDir(dir.path()).mkdir(QStringLiteral("cita"));
    write(path(QStringLiteral("cita/iekšā.zkf")), "");

    files->ieladet_Click();
    auto* list = in<QListWidget>(openDialog(), "File1");
    EXPECT_FALSE(openDialog()->isModal());
    EXPECT_EQ(shownFiles(list), (QStringList { QStringLiteral("a.zkf"), QStringLiteral("B.ZKF") }));

    // A click on a folder in Dir1 moves there, and File1 follows.
    auto* folders = in<QListWidget>(openDialog(), "Dir1");
    const auto cita = folders->findItems(QStringLiteral("cita"), Qt::MatchEndsWith);
    ASSERT_EQ(cita.size(), 1);
    QTest::mouseClick(
        folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(cita.front()).center());
    QTRY_COMPARE(QFileInfo(openDialog()->folder()), QFileInfo(path(QStringLiteral("cita"))));
    EXPECT_EQ(shownFiles(list), QStringList { QStringLiteral("iekšā.zkf") });

    // A file saved while the dialog was hidden is there when it opens again.
    in<QPushButton>(openDialog(), "cancel")->click();
    write(path(QStringLiteral("cita/jauns.zkf")), "");
    files->ieladet_Click();
    EXPECT_EQ(shownFiles(list),
        (QStringList { QStringLiteral("iekšā.zkf"), QStringLiteral("jauns.zkf") }));
}

TEST_F(Dialogs, ChoosingADriveMovesTheFolderList)
{
    files->ieladet_Click();
    auto* drives = in<QComboBox>(openDialog(), "Drive1");
    const QList<zimo::Drive> offered = zimo::offeredDrives();
    ASSERT_EQ(drives->count(), offered.size());
    const int home = drives->findData(QDir::homePath());
    ASSERT_GE(home, 0);
    EXPECT_NE(drives->findData(QDir::rootPath()), -1);

    emit drives->activated(home);
    EXPECT_EQ(QFileInfo(openDialog()->folder()), QFileInfo(QDir::homePath()));
    const int root = drives->findData(QDir::rootPath());
    emit drives->activated(root);
    EXPECT_EQ(openDialog()->folder(), QDir::rootPath());
    // The list marks the drive of the folder it shows.
    openDialog()->setFolder(QDir::homePath());
    EXPECT_EQ(drives->currentIndex(), home);
}

TEST_F(Dialogs, DialogsAreMadeOnceAndKeepTheirFolder)
{
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    files->ieladet_Click();
    zimo::OpenDialog* first = openDialog();
    first->setFolder(path(QStringLiteral("sub")));
    in<QPushButton>(first, "cancel")->click();
    EXPECT_FALSE(first->isVisible());
    files->ieladet_Click();
    EXPECT_EQ(host.window.findChildren<zimo::OpenDialog*>().size(), 1);
    EXPECT_EQ(QFileInfo(first->folder()), QFileInfo(path(QStringLiteral("sub"))));
}

TEST_F(Dialogs, AProgramSavedWhileTheOpenDialogShowsAppearsInIt)
{
    files->ieladet_Click();
    auto* list = in<QListWidget>(openDialog(), "File1");
    EXPECT_EQ(list->count(), 0);
    host.text = QStringLiteral("sakne");
    saveAs(dir.path(), QStringLiteral("tikko"));
    // The work file is a program file of the current folder too.
    EXPECT_EQ(
        shownFiles(list), (QStringList { QStringLiteral("pag.zkf"), QStringLiteral("tikko.zkf") }));
}

} // namespace
