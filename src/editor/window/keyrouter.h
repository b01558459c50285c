#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QKeyEvent;
class QWidget;

namespace zimo
{

/// Lets the window see key events before the focused control, as the keyboard modes ask.
///
/// Watches the key events of one window's widgets. While a run goes on, Esc stops it,
/// whatever has the focus; otherwise Esc is reported once per press. In page mode the
/// steering keys (Space, the arrows, the keypad digits) are taken from the focused control
/// and reported with their Windows virtual key codes. A held key reports its presses and
/// one release: the releases that auto-repeat generates belong to the held key, also those
/// that the X server's release and press pairs slip past Qt's own auto-repeat check. In text
/// mode every key goes to the focused control only.
class KeyRouter : public QObject
{
    Q_OBJECT
public:
    /// How long a release of a steering key waits for an auto-repeat press of the same
    /// moment before it counts as the key being let go.
    static constexpr int ReleaseWaitMs = 30;

    explicit KeyRouter(QWidget* window);

    void setPageMode(bool pageMode);
    void setRunning(bool running);
    /// Keys aimed at area or a control inside it always reach that control: the toolbar and
    /// the pickers, which the keyboard works through with arrows and Space.
    void letThrough(QWidget* area) { m_areas.append(area); }

    /// The virtual key code of a steering key (32, 37-40, 97-105), 0 for any other key.
    static int virtualKey(const QKeyEvent& event);
    /// Reports the release that waits, if any: a step must be recorded before a run takes
    /// the turtle.
    void releaseWaiting();

signals:
    void stopRequested();
    /// Esc outside a run.
    void escapePressed();
    void pageKeyDown(int vk);
    void pageKeyUp(int vk);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(QObject* watched) const;
    bool isPropagating(const QKeyEvent& event, QWidget* receiver);
    void steer(const QKeyEvent& key, int vk);
    bool inLetThroughArea(QObject* watched) const;

    QWidget* m_window;
    bool m_pageMode = true;
    bool m_running = false;
    /// The last key event seen and its receiver: an event that its receiver ignores comes
    /// through the filter again on its way to the receiver's parents.
    struct KeySeen {
        const QEvent* event = nullptr;
        int type = 0;
        int key = 0;
        quint64 time = 0;
        QPointer<QWidget> receiver;
    };
    KeySeen m_lastSeen;
    /// A release with an X server time that may still turn out to be auto-repeat's.
    QTimer m_releaseWait;
    int m_waitingKey = 0;
    quint64 m_waitingTime = 0;
    QList<QWidget*> m_areas;
};

} // namespace zimo
