#pragma once

#include <QSet>
#include <QWidget>

namespace zimo
{

class ProgramTextBox;

/// The line numbers beside the program text, in the text box's font, numbered as the run
/// and its messages number lines; it scrolls with the text.
///
/// Marks the lines that have a hint with a small dot and the line a run stopped at with a
/// red bar. Owns only those marks; the text box keeps the room for it free.
class LineNumberGutter : public QWidget
{
public:
    explicit LineNumberGutter(ProgramTextBox* box);

    void setHintedLines(const QSet<int>& lines);
    const QSet<int>& hintedLines() const { return m_hinted; }
    /// The line a run stopped at; 0 for none.
    void setErrorLine(int line);
    /// Lines where a run stops before it goes on (the stop marks).
    void setStopLines(const QList<int>& lines);
    int errorLine() const { return m_errorLine; }

    /// The width that holds the largest line number and the mark.
    int neededWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    /// The numbers take the text box's font, also when the window's scale changes it.
    void changeEvent(QEvent* event) override;

private:
    void fitWidth();
    void place();

    ProgramTextBox* m_box;
    QSet<int> m_hinted;
    QList<int> m_stopLines;
    int m_errorLine = 0;
};

} // namespace zimo
