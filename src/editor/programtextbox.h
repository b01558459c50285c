#pragma once

#include <QPlainTextEdit>

namespace zimo
{

/// The program text box ieraksti: one command per line, both scroll bars, no wrapping.
///
/// Reports every character typed into it (before the box takes it, as the help needs) and
/// every click. Holds no program state of its own besides its text; the highlight of the
/// line a run executes is a decoration that never touches the text or the caret.
class ProgramTextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    ProgramTextBox(QRect geometry, QWidget* parent);

    /// The text with its lines joined by CR LF.
    QString programText() const;
    /// Shows text whose lines are joined by CR LF (a lone CR or LF ends a line too).
    void setProgramText(const QString& text);

    /// Highlights line (1 = first) as the one being run, scrolling it into view; 0 clears.
    void setRunLine(int line);
    int runLine() const { return m_runLine; }
    /// Shows lines (1 = first) as stop marks, until a line-number gutter paints them.
    void setMarkedLines(const QList<int>& lines);
    /// Selects the whole of line (1 = first) and scrolls to it; false when there is no such line.
    bool selectLine(int line);

signals:
    /// A character key reached the box: Enter as "\r", Backspace as "\b".
    void ieraksti_KeyPress(const QString& character);
    void ieraksti_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void scrollToLine(int line);
    void showDecorations();

    int m_runLine = 0;
    QList<int> m_markedLines;
};

} // namespace zimo
