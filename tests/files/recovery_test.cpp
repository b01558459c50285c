#include "filesdesk.h"

#include "files/recovery.h"

namespace
{

class Recovery : public FilesTest
{
protected:
    void SetUp() override
    {
        FilesTest::SetUp();
        QFile::remove(zimo::recoveryFilePath());
    }
};

TEST_F(Recovery, ClosingKeepsTheTextForTheNextStart)
{
    EXPECT_FALSE(files->hasRecovery());
    host.text = QStringLiteral("zieds 5,100,100\r\nЖ and ☺ too\r\n");
    files->keepForRecovery();

    FakeHost nextHost;
    zimo::ProgramFiles next(nextHost, nullptr);
    EXPECT_TRUE(next.hasRecovery());
    next.restorePrevious();
    EXPECT_EQ(nextHost.text, host.text);
    EXPECT_TRUE(next.programName().isEmpty());
}

TEST_F(Recovery, AnEmptyTextDoesNotWipeAKeptOne)
{
    host.text = QStringLiteral("sakne");
    files->keepForRecovery();
    host.text = QStringLiteral(" \r\n");
    files->keepForRecovery();
    EXPECT_TRUE(files->hasRecovery());
    files->restorePrevious();
    EXPECT_EQ(host.text, QStringLiteral("sakne"));
}

TEST_F(Recovery, RestoringSwapsWithTheTextInTheBoxAndDropsTheName)
{
    host.text = QStringLiteral("kept");
    files->keepForRecovery();
    host.text = QStringLiteral("typed");
    saveAs(dir.path(), QStringLiteral("nosaukts"));

    files->restorePrevious();
    EXPECT_EQ(host.text, QStringLiteral("kept"));
    EXPECT_TRUE(files->programName().isEmpty());
    files->restorePrevious();
    EXPECT_EQ(host.text, QStringLiteral("typed"));

    QFile::remove(zimo::recoveryFilePath());
    files->restorePrevious();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(host.text, QStringLiteral("typed"));
}

} // namespace
