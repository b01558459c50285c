#include "filesdesk.h"

#include <QFileInfo>

namespace
{

using Failures = FilesTest;

TEST_F(Failures, AFolderThatCannotTakeTheFileKeepsTextDialogAndDisk)
{
    host.text = QStringLiteral("uz prieksu 10");
    files->saglabat_Click();
    // The folder vanishes while the dialog is open.
    QDir(dir.path()).mkdir(QStringLiteral("pazudis"));
    saveDialog()->setFolder(path(QStringLiteral("pazudis")));
    QDir(path(QStringLiteral("pazudis"))).removeRecursively();
    in<QLineEdit>(saveDialog(), "t_nosauk")->setText(QStringLiteral("prog"));
    in<QPushButton>(saveDialog(), "labi")->click();

    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("prog.zkf"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("tādas mapes nav")));
    EXPECT_TRUE(saveDialog()->isVisible());
    EXPECT_EQ(host.text, QStringLiteral("uz prieksu 10"));
    EXPECT_TRUE(files->programName().isEmpty());
}

TEST_F(Failures, AProgramFileThatCannotBeReplacedStaysAsItWas)
{
    host.text = QStringLiteral("sakne");
    saveAs(dir.path(), QStringLiteral("vecs"));
    // Something that is not a file now stands where the program file was.
    QFile::remove(path(QStringLiteral("vecs.zkf")));
    QDir(dir.path()).mkdir(QStringLiteral("vecs.zkf"));
    QFile::copy(path(QStringLiteral("pag.zkf")), path(QStringLiteral("vecs.zkf/inside")));
    host.text = QStringLiteral("beigt");
    files->save_analog_Click();

    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("vecs.zkf")));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("vecs.zkf"))).isDir());
    EXPECT_EQ(bytesOf(path(QStringLiteral("vecs.zkf/inside"))), QByteArray("sakne\r\n"));
    EXPECT_EQ(host.text, QStringLiteral("beigt"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("pag.zkf") });
}

TEST_F(Failures, AWorkFileThatCannotBeWrittenStopsTheSave)
{
    host.text = QStringLiteral("sakne");
    saveAs(dir.path(), QStringLiteral("prog"));
    QFile::remove(path(QStringLiteral("pag.zkf")));
    QDir(dir.path()).mkdir(QStringLiteral("pag.zkf"));
    host.text = QStringLiteral("beigt");
    files->save_analog_Click();

    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("pag.zkf")));
    EXPECT_EQ(bytesOf(path(QStringLiteral("prog.zkf"))), QByteArray("sakne\r\n"));
    EXPECT_EQ(host.text, QStringLiteral("beigt"));

    // Nor does the menu open the dialog for a text that cannot be saved.
    files->jauns_Click();
    files->saglabat_Click();
    EXPECT_FALSE(saveDialog()->isVisible());
}

TEST_F(Failures, AFileOverOneMegabyteIsRefusedWithItsSizeAndNotRead)
{
    write(path(QStringLiteral("liels.zkf")), QByteArray(3 * 1024 * 1024 + 5, 'x'));
    write(path(QStringLiteral("lielaks.zkf")), QByteArray(20 * 1024 * 1024, 'x'));
    write(path(QStringLiteral("tiesi.zkf")), QByteArray(zimo::MaxProgramBytes, 'x'));
    host.text = QStringLiteral("mans darbs");
    load(dir.path(), QStringLiteral("liels.zkf"));
    files->openAtStart(path(QStringLiteral("lielaks.zkf")));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(u"3073 KB")) << messages[0].toStdString();
    EXPECT_TRUE(messages[1].contains(u"20,0 MB")) << messages[1].toStdString();
    EXPECT_TRUE(messages[1].contains(u"1024 KB (1 MB)")) << messages[1].toStdString();
    EXPECT_EQ(host.text, QStringLiteral("mans darbs"));
    EXPECT_TRUE(files->programName().isEmpty());

    load(dir.path(), QStringLiteral("tiesi.zkf"));
    EXPECT_EQ(messages.size(), 2) << "a file of exactly the limit loads";
    EXPECT_EQ(host.text.size(), zimo::MaxProgramBytes);
}

TEST_F(Failures, LoadingWhatCannotBeReadKeepsTheText)
{
    write(path(QStringLiteral("drīz_pazudīs.zkf")), "sakne\r\n");
    host.text = QStringLiteral("mans darbs");

    // No file selected.
    load(dir.path(), QStringLiteral("nav tāda.zkf"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(openDialog()->isVisible());

    // Selected, then gone before "Ielādēt".
    auto* list = in<QListWidget>(openDialog(), "File1");
    const auto soonGone = list->findItems(QStringLiteral("drīz_pazudīs.zkf"), Qt::MatchExactly);
    ASSERT_EQ(soonGone.size(), 1);
    soonGone.front()->setSelected(true);
    QFile::remove(path(QStringLiteral("drīz_pazudīs.zkf")));
    in<QPushButton>(openDialog(), "c_load")->click();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].contains(QStringLiteral("drīz_pazudīs.zkf")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("tāda faila nav")));
    EXPECT_TRUE(openDialog()->isVisible());

    // Named on the command line.
    files->openAtStart(path(QStringLiteral("nekur.zkf")));
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages[2].contains(QStringLiteral("nekur.zkf")));

    EXPECT_EQ(host.text, QStringLiteral("mans darbs"));
    EXPECT_TRUE(files->programName().isEmpty());
}

TEST_F(Failures, ANameWithAFolderSeparatorIsRefused)
{
    host.text = QStringLiteral("sakne");
    saveAs(dir.path(), QStringLiteral("../augšā"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("„/”")));
    EXPECT_TRUE(saveDialog()->isVisible());
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("/../augšā.zkf")));
}

} // namespace
