#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace zimo
{

class ProgramTextBox;

/// The menu "Labot": steps back and forth through the program text's undo history.
///
/// Owns the two actions "Atsaukt" (Ctrl+Z) and "Atcelt atsaukšanu" (Ctrl+Y, Ctrl+Shift+Z),
/// which work in page mode and text mode alike, read-only box or not, and are greyed when
/// there is nothing to take back or to do again, and for the whole of a run. Only the text
/// goes back: the drawing and the turtle stay as they are.
class ProgramHistory : public QObject
{
    Q_OBJECT
public:
    /// Adds the menu "Labot" to the menu bar that holds after, right after it.
    ProgramHistory(ProgramTextBox& text, QMenu* after, QWidget* window);

    QMenu* labot() const { return m_menu; }
    QAction* atsaukt() const { return m_undo; }
    QAction* atceltAtsauksanu() const { return m_redo; }

    void setRunning(bool running);

public slots:
    void undo();
    void redo();

signals:
    /// The text changed by an undo or a redo.
    void stepped();

private:
    void updateActions();

    ProgramTextBox& m_text;
    QMenu* m_menu;
    QAction* m_undo;
    QAction* m_redo;
    bool m_running = false;
};

} // namespace zimo
