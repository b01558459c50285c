#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace zimo
{

class EditorActions;
class KeyRouter;

/// The keys that take back a steering step in page mode, while the page has the keyboard:
/// Backspace always, and Ctrl+Z while there is a step to take back (else Ctrl+Z stays the
/// menu's undo of the program text). A step whose key release still waits is recorded
/// first, so the step taken back is always the last one made.
class StepBackKeys : public QObject
{
public:
    StepBackKeys(QWidget& page, EditorActions& actions, KeyRouter& keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isUndo(const QKeyEvent& key);
    static bool isBackspace(const QKeyEvent& key);

    EditorActions& m_actions;
    KeyRouter& m_keys;
};

} // namespace zimo
