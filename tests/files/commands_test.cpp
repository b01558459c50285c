#include "filesdesk.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

namespace
{

using Help = FilesTest;

TEST_F(Help, WithoutACommandFileTheWindowIsAskedForItsHelp)
{
    QSignalSpy wanted(files.get(), &zimo::ProgramFiles::helpWanted);
    files->palidziba_Click();
    EXPECT_EQ(wanted.size(), 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Help, AnExecutableCommandFileIsStartedInstead)
{
    QSignalSpy wanted(files.get(), &zimo::ProgramFiles::helpWanted);
    const QString script = path(QStringLiteral("komandas.bat"));
    write(script, "echo started > started.txt\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
    files->palidziba_Click();
    QTRY_VERIFY(QFileInfo::exists(path(QStringLiteral("started.txt"))));
    EXPECT_EQ(wanted.size(), 0);
}

} // namespace
