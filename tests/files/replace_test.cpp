#include "filesdesk.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTest>

namespace
{

using Replace = FilesTest;

TEST_F(Replace, TheSaveDialogShowsTheFolderProgramsAndAClickTakesAName)
{
    write(path(QStringLiteral("zieds.zkf")), "zieds 5,100,100\r\n");
    write(path(QStringLiteral("Maja.ZKF")), "");
    write(path(QStringLiteral("piezimes.txt")), "");
    QDir(dir.path()).mkdir(QStringLiteral("cita"));
    write(path(QStringLiteral("cita/iekšā.zkf")), "");

    files->saglabat_Click();
    auto* list = in<QListWidget>(saveDialog(), "File1");
    ASSERT_NE(list, nullptr);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown.append(list->item(i)->text());
    EXPECT_EQ(shown, (QStringList { QStringLiteral("Maja.ZKF"), QStringLiteral("pag.zkf"),
                         QStringLiteral("zieds.zkf") }));

    const auto zieds = list->findItems(QStringLiteral("zieds.zkf"), Qt::MatchExactly);
    ASSERT_EQ(zieds.size(), 1);
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(zieds.front()).center());
    EXPECT_EQ(saveDialog()->name(), QStringLiteral("zieds"));

    saveDialog()->setFolder(path(QStringLiteral("cita")));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("iekšā.zkf"));
}

TEST_F(Replace, AnExistingFileIsReplacedOnlyAfterTheQuestion)
{
    write(path(QStringLiteral("suns.zkf")), "someone else's program\r\n");
    host.text = QStringLiteral("mans darbs");
    saveAs(dir.path(), QStringLiteral("suns"));

    EXPECT_EQ(question(saveDialog()), QStringLiteral("Fails „suns.zkf” jau ir. Vai aizstāt to?"));
    ASSERT_TRUE(answer(saveDialog(), QStringLiteral("Atcelt")));
    EXPECT_EQ(bytesOf(path(QStringLiteral("suns.zkf"))), QByteArray("someone else's program\r\n"));
    EXPECT_TRUE(saveDialog()->isVisible()) << "the dialog stays for another name";
    EXPECT_EQ(saveDialog()->name(), QStringLiteral("suns"));
    EXPECT_EQ(host.text, QStringLiteral("mans darbs"));
    EXPECT_TRUE(files->programName().isEmpty());

    in<QPushButton>(saveDialog(), "labi")->click();
    ASSERT_TRUE(answer(saveDialog(), QStringLiteral("Aizstāt")));
    EXPECT_EQ(bytesOf(path(QStringLiteral("suns.zkf"))), QByteArray("mans darbs\r\n"));
    EXPECT_FALSE(saveDialog()->isVisible());
    EXPECT_EQ(files->programName(), QStringLiteral("suns"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Replace, TheOwnFileIsSavedWithoutAWordWhileNobodyElseChangedIt)
{
    host.text = QStringLiteral("sakne");
    saveAs(dir.path(), QStringLiteral("mans"));
    const QString file = path(QStringLiteral("mans.zkf"));
    host.text = QStringLiteral("sakne 2");
    files->save_analog_Click();
    EXPECT_EQ(bytesOf(file), QByteArray("sakne 2\r\n"));

    // Touched but not changed (a backup program, a copy back): still no question.
    QFile touched(file);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    touched.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    touched.close();
    host.text = QStringLiteral("sakne 3");
    files->save_analog_Click();
    EXPECT_EQ(bytesOf(file), QByteArray("sakne 3\r\n"));
    EXPECT_TRUE(question(&host.window).isEmpty());

    // Gone meanwhile: nothing to lose, the file is made again.
    QFile::remove(file);
    files->save_analog_Click();
    EXPECT_EQ(bytesOf(file), QByteArray("sakne 3\r\n"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Replace, AFileChangedOnDiskIsNotOverwrittenWithoutAsking)
{
    write(path(QStringLiteral("darbs.zkf")), "uz prieksu 10\r\n");
    load(dir.path(), QStringLiteral("darbs.zkf"));
    const QString file = path(QStringLiteral("darbs.zkf"));
    // The teacher corrects the file: the same size, only its time and content tell.
    write(file, "uz prieksu 20\r\n");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QFileInfo(file).lastModified().addSecs(5), QFileDevice::FileModificationTime);
    f.close();
    host.text = QStringLiteral("uz prieksu 10\r\nlenkis 90");

    files->save_analog_Click();
    EXPECT_TRUE(question(&host.window).contains(u"„darbs.zkf” ir mainīts"));
    ASSERT_TRUE(answer(&host.window, QStringLiteral("Atcelt")));
    EXPECT_EQ(bytesOf(file), QByteArray("uz prieksu 20\r\n"));

    files->save_analog_Click();
    ASSERT_TRUE(answer(&host.window, QStringLiteral("Saglabāt ar citu nosaukumu")));
    EXPECT_EQ(bytesOf(file), QByteArray("uz prieksu 20\r\n"));
    ASSERT_TRUE(saveDialog()->isVisible());
    in<QLineEdit>(saveDialog(), "t_nosauk")->setText(QStringLiteral("darbs2"));
    in<QPushButton>(saveDialog(), "labi")->click();
    EXPECT_EQ(bytesOf(path(QStringLiteral("darbs2.zkf"))), QByteArray("uz prieksu 10\r\nlenkis 90\r\n"));
    EXPECT_EQ(files->programName(), QStringLiteral("darbs2"));

    // Back on the changed file: replacing it is the learner's choice, and asked once.
    load(dir.path(), QStringLiteral("darbs.zkf"));
    write(file, "uz prieksu 30, longer\r\n");
    host.text = QStringLiteral("mans");
    files->save_analog_Click();
    ASSERT_TRUE(answer(&host.window, QStringLiteral("Aizstāt")));
    EXPECT_EQ(bytesOf(file), QByteArray("mans\r\n"));
    host.text = QStringLiteral("mans 2");
    files->save_analog_Click();
    EXPECT_TRUE(question(&host.window).isEmpty());
    EXPECT_EQ(bytesOf(file), QByteArray("mans 2\r\n"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Replace, TheWorkFilesOfTheWorkFolderCannotBeChosen)
{
    host.text = QStringLiteral("mans darbs");
    for (const QString& name : { QStringLiteral("komandas"), QStringLiteral("pag"),
             QStringLiteral("Komandas.zkf"), QStringLiteral("PAG") }) {
        messages.clear();
        saveAs(dir.path(), name);
        ASSERT_EQ(messages.size(), 1) << name.toStdString();
        EXPECT_TRUE(messages[0].contains(u"izmanto pati Zimo")) << messages[0].toStdString();
        EXPECT_TRUE(saveDialog()->isVisible());
        EXPECT_EQ(saveDialog()->name(), name);
        EXPECT_TRUE(question(saveDialog()).isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("komandas.zkf"))));
    EXPECT_TRUE(files->programName().isEmpty());

    // Elsewhere they are names like any other.
    QDir(dir.path()).mkdir(QStringLiteral("cita"));
    messages.clear();
    saveAs(path(QStringLiteral("cita")), QStringLiteral("komandas"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(bytesOf(path(QStringLiteral("cita/komandas.zkf"))), QByteArray("mans darbs\r\n"));

    // Loaded from the work folder, a work file gives the program no name to save back to.
    write(path(QStringLiteral("komandas.zkf")), "uz prieksu 5\r\n");
    load(dir.path(), QStringLiteral("komandas.zkf"));
    EXPECT_EQ(host.text, QStringLiteral("uz prieksu 5"));
    EXPECT_TRUE(files->programName().isEmpty());
}

} // namespace
