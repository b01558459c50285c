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
        QDir(zimo::recoveryFilePath()).removeRecursively();
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

    FakeHost nextHost;
    zimo::ProgramFiles next(nextHost, nullptr);
    EXPECT_TRUE(next.hasRecovery());
    next.restorePrevious();
    EXPECT_EQ(nextHost.text, QStringLiteral("sakne"));
}

TEST_F(Recovery, TheCopyFollowsTheTextWhileTheLastSessionsStaysOnOffer)
{
    host.text = QStringLiteral("kept");
    files->keepForRecovery();

    FakeHost nextHost;
    zimo::ProgramFiles next(nextHost, nullptr);
    next.setNotifier([this](const QString& m) { messages.append(m); });
    ASSERT_TRUE(next.hasRecovery());
    nextHost.text = QStringLiteral("typed");
    next.keepForRecovery();
    EXPECT_EQ(zimo::readRecoveryText().text, u"typed") << "a crash now loses nothing";

    next.restorePrevious();
    EXPECT_EQ(nextHost.text, QStringLiteral("kept"));
    EXPECT_TRUE(next.programName().isEmpty());
    next.restorePrevious();
    EXPECT_EQ(nextHost.text, QStringLiteral("typed")) << "restoring again brings it back";
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Recovery, ACopyThatCannotBeReadOrWrittenIsToldOnce)
{
    // Something that is not a file stands where the copy goes.
    ASSERT_TRUE(QDir().mkpath(zimo::recoveryFilePath() + QStringLiteral("/x")));
    host.text = QStringLiteral("typed");
    files->restorePrevious();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(host.text, QStringLiteral("typed"));

    files->keepForRecovery();
    host.text = QStringLiteral("typed more");
    files->keepForRecovery();
    ASSERT_EQ(messages.size(), 2) << "told once, not every few seconds";
    EXPECT_TRUE(messages[1].contains(u"ar šo nosaukumu jau ir mape")) << messages[1].toStdString();
    EXPECT_EQ(host.text, QStringLiteral("typed more"));
    QDir(zimo::recoveryFilePath()).removeRecursively();
}

} // namespace
