#include "filesdesk.h"

#include "files/commandreference.h"
#include "interpreter/keywords.h"

#include <QFileInfo>
#include <QTableWidget>
#include <QTest>

namespace
{

using Help = FilesTest;

TEST(CommandList, EveryKeywordOfTheLanguageIsInAnExample)
{
    zimo::kw::Mask covered = 0;
    for (const zimo::CommandEntry& entry : zimo::commandReference())
        covered |= zimo::kw::maskOf(entry.example);
    for (unsigned k = 0; k < zimo::kw::KeyCount; ++k)
        EXPECT_TRUE(covered & zimo::kw::Mask(1) << k) << "keyword " << k << " has no example";
}

TEST(CommandList, EveryCommandHasAnExampleOfItselfAndAMeaning)
{
    for (const zimo::CommandEntry& entry : zimo::commandReference()) {
        SCOPED_TRACE(entry.command.toStdString());
        EXPECT_FALSE(entry.meaning.isEmpty());
        EXPECT_FALSE(entry.example.isEmpty());
        EXPECT_FALSE(entry.example.contains(QStringLiteral("Piemērs")));
        if (entry.command.startsWith(u'('))
            continue;
        // "no … lidz": each keyword of the command is in its example.
        for (const QString& part : entry.command.split(QStringLiteral(" … ")))
            EXPECT_TRUE(entry.example.contains(part)) << entry.example.toStdString();
    }
}

TEST_F(Help, WithoutACommandFileTheCommandListOpens)
{
    files->palidziba_Click();
    auto* window = host.window.findChild<QWidget*>(QStringLiteral("Komandas"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    auto* table = window->findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), zimo::commandReference().size());
    window->close();
    files->palidziba_Click();
    EXPECT_EQ(host.window.findChildren<QWidget*>(QStringLiteral("Komandas")).size(), 1);
}

TEST_F(Help, AnExecutableCommandFileIsStartedInstead)
{
    const QString script = path(QStringLiteral("komandas.bat"));
    write(script, "echo started > started.txt\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
    files->palidziba_Click();
    QTRY_VERIFY(QFileInfo::exists(path(QStringLiteral("started.txt"))));
    EXPECT_EQ(host.window.findChild<QWidget*>(QStringLiteral("Komandas")), nullptr);
}

} // namespace
