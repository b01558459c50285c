#include "filesdesk.h"

#include "files/filemessages.h"
#include "files/recoveryhistory.h"
#include "files/restoredialog.h"

#include <QDateTime>
#include <QTemporaryDir>

namespace
{

using zimo::RecoveryEntry;
using zimo::RecoveryHistory;

QStringList firstLines(const QList<RecoveryEntry>& entries)
{
    QStringList lines;
    for (const RecoveryEntry& e : entries)
        lines.append(e.firstLine);
    return lines;
}

// The history without any window: a folder of its own.
class History : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString folder() const { return dir.filePath(QStringLiteral("rezerves")); }
};

TEST_F(History, EditsRewriteOneVersionAndLettingGoStartsTheNext)
{
    RecoveryHistory history(folder());
    EXPECT_TRUE(history.entries().isEmpty());
    EXPECT_EQ(history.keep(QStringLiteral("zieds 5")), QString());
    EXPECT_EQ(history.keep(QStringLiteral("zieds 5\r\nlenkis 9")), QString());
    ASSERT_EQ(history.entries().size(), 1) << "editing never pushes a program out";
    history.closeVersion();
    EXPECT_EQ(history.keep(QStringLiteral("zieds 5\r\nlenkis 9")), QString());
    EXPECT_EQ(history.entries().size(), 1) << "the same text twice is kept once";
    EXPECT_EQ(history.keep(QStringLiteral("  \r\n")), QString());
    EXPECT_EQ(history.keep(QStringLiteral("\r\n  Ж un 😀\r\nbeigt")), QString());

    const QList<RecoveryEntry> entries = history.entries();
    EXPECT_EQ(firstLines(entries), (QStringList { QStringLiteral("Ж un 😀"), QStringLiteral("zieds 5") }));
    EXPECT_EQ(RecoveryHistory::read(entries[0]).text, QStringLiteral("\r\n  Ж un 😀\r\nbeigt"));
    EXPECT_EQ(RecoveryHistory::read(entries[1]).text, QStringLiteral("zieds 5\r\nlenkis 9"));
    EXPECT_GE(entries[0].time, entries[1].time);

    // Another window working beside this one keeps versions of its own.
    RecoveryHistory other(folder());
    other.keep(QStringLiteral("cits logs"));
    EXPECT_EQ(history.entries().size(), 3);
}

TEST_F(History, ATextThatLostMostOfTheVersionAtOnceDoesNotWriteOverIt)
{
    RecoveryHistory history(folder());
    const QString program = QStringLiteral("zieds 5,100,100\r\nlenkis 9\r\nuz prieksu 50");
    history.keep(program);
    history.keep(program + QStringLiteral("\r\nbiezums 3"));
    history.keep(program);
    ASSERT_EQ(history.entries().size(), 1) << "taking a line back out is editing";
    history.keep(QStringLiteral("x"));
    history.keep(QStringLiteral("xy"));
    const QList<RecoveryEntry> entries = history.entries();
    ASSERT_EQ(firstLines(entries), (QStringList { QStringLiteral("xy"), QStringLiteral("zieds 5,100,100") }));
    EXPECT_EQ(RecoveryHistory::read(entries[1]).text, program);
}

TEST_F(History, OnlyTheNewestThirtyStay)
{
    RecoveryHistory history(folder());
    for (int i = 1; i <= RecoveryHistory::Kept + 5; ++i) {
        ASSERT_EQ(history.keep(QStringLiteral("programma %1").arg(i)), QString());
        history.closeVersion();
    }
    const QList<RecoveryEntry> entries = history.entries();
    ASSERT_EQ(entries.size(), RecoveryHistory::Kept);
    EXPECT_EQ(entries.front().firstLine, QStringLiteral("programma 35"));
    EXPECT_EQ(entries.back().firstLine, QStringLiteral("programma 6"));
}

TEST_F(History, TheOldSingleCopyIsTakenOverAndLongLinesAreCut)
{
    QDir().mkpath(dir.path());
    const QString old = dir.filePath(QStringLiteral("iepriekseja_programma.zkf"));
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("vecā programma\r\n").toUtf8());
    f.close();
    RecoveryHistory history(folder());
    history.adopt(old);
    history.adopt(old);
    EXPECT_FALSE(QFile::exists(old));
    ASSERT_EQ(history.entries().size(), 1);
    EXPECT_EQ(history.entries()[0].firstLine, QStringLiteral("vecā programma"));

    const QString line = RecoveryHistory::firstLineOf(QString(100000, u'x'));
    EXPECT_EQ(line.size(), 60);
    EXPECT_TRUE(line.endsWith(u'…'));
}

TEST_F(History, AFolderThatCannotTakeTheVersionSaysWhy)
{
    QFile blocker(folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecoveryHistory history(folder());
    EXPECT_FALSE(history.keep(QStringLiteral("sakne")).isEmpty());
    EXPECT_TRUE(history.entries().isEmpty());
}

TEST(RecoveryEntryText, SaysWhenInWordsAChildReads)
{
    const QDate today(2026, 3, 12);
    EXPECT_EQ(zimo::filemsg::recoveryEntry(QDateTime(today, QTime(14, 3)), today, "zieds"),
        QStringLiteral("šodien 14:03   zieds"));
    EXPECT_EQ(zimo::filemsg::recoveryEntry(QDateTime(today.addDays(-1), QTime(9, 5)), today, "a"),
        QStringLiteral("vakar 09:05   a"));
    EXPECT_EQ(zimo::filemsg::recoveryEntry(QDateTime(QDate(2026, 1, 2), QTime(8, 0)), today, "b"),
        QStringLiteral("02.01.2026. 08:00   b"));
}

// The file operations: every text that leaves the box can be brought back.
using Recovery = FilesTest;

TEST_F(Recovery, EveryTextThatLeavesTheBoxCanBeBroughtBack)
{
    write(path(QStringLiteral("darbs.zkf")), "no diska\r\n");
    host.text = QStringLiteral("pirmais");
    files->jauns_Click();
    host.text = QStringLiteral("otrais");
    load(dir.path(), QStringLiteral("darbs.zkf"));
    host.text = QStringLiteral("trešais");
    files->openUnnamed(QStringLiteral("uzdevums"), true);
    host.text = QStringLiteral("ceturtais");
    files->keepLeaving();
    EXPECT_EQ(firstLines(files->recoveryHistory().entries()),
        (QStringList { QStringLiteral("ceturtais"), QStringLiteral("trešais"),
            QStringLiteral("otrais"), QStringLiteral("pirmais") }));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Recovery, AtjaunotOpensTheChosenVersionAsANewUnnamedProgram)
{
    host.text = QStringLiteral("vecais");
    saveAs(dir.path(), QStringLiteral("vecais"));
    files->jauns_Click();
    host.text = QStringLiteral("jaunais");

    files->atjaunot_Click();
    auto* dialog = host.window.findChild<zimo::RestoreDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    QListWidget* list = dialog->list();
    ASSERT_EQ(list->count(), 2) << "what is in the box now is kept first";
    EXPECT_TRUE(list->item(0)->text().endsWith(u"jaunais"));
    EXPECT_TRUE(list->item(1)->text().endsWith(u"vecais"));
    list->setCurrentRow(1);
    in<QPushButton>(dialog, "atvert")->click();

    EXPECT_EQ(host.text, QStringLiteral("vecais"));
    EXPECT_TRUE(host.unsaved()) << "a restored text is in no file";
    EXPECT_TRUE(files->programName().isEmpty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(files->recoveryHistory().entries().size(), 2) << "jaunais was kept once";

    host.running = true;
    files->atjaunot_Click();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(Recovery, AHistoryThatCannotBeWrittenIsToldOnceAndTheTextStays)
{
    QDir().mkpath(QFileInfo(zimo::recoveryFolder()).path());
    QFile blocker(zimo::recoveryFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    host.text = QStringLiteral("typed");
    files->keepEditing();
    host.text = QStringLiteral("typed more");
    files->keepEditing();
    files->jauns_Click();
    ASSERT_EQ(messages.size(), 1) << "told once, not every half minute";
    EXPECT_TRUE(messages[0].contains(u"rezerves kopiju")) << messages[0].toStdString();
    QFile::remove(zimo::recoveryFolder());
}

} // namespace
