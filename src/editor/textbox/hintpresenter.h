#pragma once

#include "hints/hints.h"

#include <QObject>
#include <QTextCursor>
#include <QTimer>

class QWidget;

namespace zimo
{

class HintView;
class KeywordHighlighter;
class LineNumberGutter;
class ProgramTextBox;
class RunErrorNote;

/// Keeps the program text box teaching: works out the hints as the text changes (one
/// line at a time while a line is typed), marks hinted lines in the gutter, shows the hints
/// of the cursor's line in the help area, puts a proposal in place as one undo step, and
/// keeps the line and message of a run that stopped with an error until that line is
/// edited.
///
/// Owns the analysis and the gutter, the colouring and the two notes it adds to the box.
class HintPresenter : public QObject
{
public:
    HintPresenter(ProgramTextBox* box, QWidget* helpArea);

    /// Puts the first proposal of the cursor's line in place; false when there is none or
    /// the text cannot be edited now.
    bool applyProposal();
    /// Marks the line a run stopped at and keeps its message beside the program.
    void showRunError(int line, const QString& message);
    void clearRunError();

    const HintTracker& tracker() const { return m_tracker; }
    LineNumberGutter* gutter() const { return m_gutter; }
    HintView* hintView() const { return m_view; }
    RunErrorNote* errorNote() const { return m_note; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void textChanged(int position, int removed, int added);
    void cursorMoved();
    void analyseAll();
    void showMarks();
    void showCursorHints();
    int cursorLine() const;

    ProgramTextBox* m_box;
    LineNumberGutter* m_gutter;
    KeywordHighlighter* m_highlighter;
    HintView* m_view;
    RunErrorNote* m_note;
    HintTracker m_tracker;
    /// Stands at the start of the line a run stopped at and moves with the edits.
    QTextCursor m_errorAt;
    bool m_hasError = false;
    /// While a line is being typed the help row explains it; its hints wait for a pause.
    bool m_editedSinceMove = false;
    QTimer m_pause;
};

} // namespace zimo
