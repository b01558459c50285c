#pragma once

class QAbstractButton;
class QKeyEvent;

namespace zimo
{

/// The keys every picker panel shares: Enter presses the focused button of the panel, or
/// ok when the keyboard is on another control; Esc presses cancel. True when the key was
/// one of them. ok may be null for a panel that has no "Labi".
bool pickerKey(const QKeyEvent& event, QAbstractButton* ok, QAbstractButton* cancel);

/// The index moved by an arrow key through a grid of count boxes in columns columns (Left
/// and Right along a row, Up and Down along a column), staying inside the grid; -1 when the
/// key is no arrow.
int arrowStep(const QKeyEvent& event, int index, int count, int columns);

} // namespace zimo
