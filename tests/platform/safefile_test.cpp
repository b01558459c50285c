#include "faultyfilesystem.h"

#include "platform/platformmessages.h"
#include "platform/safefile.h"
#include "platform/textcodec.h"
#include "platform/workfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace zimo;
using zimo::test::FaultyFileSystem;

namespace
{

// A folder with an old file in it, and the fault-injecting file system in use.
class SafeFile : public testing::Test
{
protected:
    QTemporaryDir dir;
    FaultyFileSystem faults;
    UseFileSystem use { faults };
    const QByteArray oldBytes = QByteArray("uz prieksu 50\r\nlenkis 90\r\n");
    const QByteArray newBytes = QByteArray(100000, 'x');

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QFile f(path("prog.zkf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(oldBytes);
    }
    static QByteArray bytesOf(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

TEST_F(SafeFile, ReplacesWholeAndLeavesNoTemporaryFileBehind)
{
    ::chmod(QFile::encodeName(path("prog.zkf")).constData(), 0640);
    EXPECT_EQ(writeFileSafely(path("prog.zkf"), newBytes), QString());
    EXPECT_EQ(bytesOf(path("prog.zkf")), newBytes);
    EXPECT_EQ(writeFileSafely(path("jauns.zkf"), oldBytes), QString());
    EXPECT_EQ(bytesOf(path("jauns.zkf")), oldBytes);
    EXPECT_EQ(entries(), (QStringList { "jauns.zkf", "prog.zkf" }));
    EXPECT_EQ(faults.renames, 2);
    struct stat st {
    };
    ASSERT_EQ(::stat(QFile::encodeName(path("prog.zkf")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the replaced file keeps its permissions";
}

TEST_F(SafeFile, EveryFailureLeavesTheOldFileByteForByte)
{
    struct Fault {
        const char* what;
        void (*inject)(FaultyFileSystem&);
        QString reason;
    };
    const Fault cases[] = {
        { "disk full at once", [](FaultyFileSystem& f) { f.spaceLeft = 0; },
            QStringLiteral("diskā nepietiek vietas") },
        { "disk full after 4096 bytes", [](FaultyFileSystem& f) { f.spaceLeft = 4096; },
            QStringLiteral("diskā nepietiek vietas") },
        { "sync fails", [](FaultyFileSystem& f) { f.syncError = EIO; },
            QStringLiteral("diska kļūda, failu neizdevās ierakstīt") },
        { "close fails", [](FaultyFileSystem& f) { f.closeError = EDQUOT; },
            QStringLiteral("tev atvēlētā vieta diskā ir izlietota") },
        { "rename fails", [](FaultyFileSystem& f) { f.renameError = EACCES; },
            QStringLiteral("šajā mapē nav atļauts rakstīt") },
        { "file protected", [](FaultyFileSystem& f) { f.mayWriteError = EACCES; },
            QStringLiteral("fails ir aizsargāts pret pārrakstīšanu") },
    };
    for (const Fault& c : cases) {
        faults = FaultyFileSystem {};
        c.inject(faults);
        EXPECT_EQ(writeFileSafely(path("prog.zkf"), newBytes), c.reason) << c.what;
        EXPECT_EQ(bytesOf(path("prog.zkf")), oldBytes) << c.what;
        EXPECT_EQ(entries(), QStringList { "prog.zkf" }) << c.what << ": temporary file left";
    }
    // A file that did not exist is not left cut off either.
    faults = FaultyFileSystem {};
    faults.spaceLeft = 10;
    EXPECT_EQ(writeFileSafely(path("jauns.zkf"), newBytes), u"diskā nepietiek vietas");
    EXPECT_EQ(entries(), QStringList { "prog.zkf" });
}

TEST_F(SafeFile, APathThatCannotTakeAFileSaysWhy)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("mape")));
    EXPECT_EQ(writeFileSafely(path("mape"), oldBytes), u"ar šo nosaukumu jau ir mape");
    EXPECT_EQ(writeFileSafely(path("nav/prog.zkf"), oldBytes), u"tādas mapes nav");
    EXPECT_EQ(writeFileSafely(path("prog.zkf/x"), oldBytes), u"ceļā ir fails, nevis mape");
    const QString longName = dir.filePath(QString(300, u'a'));
    EXPECT_EQ(writeFileSafely(longName, oldBytes), u"faila nosaukums ir pārāk garš");
    EXPECT_EQ(bytesOf(path("prog.zkf")), oldBytes);
}

TEST_F(SafeFile, DevicesAreWrittenDirectlyWithEveryWriteChecked)
{
    EXPECT_EQ(writeFileSafely(QStringLiteral("/dev/full"), newBytes), u"diskā nepietiek vietas");
    EXPECT_EQ(writeFileSafely(QStringLiteral("/dev/null"), newBytes), QString());
    EXPECT_EQ(faults.renames, 0) << "a device is never replaced";

    OutputFile piece(QStringLiteral("/dev/full"));
    ASSERT_EQ(piece.open(), QString());
    EXPECT_FALSE(piece.write(newBytes));
    EXPECT_FALSE(piece.write(oldBytes)) << "later writes do nothing";
    EXPECT_EQ(piece.commit(), u"diskā nepietiek vietas");
}

TEST_F(SafeFile, ALinkIsFollowedAndStaysALink)
{
    ASSERT_TRUE(QFile::link(path("prog.zkf"), path("saite.zkf")));
    EXPECT_EQ(writeFileSafely(path("saite.zkf"), newBytes), QString());
    EXPECT_TRUE(QFileInfo(path("saite.zkf")).isSymLink());
    EXPECT_EQ(bytesOf(path("prog.zkf")), newBytes);
}

TEST_F(SafeFile, AnOutputFileDroppedUnfinishedLeavesNothing)
{
    {
        OutputFile file(path("prog.zkf"));
        ASSERT_EQ(file.open(), QString());
        EXPECT_TRUE(file.write(newBytes));
        EXPECT_EQ(entries().size(), 2);
    }
    EXPECT_EQ(entries(), QStringList { "prog.zkf" });
    EXPECT_EQ(bytesOf(path("prog.zkf")), oldBytes);
}

TEST_F(SafeFile, ReadingChecksEveryRead)
{
    EXPECT_EQ(readWholeFile(path("prog.zkf")).bytes, oldBytes);
    faults.readableBytes = 5;
    const FileBytes cut = readWholeFile(path("prog.zkf"));
    EXPECT_FALSE(cut.ok());
    EXPECT_TRUE(cut.bytes.isEmpty()) << "no part of a file is passed on as the whole";
    EXPECT_EQ(cut.problem, u"diska kļūda, failu neizdevās nolasīt");

    faults = FaultyFileSystem {};
    EXPECT_EQ(readWholeFile(path("nav.zkf")).problem, u"tāda faila nav");
    EXPECT_EQ(readWholeFile(dir.path()).problem, u"tā ir mape, nevis fails");
}

TEST_F(SafeFile, TheWorkFileMustGiveBackExactlyWhatWasWritten)
{
    const QString text = QStringLiteral("uz prieksu 5\r\nlenkis 9ā\r\n");
    const PassedThrough good = passThroughFile(path("komandas.zkf"), text);
    EXPECT_TRUE(good.ok());
    EXPECT_EQ(good.text, text);

    faults.alterRead = true;
    EXPECT_EQ(passThroughFile(path("komandas.zkf"), text).problem,
        u"no faila nolasītais nesakrīt ar ierakstīto");
    faults.alterRead = false;
    faults.readableBytes = 0;
    EXPECT_FALSE(passThroughFile(path("komandas.zkf"), text).ok());
    faults.readableBytes = -1;
    faults.spaceLeft = 3;
    EXPECT_EQ(passThroughFile(path("komandas.zkf"), text).problem, u"diskā nepietiek vietas");
    EXPECT_EQ(bytesOf(path("komandas.zkf")), encodeWindows1257(text).bytes)
        << "the last good work file stays";
}

TEST_F(SafeFile, AWorkFileTakesEveryCharacterAndKeepsNamesApart)
{
    // Ж and Ф have no place in the Baltic code page; as "?" they would become one name.
    const QString text = QStringLiteral("no Ж=1 lidz 3\r\nno Ф=1 lidz 5 😀\r\n");
    const PassedThrough back = passThroughFile(path("komandas.zkf"), text);
    ASSERT_TRUE(back.ok()) << back.problem.toStdString();
    EXPECT_EQ(back.text, text);
    EXPECT_EQ(bytesOf(path("komandas.zkf")), text.toUtf8());

    EXPECT_EQ(writeTextFile(path("komandas.zkf"), QStringLiteral("Ж")), QString());
    EXPECT_EQ(bytesOf(path("komandas.zkf")), QStringLiteral("Ж").toUtf8());
    EXPECT_EQ(writeTextFile(path("komandas.zkf"), QStringLiteral("ā")), QString());
    EXPECT_EQ(bytesOf(path("komandas.zkf")), QByteArray("\xE2")) << "Baltic when it fits";
}

TEST_F(SafeFile, ALimitStopsReadingSoonAfterIt)
{
    QFile big(path("big.zkf"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(1 << 20, 'x'));
    big.close();
    const FileBytes head = readWholeFile(path("big.zkf"), 1000);
    EXPECT_TRUE(head.ok());
    EXPECT_GT(head.bytes.size(), 1000);
    EXPECT_LT(head.bytes.size(), 1 << 20) << "a chunk past the limit, not the whole file";
    EXPECT_EQ(readWholeFile(path("prog.zkf"), 1000).bytes, oldBytes);
}

TEST(FileReasons, EveryCauseAChildMeetsHasItsOwnLatvianText)
{
    const int codes[] = { ENOENT, EACCES, EROFS, ENOSPC, EDQUOT, EISDIR, EIO, ENAMETOOLONG };
    QStringList writes, reads;
    for (const int code : codes) {
        writes << platformmsg::writeReason(code);
        reads << platformmsg::readReason(code);
    }
    writes.removeDuplicates();
    reads.removeDuplicates();
    EXPECT_EQ(writes.size(), std::size(codes));
    EXPECT_EQ(reads.size(), std::size(codes));
    EXPECT_EQ(platformmsg::writeReason(EPERM), platformmsg::writeReason(EACCES));
    // Anything else gets a general text, never the system's English one.
    EXPECT_EQ(platformmsg::writeReason(EXDEV), u"failu neizdevās ierakstīt");
    EXPECT_EQ(platformmsg::readReason(ENXIO), u"failu neizdevās nolasīt");
}

} // namespace
