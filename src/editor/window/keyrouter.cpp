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
    m_releaseWait.setSingleShot(true);
    m_releaseWait.setInterval(ReleaseWaitMs);
    connect(&m_releaseWait, &QTimer::timeout, this, &KeyRouter::releaseWaiting);
}

void KeyRouter::setPageMode(bool pageMode)
{
    releaseWaiting();
    m_pageMode = pageMode;
}

void KeyRouter::setRunning(bool running)
{
    releaseWaiting();
    m_running = running;
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

bool KeyRouter::isPropagating(const QKeyEvent& event, QWidget* receiver)
{
    // Propagation hands the very same event to a parent of the last receiver. A new event
    // may have the same address, but then it starts anew at its own receiver.
    const KeySeen seen { &event, event.type(), event.key(), event.timestamp(), receiver };
    const bool again = m_lastSeen.event == seen.event && m_lastSeen.type == seen.type
        && m_lastSeen.key == seen.key && m_lastSeen.time == seen.time && m_lastSeen.receiver
        && receiver != m_lastSeen.receiver && receiver->isAncestorOf(m_lastSeen.receiver);
    m_lastSeen = seen;
    return again;
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
    if (isPropagating(*key, static_cast<QWidget*>(watched)))
        return false;
    if (key->key() == Qt::Key_Escape) {
        if (type == QEvent::KeyPress && m_running)
            emit stopRequested();
        else if (type == QEvent::KeyPress && !key->isAutoRepeat())
            emit escapePressed();
        return m_running;
    }
    const int vk = virtualKey(*key);
    if (!m_pageMode || vk == 0 || inLetThroughArea(watched))
        return false;
    // A run owns the turtle: steering keys are taken from the controls but do nothing.
    if (!m_running)
        steer(*key, vk);
    return true;
}

void KeyRouter::steer(const QKeyEvent& key, int vk)
{
    if (key.type() == QEvent::KeyPress) {
        // X auto-repeat sends a release and a press with one time stamp; Qt marks them only
        // when the press is already queued as the release is read.
        if (vk == m_waitingKey && key.timestamp() == m_waitingTime) {
            m_releaseWait.stop();
            m_waitingKey = 0;
        } else {
            releaseWaiting();
        }
        emit pageKeyDown(vk);
        return;
    }
    if (key.isAutoRepeat())
        return;
    releaseWaiting();
    // Without a time stamp (a synthesised event) no press can be matched to the release.
    if (key.timestamp() == 0) {
        emit pageKeyUp(vk);
        return;
    }
    m_waitingKey = vk;
    m_waitingTime = key.timestamp();
    m_releaseWait.start();
}

void KeyRouter::releaseWaiting()
{
    m_releaseWait.stop();
    const int vk = m_waitingKey;
    m_waitingKey = 0;
    if (vk != 0)
        emit pageKeyUp(vk);
}

} // namespace zimo
