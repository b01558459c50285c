#pragma once

#include <QList>
#include <QObject>

class QTextDocument;

namespace zimo
{

/// The stop marks of the program text: lines a run pauses before.
///
/// Each mark is held by its line's text block, so it moves with the line as the text above
/// is edited and goes when the line is deleted or the whole text replaced. The marks belong
/// to the window only: they are never part of the program text or its files. Whatever paints them
/// (the text box, a line-number gutter) asks isMarked() and repaints on changed().
class StopMarks : public QObject
{
    Q_OBJECT
public:
    explicit StopMarks(QTextDocument& document, QObject* parent = nullptr);

    /// Sets the mark of line (1 = first) when it has none, removes it otherwise.
    void toggle(int line);
    bool isMarked(int line) const;
    /// The marked lines, ascending.
    QList<int> lines() const;
    void clear();

signals:
    /// A mark was set or removed, or marked lines moved.
    void changed();

private:
    /// Finds the marked lines again; true when they differ from before.
    bool refresh();

    QTextDocument& m_document;
    QList<int> m_lines;
};

} // namespace zimo
