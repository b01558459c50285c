#pragma once

#include <QObject>

class QMainWindow;

namespace zimo
{

class WindowScaler;

/// Full screen for a projector: the window covers the screen, laid out at the largest scale
/// whose layout fits the whole screen, so the page, the program, the help row and the
/// status row all grow; leaving puts the window back as it was, at its scale.
class FullScreen : public QObject
{
    Q_OBJECT
public:
    FullScreen(QMainWindow& window, WindowScaler& scaler);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    void toggle() { setOn(!m_on); }

    /// The scale, in per cent, at which a window of fullSize pixels at 100 % fills a screen
    /// of screen pixels: the largest multiple of 5 that fits, 50 at least.
    static int fillingScale(QSize screen, QSize fullSize);

signals:
    void switched(bool on);

private:
    QMainWindow& m_window;
    WindowScaler& m_scaler;
    bool m_on = false;
    int m_scaleBefore = 100;
    bool m_maximizedBefore = false;
};

} // namespace zimo
