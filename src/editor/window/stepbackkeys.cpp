#include "stepbackkeys.h"

#include "editoractions.h"
#include "keyrouter.h"

#include <QKeyEvent>
#include <QWidget>

namespace zimo
{

StepBackKeys::StepBackKeys(QWidget& page, EditorActions& actions, KeyRouter& keys)
    : QObject(&page)
    , m_actions(actions)
    , m_keys(keys)
{
    page.installEventFilter(this);
}

bool StepBackKeys::isUndo(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Z
        && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

bool StepBackKeys::isBackspace(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Backspace && (key.modifiers() & ~Qt::KeypadModifier) == 0;
}

bool StepBackKeys::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (isBackspace(*key) || isUndo(*key))
        m_keys.releaseWaiting();
    // Ctrl+Z belongs to the step only while there is one; the menu's undo gets it otherwise.
    const bool ours = isBackspace(*key) || (isUndo(*key) && m_actions.canTakeBackStep());
    if (!ours)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Accepted, the key comes to the page as a key press rather than as a shortcut.
        event->accept();
        return true;
    }
    m_actions.takeBackStep();
    return true;
}

} // namespace zimo
