#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace zimo
{

struct StateSnapshot;

/// The inspector "Stāvoklis": a small window beside the main one that shows a copy of the
/// run's state: the turtle, the speed, the variables, the open loops and the call state.
///
/// It only ever shows snapshots handed to it; it never reads the machine, so it can be open
/// while a run goes on. It does not block the main window.
class StateInspector : public QWidget
{
public:
    explicit StateInspector(QWidget* parent);

    /// Shows snapshot in place of what was shown.
    void showSnapshot(const StateSnapshot& snapshot);
    /// The value shown in the row named name of group group; empty when there is none.
    QString valueOf(const QString& group, const QString& name) const;

private:
    QTreeWidgetItem* group(const QString& title);
    void showTurtle(const StateSnapshot& s);
    void showTables(const StateSnapshot& s);

    QTreeWidget* m_tree;
};

/// A fixed-point value with up to four decimals and no trailing zeros: 2.5, -3, 0.0001.
QString fixedText(long long tenThousandths);

} // namespace zimo
