#pragma once

#include <QList>
#include <QObject>

class QKeyEvent;
class QWidget;

namespace zimo
{

/// Lets the window see key events before the focused control, as the keyboard modes ask.
///
/// Watches the key events of one window's widgets. While a run goes on, Esc stops it,
/// whatever has the focus. In page mode the steering keys (Space, the arrows, the keypad
/// digits) are taken from the focused control and reported with their Windows virtual key
/// codes; the releases that auto-repeat generates are swallowed, so a held key reports one
/// release. In text mode every key goes to the focused control only.
class KeyRouter : public QObject
{
    Q_OBJECT
public:
    explicit KeyRouter(QWidget* window);

    void setPageMode(bool pageMode) { m_pageMode = pageMode; }
    void setRunning(bool running) { m_running = running; }
    /// Keys aimed at area or a control inside it always reach that control: the toolbar and
    /// the pickers, which the keyboard works through with arrows and Space.
    void letThrough(QWidget* area) { m_areas.append(area); }

    /// The virtual key code of a steering key (32, 37-40, 97-105), 0 for any other key.
    static int virtualKey(const QKeyEvent& event);

signals:
    void stopRequested();
    void pageKeyDown(int vk);
    void pageKeyUp(int vk);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(QObject* watched) const;
    bool inLetThroughArea(QObject* watched) const;

    QWidget* m_window;
    bool m_pageMode = true;
    bool m_running = false;
    QList<QWidget*> m_areas;
};

} // namespace zimo
