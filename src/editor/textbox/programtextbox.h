#pragma once

#include <QPlainTextEdit>

#include <vector>

namespace zimo
{

/// What turns one text into another: removed characters from from on, inserted in their place.
struct TextChange {
    qsizetype from = 0;
    qsizetype removed = 0;
    QString inserted;
};
/// The smallest single replacement that turns before into after.
TextChange changeBetween(const QString& before, const QString& after);

/// The program text box ieraksti: one command per line, both scroll bars, no wrapping.
///
/// Reports every character typed into it (before the box takes it, as the help needs) and
/// every click. Every change of its text is an edit of one undo history, which the window's
/// menu steps through; the box's own undo keys are left to it. Holds no program state of its own
/// besides its text; the highlight of the line a run executes is a decoration that never touches
/// the text or the caret.
class ProgramTextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    ProgramTextBox(QRect geometry, QWidget* parent);

    /// Sizes the font for the window's current scale.
    void applyScale();

    /// The text with its lines joined by CR LF.
    QString programText() const;
    /// Shows text whose lines are joined by CR LF (a lone CR or LF ends a line too), as one
    /// edit that undo takes back; the undo history stays.
    void setProgramText(const QString& text);

    /// Scrolls the last line into view, for a line just appended; the caret stays where it
    /// stood (at the end when it stood there).
    void showLastLine();

    /// Highlights line (1 = first) as the one being run, scrolling it into view; 0 clears.
    void setRunLine(int line);
    int runLine() const { return m_runLine; }
    /// A line shown in the viewport: its number (1 = first), top and height in viewport pixels.
    struct VisibleLine {
        int line;
        int top;
        int height;
    };
    std::vector<VisibleLine> visibleLines() const;
    /// Room kept free left of the text and below it, for the line numbers and the notes.
    void setLeftMargin(int pixels);
    void setBottomMargin(int pixels);

    /// Shows lines (1 = first) with the soft background of a stop mark.
    void setMarkedLines(const QList<int>& lines);
    /// Selects the whole of line (1 = first) and scrolls to it; false when there is no such line.
    bool selectLine(int line);

signals:
    /// A character key reached the box: Enter as "\r", Backspace as "\b".
    void ieraksti_KeyPress(const QString& character);
    void ieraksti_Click();
    /// The box changed its size: whatever stands in its margins moves along.
    void resized();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void scrollToLine(int line);
    void showDecorations();

    int m_runLine = 0;
    int m_leftMargin = 0;
    int m_bottomMargin = 0;
    QList<int> m_markedLines;
};

} // namespace zimo
