// The teaching editor: line numbers that follow the text, colours of what the run finds,
// proposals put in place as one undo step, and the mark of a run's error.

#include "windowdesk.h"

#include "editor/textbox/hintpresenter.h"
#include "editor/textbox/keywordhighlighter.h"
#include "editor/textbox/linenumbergutter.h"
#include "editor/textbox/notelabels.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace zimo;

namespace
{

QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("uz prieksu %1").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

// The colour the highlighter gave the character at index of line (1 = first).
QColor colourAt(ProgramTextBox& box, int line, int index)
{
    const QTextBlock block = box.document()->findBlockByNumber(line - 1);
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (index >= range.start && index < range.start + range.length)
            return range.format.foreground().color();
    }
    return {};
}

QColor colourOf(SpanKind kind) { return KeywordHighlighter::formatOf(kind).foreground().color(); }

TEST(LineNumbers, StandLeftOfTheTextAndFollowScrolling)
{
    WindowDesk d;
    d.w.setProgramText(numberedLines(120));
    QTest::qWait(1);
    LineNumberGutter& gutter = *d.w.hints().gutter();
    EXPECT_LE(gutter.geometry().right(), d.text().viewport()->geometry().left());
    EXPECT_EQ(gutter.height(), d.text().viewport()->height());
    EXPECT_EQ(gutter.font(), d.text().font());
    EXPECT_EQ(d.text().visibleLines().front().line, 1);

    const QImage top = gutter.grab().toImage();
    d.text().verticalScrollBar()->setValue(40);
    QTest::qWait(1);
    EXPECT_EQ(d.text().visibleLines().front().line, 41);
    EXPECT_NE(gutter.grab().toImage(), top) << "the numbers moved with the text";
    d.text().verticalScrollBar()->setValue(0);
    QTest::qWait(1);
    EXPECT_EQ(gutter.grab().toImage(), top);

    // Four digits from line 1000 on: the gutter grows and the text keeps clear of it.
    const int narrow = gutter.width();
    d.w.setProgramText(numberedLines(1000));
    QTest::qWait(1);
    EXPECT_GT(gutter.width(), narrow);
    EXPECT_LE(gutter.geometry().right(), d.text().viewport()->geometry().left());
}

TEST(KeywordColours, ConditionalLineColoursWhatItsBranchesRun)
{
    WindowDesk d;
    const QString line = QStringLiteral("ja x>200 tad biezums 5 citadi biezums 3 uz augsu");
    d.w.setProgramText(line);
    QTest::qWait(1);
    ProgramTextBox& box = d.text();
    EXPECT_EQ(colourAt(box, 1, 0), colourOf(SpanKind::Control)) << "ja";
    EXPECT_EQ(colourAt(box, 1, 3), colourOf(SpanKind::Name)) << "x";
    EXPECT_EQ(colourAt(box, 1, 5), colourOf(SpanKind::Number)) << "200";
    EXPECT_EQ(colourAt(box, 1, 9), colourOf(SpanKind::Control)) << "tad";
    EXPECT_EQ(colourAt(box, 1, 13), colourOf(SpanKind::Pen)) << "biezums of the then branch";
    EXPECT_EQ(colourAt(box, 1, 21), colourOf(SpanKind::Number)) << "5";
    EXPECT_EQ(colourAt(box, 1, 23), colourOf(SpanKind::Control)) << "citadi";
    EXPECT_EQ(colourAt(box, 1, 30), colourOf(SpanKind::Pen)) << "biezums of the else branch";
    // "uz augsu" at the end has no blank: the run does not find it, so it stays plain.
    EXPECT_FALSE(colourAt(box, 1, 41).isValid());
}

TEST(KeywordColours, CallsAreFoundInsideOtherWords)
{
    WindowDesk d;
    d.w.setProgramText(QStringLiteral("procedura pa\r\nuz leju 5\r\nproceduras beigas\r\npapa"));
    QTest::qWait(1);
    EXPECT_EQ(colourAt(d.text(), 4, 0), colourOf(SpanKind::Call));
    EXPECT_EQ(colourAt(d.text(), 2, 0), colourOf(SpanKind::Movement));
}

TEST(Proposals, AreMarkedShownAndPutInPlaceAsOneUndoStep)
{
    WindowDesk d;
    d.w.setProgramText(
        QStringLiteral("atkartot 4\r\nuz priekšu 50\r\nlenkis pa labi 90\r\nbeigas"));
    QTest::qWait(1);
    HintPresenter& hints = d.w.hints();
    EXPECT_EQ(hints.gutter()->hintedLines(), QSet<int> { 2 });

    QTextCursor cursor(d.text().document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 5);
    d.text().setTextCursor(cursor);
    ASSERT_TRUE(hints.hintView()->isVisible());
    EXPECT_TRUE(hints.hintView()->text().contains(QStringLiteral("<a href")));
    EXPECT_TRUE(hints.hintView()->text().contains(QStringLiteral("uz prieksu 50")));

    ASSERT_TRUE(hints.applyProposal());
    EXPECT_EQ(d.text().document()->findBlockByNumber(1).text(), QStringLiteral("uz prieksu 50"));
    EXPECT_TRUE(hints.gutter()->hintedLines().isEmpty()) << "hints follow the edit at once";
    EXPECT_FALSE(hints.hintView()->isVisible());

    d.text().undo();
    EXPECT_EQ(d.text().document()->findBlockByNumber(1).text(), QStringLiteral("uz priekšu 50"));
    EXPECT_EQ(d.text().document()->findBlockByNumber(0).text(), QStringLiteral("atkartot 4"));
    EXPECT_EQ(hints.gutter()->hintedLines(), QSet<int> { 2 });
}

TEST(Proposals, ControlPeriodAppliesTheProposalOfTheCursorLine)
{
    WindowDesk d;
    d.clickText();
    d.w.setProgramText(QStringLiteral("Zieds 5,100,100"));
    d.text().setFocus();
    QTest::keyClick(&d.text(), Qt::Key_Period, Qt::ControlModifier);
    EXPECT_EQ(d.text().toPlainText(), QStringLiteral("zieds 5,100,100"));
}

TEST(Proposals, TypingAMistakeMarksTheLineAtOnce)
{
    WindowDesk d;
    d.clickText();
    d.type(QStringLiteral("uz prieksu 10\nuz prieksu50"));
    EXPECT_EQ(d.w.hints().gutter()->hintedLines(), QSet<int> { 2 });
    QTest::keyClick(&d.text(), Qt::Key_Backspace);
    QTest::keyClick(&d.text(), Qt::Key_Backspace);
    d.type(QStringLiteral(" 50"));
    EXPECT_TRUE(d.w.hints().gutter()->hintedLines().isEmpty());
}

TEST(RunError, LineIsMarkedAndItsMessageStaysUntilTheLineIsEdited)
{
    WindowDesk d;
    d.w.setProgramText(QStringLiteral("uz augsu 1\r\nnakosais\r\nuz augsu 2"));
    ASSERT_TRUE(d.runToEnd());
    d.takeMessages();
    HintPresenter& hints = d.w.hints();
    EXPECT_EQ(hints.gutter()->errorLine(), 2);
    ASSERT_FALSE(hints.errorNote()->isHidden());
    EXPECT_TRUE(hints.errorNote()->text().startsWith(QStringLiteral("Kļūda 2. rindā")));
    EXPECT_LE(hints.errorNote()->geometry().top(), d.text().viewport()->geometry().bottom() + 1);
    EXPECT_GE(hints.errorNote()->geometry().top(), d.text().viewport()->geometry().bottom());

    // A line added above moves the mark with its line; an edit elsewhere keeps it.
    QTextCursor cursor(d.text().document());
    cursor.insertText(QStringLiteral("atrums 0\n"));
    EXPECT_EQ(hints.gutter()->errorLine(), 3);
    cursor.insertText(QStringLiteral("x"));
    EXPECT_EQ(hints.gutter()->errorLine(), 3);
    EXPECT_FALSE(hints.errorNote()->isHidden());

    QTextCursor onError(d.text().document()->findBlockByNumber(2));
    onError.insertText(QStringLiteral("no a=1 lidz 2\n"));
    EXPECT_EQ(hints.gutter()->errorLine(), 0);
    EXPECT_TRUE(hints.errorNote()->isHidden());
}

} // namespace
