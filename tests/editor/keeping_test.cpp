#include "windowdesk.h"

#include "editor/run/runcontrolactions.h"
#include "editor/run/stopmarks.h"
#include "editor/textbox/hintpresenter.h"
#include "editor/textbox/linenumbergutter.h"
#include "editor/textbox/notelabels.h"
#include "editor/textbox/programhistory.h"
#include "files/programfiles.h"
#include "files/recoveryhistory.h"

#include <QFile>
#include <QGuiApplication>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace
{

QString writeProgram(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QStringList keptFirstLines(zimo::Form1& w)
{
    QStringList lines;
    for (const zimo::RecoveryEntry& e : w.files().recoveryHistory().entries())
        lines << e.firstLine;
    return lines;
}

TEST(Keeping, TheTitleShowsUnsavedChangesWithAStar)
{
    WindowDesk d;
    EXPECT_EQ(d.w.windowTitle(), u"Zimo");
    d.w.files().openAtStart(writeProgram(d.dir, QStringLiteral("zieds.zkf"), "zieds 5,100,100\r\n"));
    EXPECT_EQ(d.w.windowTitle(), u"Zimo – zieds");
    d.clickText();
    d.type(QStringLiteral("x"));
    EXPECT_EQ(d.w.windowTitle(), u"Zimo – zieds *");
    d.w.files().save_analog_Click();
    EXPECT_EQ(d.w.windowTitle(), u"Zimo – zieds");
    d.w.menus().history().undo();
    EXPECT_EQ(d.w.windowTitle(), u"Zimo – zieds *") << "undone, the box differs from the file";
    d.w.files().jauns_Click();
    EXPECT_EQ(d.w.windowTitle(), u"Zimo");
    d.type(QStringLiteral("a"));
    EXPECT_EQ(d.w.windowTitle(), u"Zimo *");
    QTest::keyClick(&d.text(), Qt::Key_Backspace);
    EXPECT_EQ(d.w.windowTitle(), u"Zimo") << "an empty box has nothing to lose";
}

TEST(Keeping, AnotherProgramTakesTheMarksAlongAndShowsFromItsStart)
{
    WindowDesk d;
    QString program = QStringLiteral("uz prieksu 10\r\ndaudzsturis 0,10,10\r\n") + QString(300, u'x');
    for (int i = 0; i < 80; ++i)
        program += QStringLiteral("\r\nlenkis %1").arg(i);
    d.w.setProgramText(program + QStringLiteral("\r\nbiezums 0"));
    ASSERT_TRUE(d.runToEnd());
    d.takeMessages();
    ASSERT_GT(d.w.hints().gutter()->errorLine(), 0);
    d.w.runActions().marks().toggle(2);
    d.w.statusRow()->showNotice(QStringLiteral("Vecs paziņojums"));
    d.text().horizontalScrollBar()->setValue(d.text().horizontalScrollBar()->maximum());
    d.text().verticalScrollBar()->setValue(d.text().verticalScrollBar()->maximum());
    ASSERT_GT(d.text().horizontalScrollBar()->value(), 0);

    d.w.files().openAtStart(writeProgram(d.dir, QStringLiteral("cits.zkf"), "koordinatas 295,460\r\n"));
    EXPECT_EQ(d.w.hints().gutter()->errorLine(), 0);
    EXPECT_TRUE(d.w.hints().errorNote()->isHidden());
    EXPECT_TRUE(d.w.runActions().marks().lines().isEmpty());
    EXPECT_TRUE(d.w.statusRow()->notice().isEmpty());
    EXPECT_EQ(d.text().horizontalScrollBar()->value(), 0) << "it reads \"koordinatas\", not \"oordinatas\"";
    EXPECT_EQ(d.text().verticalScrollBar()->value(), 0);
    EXPECT_EQ(d.text().textCursor().position(), 0);

    // One undo step brings the program before back.
    d.w.menus().history().undo();
    EXPECT_TRUE(d.text().programText().startsWith(u"uz prieksu 10"));
}

TEST(Keeping, EveryWayOutOfTheBoxKeepsTheText)
{
    WindowDesk d;
    QDir(d.w.files().recoveryHistory().folder()).removeRecursively();
    d.clickText();
    d.type(QStringLiteral("pirmais"));
    d.w.files().jauns_Click();
    d.type(QStringLiteral("otrais"));
    d.w.toolbar()->Command4()->click();
    EXPECT_TRUE(d.text().programText().isEmpty());
    d.type(QStringLiteral("trešais"));
    d.w.close();
    EXPECT_EQ(keptFirstLines(d.w), (QStringList { "trešais", "otrais", "pirmais" }));
    EXPECT_TRUE(d.takeMessages().isEmpty()) << "nothing asks the child a question";
}

TEST(Keeping, AVeryLongLineKeepsTheCaretStillAndIsColouredOnlySoFar)
{
    WindowDesk d;
    QStyleHints* hints = QGuiApplication::styleHints();
    const int blinking = hints->cursorFlashTime();
    ASSERT_GT(blinking, 0);
    QString longLine;
    while (longLine.size() < 50000)
        longLine += QStringLiteral("uz prieksu 10 ");
    d.w.setProgramText(QStringLiteral("lenkis 5\r\n") + longLine);
    d.clickText();
    QTextCursor cursor(d.text().document()->findBlockByNumber(1));
    d.text().setTextCursor(cursor);
    EXPECT_EQ(hints->cursorFlashTime(), 0);
    d.text().setTextCursor(QTextCursor(d.text().document()->firstBlock()));
    EXPECT_EQ(hints->cursorFlashTime(), blinking);

    const QTextBlock block = d.text().document()->findBlockByNumber(1);
    const QList<QTextLayout::FormatRange> colours = block.layout()->formats();
    ASSERT_FALSE(colours.isEmpty());
    for (const QTextLayout::FormatRange& range : colours)
        EXPECT_LE(range.start + range.length, zimo::LongLine);
}

TEST(Keeping, ANoticeFitsTheRowShowsItsWholeTextAsATipAndGoesAtTheNextAction)
{
    WindowDesk d;
    zimo::StatusRow* row = d.w.statusRow();
    const QString text = QStringLiteral("Rinda pievienota teksta logā, bet darba failu "
                                        "„komandas.zkf” neizdevās ierakstīt (šajā mapē nav "
                                        "atļauts rakstīt). ")
                             .repeated(3);
    row->showNotice(text);
    QLabel* notice = row->zinojums();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->toolTip(), text);
    EXPECT_TRUE(notice->text().endsWith(u'…')) << notice->text().toStdString();
    EXPECT_LE(notice->fontMetrics().horizontalAdvance(notice->text()), notice->width());
    EXPECT_LE(notice->geometry().right(), row->width());

    QTest::keyClick(&d.text(), Qt::Key_Shift);
    EXPECT_TRUE(notice->isVisible()) << "a modifier alone is no action";
    QTest::keyClick(&d.text(), Qt::Key_A);
    EXPECT_TRUE(notice->isHidden());
    row->showNotice(text);
    d.clickPage();
    EXPECT_TRUE(notice->isHidden());
}

} // namespace
