#include "filesdesk.h"
#include "smalldisk.h"

#include <QSignalSpy>

namespace
{

using FullDisk = FilesTest;

TEST_F(FullDisk, SavingOverAProgramLeavesItByteForByteAndTellsWhy)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small file system here (needs the right to mount)";
    host.text = QStringLiteral("uz prieksu 50\r\nlenkis 90");
    saveAs(disk.path({}), QStringLiteral("prog"));
    ASSERT_TRUE(messages.isEmpty());
    const QByteArray saved = bytesOf(disk.path(QStringLiteral("prog.zkf")));
    ASSERT_EQ(saved, QByteArray("uz prieksu 50\r\nlenkis 90\r\n"));
    disk.fill();

    QSignalSpy renamed(files.get(), &zimo::ProgramFiles::programNameChanged);
    host.text = QString(20000, u'a');
    files->save_analog_Click();
    saveAs(disk.path({}), QStringLiteral("cits"));

    ASSERT_EQ(messages.size(), 2);
    for (const QString& m : messages) {
        EXPECT_TRUE(m.contains(u"diskā nepietiek vietas")) << m.toStdString();
        EXPECT_TRUE(m.contains(u".zkf")) << m.toStdString();
    }
    EXPECT_EQ(bytesOf(disk.path(QStringLiteral("prog.zkf"))), saved);
    EXPECT_EQ(
        disk.entries(), (QStringList { QStringLiteral("pilns"), QStringLiteral("prog.zkf") }));
    EXPECT_EQ(host.text, QString(20000, u'a'));
    EXPECT_EQ(files->programName(), u"prog") << "the old name and title stay";
    EXPECT_EQ(renamed.count(), 0);
}

} // namespace
