#include "windowdesk.h"

#include "editor/help/helpcontent.h"
#include "editor/help/helplauncher.h"
#include "editor/help/helpwindow.h"
#include "files/programfiles.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace
{

struct HelpDesk : WindowDesk {
    zimo::HelpWindow* help() { return w.findChild<zimo::HelpWindow*>(); }
    template <typename T> T* in(const char* name)
    {
        return help() ? help()->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }
    QString shownTitle()
    {
        const int i = help() ? help()->currentCommand() : -1;
        return i < 0 ? QString() : zimo::helpContent().commands[i].title;
    }
    int indexOf(const QString& title)
    {
        const auto& commands = zimo::helpContent().commands;
        for (int i = 0; i < commands.size(); ++i) {
            if (commands[i].title == title)
                return i;
        }
        return -1;
    }
    QStringList visibleTitles()
    {
        QStringList titles;
        auto* list = in<QListWidget>("komanduSaraksts");
        for (int i = 0; list && i < list->count(); ++i) {
            if (!list->item(i)->isHidden())
                titles << list->item(i)->text();
        }
        return titles;
    }
    // F1 with the text box's cursor on line (0 = first).
    void f1OnLine(int line)
    {
        clickText();
        QTextCursor cursor(text().document()->findBlockByNumber(line));
        text().setTextCursor(cursor);
        text().setFocus();
        w.helpLauncher().f1()->trigger();
    }
};

} // namespace

TEST(HelpWindow, PalidzibaWithoutACommandFileOpensOneHelpThatDoesNotBlock)
{
    HelpDesk d;
    d.w.menus().palidziba()->trigger();
    ASSERT_NE(d.help(), nullptr);
    EXPECT_TRUE(d.help()->isVisible());
    EXPECT_FALSE(d.help()->isModal());
    EXPECT_EQ(d.help()->objectName(), u"palidzibasLogs");
    EXPECT_EQ(d.help()->windowTitle(), u"Zimo — palīdzība");
    auto* tabs = d.in<QTabWidget>("sadalas");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), u"Pirmie soļi");
    EXPECT_FALSE(d.in<QTextBrowser>("pirmieSoli")->toPlainText().isEmpty());
    d.help()->close();
    d.w.menus().palidziba()->trigger();
    d.w.helpLauncher().f1()->trigger();
    EXPECT_EQ(d.w.findChildren<zimo::HelpWindow*>().size(), 1);
    EXPECT_TRUE(d.help()->isVisible());
}

TEST(HelpWindow, F1OnALineOpensTheEntryOfItsCommand)
{
    HelpDesk d;
    d.text().setProgramText(QStringLiteral(
        "uz prieksu 50\r\nlenkis pa labi 45\r\nprocedura maja\r\nproceduras beigas\r\nmaja"));
    d.f1OnLine(1);
    ASSERT_NE(d.help(), nullptr);
    EXPECT_TRUE(d.help()->isVisible());
    EXPECT_EQ(d.shownTitle(), u"lenkis pa labi");
    EXPECT_EQ(d.in<QTabWidget>("sadalas")->currentWidget()->objectName(), u"komandas");
    EXPECT_TRUE(d.in<QTextBrowser>("komanda")->toPlainText().contains(u"par cik"));
    d.f1OnLine(0);
    EXPECT_EQ(d.shownTitle(), u"uz prieksu");
    d.f1OnLine(4);
    EXPECT_EQ(d.shownTitle(), u"(procedūras nosaukums)");
    // A line without a command leaves the help where it was.
    d.text().setProgramText(QStringLiteral("Zieds 5"));
    d.f1OnLine(0);
    EXPECT_EQ(d.shownTitle(), u"(procedūras nosaukums)");
}

TEST(HelpWindow, F1OnAHiddenCommandClearsTheSearch)
{
    HelpDesk d;
    d.w.menus().palidziba()->trigger();
    d.in<QLineEdit>("meklet")->setText(QStringLiteral("zvaig"));
    d.text().setProgramText(QStringLiteral("spirale 15,10"));
    d.f1OnLine(0);
    EXPECT_EQ(d.shownTitle(), u"spirale");
    EXPECT_TRUE(d.in<QLineEdit>("meklet")->text().isEmpty());
}

TEST(HelpWindow, TheSearchFiltersTheCommandsWithOrWithoutLatvianLetters)
{
    HelpDesk d;
    d.w.menus().palidziba()->trigger();
    auto* search = d.in<QLineEdit>("meklet");
    ASSERT_NE(search, nullptr);
    const qsizetype all = zimo::helpContent().commands.size();
    EXPECT_EQ(d.visibleTitles().size(), all);
    QTest::keyClicks(search, QStringLiteral("zvaig"));
    EXPECT_EQ(d.shownTitle(), u"zvaigzne");
    EXPECT_LT(d.visibleTitles().size(), all);
    EXPECT_TRUE(d.visibleTitles().contains(QStringLiteral("zvaigzne")));
    search->setText(QStringLiteral("KRĀSA"));
    EXPECT_TRUE(d.visibleTitles().contains(QStringLiteral("linijas krasa")));
    EXPECT_TRUE(d.visibleTitles().contains(QStringLiteral("fona krasa")));
    EXPECT_FALSE(d.visibleTitles().contains(QStringLiteral("spirale")));
    EXPECT_TRUE(d.shownTitle().contains(u"krasa"));
    search->setText(QStringLiteral("xyzzy"));
    EXPECT_TRUE(d.visibleTitles().isEmpty());
    EXPECT_EQ(d.help()->currentCommand(), -1);
    EXPECT_FALSE(d.in<QPushButton>("ievietot")->isEnabled());
    search->clear();
    EXPECT_EQ(d.visibleTitles().size(), all);
    EXPECT_TRUE(d.in<QPushButton>("ievietot")->isEnabled());
}

TEST(HelpWindow, IevietotAppendsTheExampleAsALineOfItsOwn)
{
    HelpDesk d;
    d.text().setProgramText(QStringLiteral("uz prieksu 50"));
    d.w.menus().palidziba()->trigger();
    d.help()->showCommand(d.indexOf(QStringLiteral("zieds")));
    d.in<QPushButton>("ievietot")->click();
    EXPECT_EQ(d.w.programText(), u"uz prieksu 50\r\nzieds 5,100,100\r\n");
    EXPECT_EQ(d.w.helpArea()->row().command, u"zieds");
    d.help()->showCommand(d.indexOf(QStringLiteral("sakne")));
    d.in<QPushButton>("ievietot")->click();
    EXPECT_EQ(d.w.programText(), u"uz prieksu 50\r\nzieds 5,100,100\r\nsakne\r\n");
    // The inserted line runs like any other.
    ASSERT_TRUE(d.runToEnd());
    EXPECT_TRUE(d.takeMessages().isEmpty());
}

TEST(HelpWindow, TheScaleGrowsTheTextAndThePictures)
{
    HelpDesk d;
    d.w.menus().palidziba()->trigger();
    zimo::HelpWindow& help = *d.help();
    auto* list = d.in<QListWidget>("komanduSaraksts");
    const int pixels = help.font().pixelSize();
    const QSize icon = list->iconSize();
    help.setScale(2.0);
    EXPECT_EQ(help.font().pixelSize(), 2 * pixels);
    EXPECT_EQ(list->iconSize(), 2 * icon);
    help.setScale(1.0);
    EXPECT_EQ(help.font().pixelSize(), pixels);
}

TEST(HelpWindow, AScaleSetBeforeTheWindowIsBuiltIsItsScale)
{
    HelpDesk d;
    d.w.helpLauncher().setScale(1.5);
    d.w.menus().palidziba()->trigger();
    ASSERT_NE(d.help(), nullptr);
    EXPECT_EQ(d.help()->scale(), 1.5);
}
