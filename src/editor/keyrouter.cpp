#include "keyrouter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zimo
{

KeyRouter::KeyRouter(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    // A filter on the application sees a key before the widget it is sent to, which is
    // the only way to come first whatever widget has the focus.
    qApp->installEventFilter(this);
}

int KeyRouter::virtualKey(const QKeyEvent& event)
{
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    const int key = event.key();
    if (key == Qt::Key_Space)
        return 32;
    if (key >= Qt::Key_Left && key <= Qt::Key_Down)
        return 37 + (key - Qt::Key_Left);
    if (keypad && key >= Qt::Key_1 && key <= Qt::Key_9)
        return 97 + (key - Qt::Key_1);
    return 0;
}

bool KeyRouter::belongsToWindow(QObject* watched) const
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == m_window;
}

bool KeyRouter::inLetThroughArea(QObject* watched) const
{
    const auto* widget = static_cast<QWidget*>(watched);
    for (const QWidget* area : m_areas)
        if (area == widget || area->isAncestorOf(widget))
            return true;
    return false;
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !belongsToWindow(watched))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (m_running && key->key() == Qt::Key_Escape) {
        if (type == QEvent::KeyPress)
            emit stopRequested();
        return true;
    }
    const int vk = virtualKey(*key);
    if (!m_pageMode || vk == 0 || inLetThroughArea(watched))
        return false;
    // A run owns the turtle: steering keys are taken from the controls but do nothing.
    if (!m_running) {
        if (type == QEvent::KeyPress)
            emit pageKeyDown(vk);
        else if (!key->isAutoRepeat())
            emit pageKeyUp(vk);
    }
    return true;
}

} // namespace zimo
