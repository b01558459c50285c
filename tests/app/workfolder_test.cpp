#include "workfolder.h"

#include <gtest/gtest.h>

namespace
{

using zimo::workFolderFor;

const QString Home = QStringLiteral("/home/anna");
const QString Documents = QStringLiteral("/home/anna/Dokumenti");

TEST(WorkFolder, StartedByTheDesktopWorksInTheDocumentsFolder)
{
    const QString expected = QStringLiteral("/home/anna/Dokumenti/Zimo");
    EXPECT_EQ(workFolderFor(Home, Home, Documents), expected);
    // A home folder spelt with a trailing slash or dots is still the home folder.
    EXPECT_EQ(workFolderFor(QStringLiteral("/home/anna/"), Home, Documents), expected);
    EXPECT_EQ(workFolderFor(QStringLiteral("/home/./anna"), Home + u'/', Documents), expected);
    // Some launchers start programs in the root folder, where nobody may write.
    EXPECT_EQ(workFolderFor(QStringLiteral("/"), Home, Documents), expected);
}

TEST(WorkFolder, StartedFromATerminalWorksWhereItWasStarted)
{
    EXPECT_EQ(workFolderFor(QStringLiteral("/home/anna/skola"), Home, Documents),
        QStringLiteral("/home/anna/skola"));
    EXPECT_EQ(workFolderFor(Documents, Home, Documents), Documents);
    EXPECT_EQ(workFolderFor(QStringLiteral("/home/anna/Dokumenti/Zimo"), Home, Documents),
        QStringLiteral("/home/anna/Dokumenti/Zimo"));
    EXPECT_EQ(workFolderFor(QStringLiteral("/tmp"), Home, Documents), QStringLiteral("/tmp"));
    // A folder whose name only begins like the home folder's is another folder.
    EXPECT_EQ(workFolderFor(QStringLiteral("/home/annabella"), Home, Documents),
        QStringLiteral("/home/annabella"));
}

TEST(WorkFolder, WithoutADocumentsFolderTheZimoFolderIsInTheHomeFolder)
{
    EXPECT_EQ(workFolderFor(Home, Home, QString()), QStringLiteral("/home/anna/Zimo"));
    // Desktops without user folders report the home folder itself as the documents folder.
    EXPECT_EQ(workFolderFor(Home, Home, Home), QStringLiteral("/home/anna/Zimo"));
}

} // namespace
