#include "filesdesk.h"

#include "platform/textcodec.h"

#include <QFileInfo>
#include <QImage>

namespace
{

using SaveLoad = FilesTest;

TEST_F(SaveLoad, SaveThenLoadGivesBackExactlyTheSavedText)
{
    const QStringList texts = {
        QStringLiteral("uz prieksu 50\r\nlenkis pa labi 90"),
        QStringLiteral("linijas krasa 5\r\n\r\n"),
        QStringLiteral("\r\n"),
        QStringLiteral(
            "ja x>200 tad biezums 5 \r\n  Ābele, ēna, čūska, šķūnis, žogs, ņaud, ģimene"),
        QString(),
    };
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString& text = texts[i];
        const QString name = QStringLiteral("darbs%1").arg(i);
        host.text = text;
        saveAs(dir.path(), name);
        files->jauns_Click();
        ASSERT_TRUE(host.text.isEmpty());
        load(dir.path(), name + QStringLiteral(".zkf"));
        EXPECT_EQ(host.text, text);
        // A second round must not grow the program by a line either.
        files->save_analog_Click();
        host.text = QStringLiteral("other");
        load(dir.path(), name + QStringLiteral(".zkf"));
        EXPECT_EQ(host.text, text);
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(SaveLoad, FileHoldsBalticBytesWithCrLfAndGoesThroughTheWorkFile)
{
    host.text = QStringLiteral("Āē\r\nčš");
    saveAs(dir.path(), QStringLiteral("burti"));
    const QByteArray expected("\xC2\xE7\r\n\xE8\xF0\r\n");
    EXPECT_EQ(bytesOf(path(QStringLiteral("burti.zkf"))), expected);
    EXPECT_EQ(bytesOf(path(QStringLiteral("pag.zkf"))), expected);
    EXPECT_FALSE(saveDialog()->isVisible());
    EXPECT_EQ(files->programName(), QStringLiteral("burti"));
}

TEST_F(SaveLoad, ATextTheCodePageCannotHoldIsSavedInUtf8AndReopensUnchanged)
{
    const QString text = QStringLiteral("sakne\r\nuz prieksu 5\r\nzieds Ж\r\nā 😀 smaids");
    host.text = text;
    saveAs(dir.path(), QStringLiteral("visur"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    EXPECT_EQ(bytesOf(path(QStringLiteral("visur.zkf"))), (text + QStringLiteral("\r\n")).toUtf8());
    EXPECT_EQ(bytesOf(path(QStringLiteral("pag.zkf"))), (text + QStringLiteral("\r\n")).toUtf8());
    host.text = QStringLiteral("cits");
    load(dir.path(), QStringLiteral("visur.zkf"));
    EXPECT_EQ(host.text, text);
}

TEST_F(SaveLoad, OnlyAWrittenOrLoadedTextCountsAsSaved)
{
    host.text = QStringLiteral("biezums 3");
    EXPECT_TRUE(host.unsaved());
    files->saglabat_Click();
    // The text changes while the dialog is open: the file gets the text of before.
    host.text = QStringLiteral("biezums 4");
    in<QLineEdit>(saveDialog(), "t_nosauk")->setText(QStringLiteral("vecs"));
    in<QPushButton>(saveDialog(), "labi")->click();
    EXPECT_EQ(bytesOf(path(QStringLiteral("vecs.zkf"))), QByteArray("biezums 3\r\n"));
    EXPECT_TRUE(host.unsaved());
    files->save_analog_Click();
    EXPECT_FALSE(host.unsaved());

    host.text = QStringLiteral("cits");
    load(dir.path(), QStringLiteral("vecs.zkf"));
    EXPECT_FALSE(host.unsaved());
    host.text = QStringLiteral("mainīts");
    files->jauns_Click();
    EXPECT_FALSE(host.unsaved()) << "an empty new program has nothing to lose";
}

TEST_F(SaveLoad, SaveButtonAsksForANameOnlyWhileThereIsNone)
{
    host.text = QStringLiteral("biezums 3");
    files->save_analog_Click();
    ASSERT_NE(saveDialog(), nullptr);
    EXPECT_TRUE(saveDialog()->isVisible());
    in<QLineEdit>(saveDialog(), "t_nosauk")->setText(QStringLiteral("pirmais"));
    in<QPushButton>(saveDialog(), "labi")->click();
    EXPECT_FALSE(saveDialog()->isVisible());

    host.text = QStringLiteral("biezums 4");
    files->save_analog_Click();
    EXPECT_FALSE(saveDialog()->isVisible());
    EXPECT_EQ(bytesOf(path(QStringLiteral("pirmais.zkf"))), QByteArray("biezums 4\r\n"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SaveLoad, LoadingNamesTheProgramAfterTheFileAndItsFolder)
{
    QDir(dir.path()).mkdir(QStringLiteral("mape"));
    const QString folder = path(QStringLiteral("mape"));
    write(folder + QStringLiteral("/Zieds.ZKF"), "zieds 5,100,100\r\n");
    host.text = QStringLiteral("old text");
    load(folder, QStringLiteral("Zieds.ZKF"));
    EXPECT_EQ(host.text, QStringLiteral("zieds 5,100,100"));
    EXPECT_EQ(files->programName(), QStringLiteral("Zieds"));
    EXPECT_FALSE(openDialog()->isVisible());

    // The save dialog shows the loaded program, and the save button writes back to it.
    files->saglabat_Click();
    EXPECT_EQ(saveDialog()->name(), QStringLiteral("Zieds"));
    EXPECT_EQ(QFileInfo(saveDialog()->folder()), QFileInfo(folder));
    in<QPushButton>(saveDialog(), "atcelt")->click();
    host.text = QStringLiteral("zieds 7,100,100");
    files->save_analog_Click();
    EXPECT_EQ(bytesOf(folder + QStringLiteral("/Zieds.zkf")), QByteArray("zieds 7,100,100\r\n"));
}

TEST_F(SaveLoad, LongFilesAndUtf8FilesLoadWhole)
{
    QByteArray longFile;
    for (int i = 0; i < 3000; ++i)
        longFile += "uz prieksu " + QByteArray::number(i) + "\r\n";
    ASSERT_GT(longFile.size(), 10000);
    write(path(QStringLiteral("garš.zkf")), longFile);
    load(dir.path(), QStringLiteral("garš.zkf"));
    EXPECT_EQ(host.text.count(QStringLiteral("\r\n")), 2999);
    EXPECT_TRUE(host.text.endsWith(QStringLiteral("uz prieksu 2999")));

    write(path(QStringLiteral("citur.zkf")), QStringLiteral("Ķēķis\nžogs\n").toUtf8());
    load(dir.path(), QStringLiteral("citur.zkf"));
    EXPECT_EQ(host.text, QStringLiteral("Ķēķis\r\nžogs"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SaveLoad, StartingWithAFileLoadsAndNamesIt)
{
    write(path(QStringLiteral("start.zkf")), "sakne\r\n");
    files->openAtStart(QStringLiteral("start.zkf"));
    EXPECT_EQ(host.text, QStringLiteral("sakne"));
    EXPECT_EQ(files->programName(), QStringLiteral("start"));
    host.text = QStringLiteral("beigt");
    files->save_analog_Click();
    EXPECT_EQ(bytesOf(path(QStringLiteral("start.zkf"))), QByteArray("beigt\r\n"));
}

TEST_F(SaveLoad, ANameTypedWithTheSuffixGetsItOnce)
{
    host.text = QStringLiteral("sakne");
    saveAs(dir.path(), QStringLiteral("maja.zkf"));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("maja.zkf"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("maja.zkf.zkf"))));
    EXPECT_EQ(files->programName(), QStringLiteral("maja"));
}

TEST_F(SaveLoad, ANameTypedAndCancelledIsNotWhereTheSaveButtonWrites)
{
    host.text = QStringLiteral("sakne");
    saveAs(dir.path(), QStringLiteral("maja"));
    write(path(QStringLiteral("suns.zkf")), "someone else's program\r\n");

    files->saglabat_Click();
    in<QLineEdit>(saveDialog(), "t_nosauk")->setText(QStringLiteral("suns"));
    in<QPushButton>(saveDialog(), "atcelt")->click();
    host.text = QStringLiteral("notirit lapu");
    files->save_analog_Click();

    EXPECT_EQ(bytesOf(path(QStringLiteral("suns.zkf"))), QByteArray("someone else's program\r\n"));
    EXPECT_EQ(bytesOf(path(QStringLiteral("maja.zkf"))), QByteArray("notirit lapu\r\n"));
    files->saglabat_Click();
    EXPECT_EQ(saveDialog()->name(), QStringLiteral("maja"));
}

TEST_F(SaveLoad, JaunsClearsTextAndNameButNotTheDrawing)
{
    host.pagePtr->drawPoint(10, 10, zimo::rgb(255, 0, 0));
    const zimo::Colour drawn = host.pagePtr->pixel(10, 10);
    host.text = QStringLiteral("zieds 5,100,100");
    saveAs(dir.path(), QStringLiteral("zieds"));

    files->jauns_Click();
    EXPECT_TRUE(host.text.isEmpty());
    EXPECT_TRUE(files->programName().isEmpty());
    EXPECT_EQ(host.newPrograms, 1);
    EXPECT_EQ(host.pagePtr->pixel(10, 10), drawn);
    EXPECT_TRUE(saveDialog()->name().isEmpty());

    // Without a name the save button asks again instead of overwriting "zieds.zkf".
    host.text = QStringLiteral("cits");
    files->new_analog_Click();
    EXPECT_EQ(host.newPrograms, 2);
    host.text = QStringLiteral("cits");
    files->save_analog_Click();
    EXPECT_TRUE(saveDialog()->isVisible());
    EXPECT_EQ(bytesOf(path(QStringLiteral("zieds.zkf"))), QByteArray("zieds 5,100,100\r\n"));
}

TEST_F(SaveLoad, FileActionsWaitWhileAProgramRuns)
{
    host.text = QStringLiteral("sakne");
    saveAs(dir.path(), QStringLiteral("skrien"));
    host.running = true;
    host.text = QStringLiteral("changed");
    files->save_analog_Click();
    files->jauns_Click();
    files->ieladet_Click();
    EXPECT_EQ(bytesOf(path(QStringLiteral("skrien.zkf"))), QByteArray("sakne\r\n"));
    EXPECT_EQ(host.text, QStringLiteral("changed"));
    EXPECT_EQ(host.newPrograms, 0);
    EXPECT_EQ(openDialog(), nullptr);
}

TEST_F(SaveLoad, PictureHoldsThePageAndAFailureIsTold)
{
    host.pagePtr->drawPoint(3, 4, zimo::rgb(0, 0, 255));
    ASSERT_TRUE(files->savePicture(path(QStringLiteral("zimejums.png"))));
    const QImage image(path(QStringLiteral("zimejums.png")));
    ASSERT_EQ(image.size(), QSize(host.pagePtr->width(), host.pagePtr->height()));
    EXPECT_EQ(image.pixelColor(3, 4), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 255));

    EXPECT_FALSE(files->savePicture(path(QStringLiteral("nav/zimejums.png"))));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("zimejums.png")));
}

} // namespace
