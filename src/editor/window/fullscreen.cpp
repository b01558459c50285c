#include "fullscreen.h"

#include "windowscaler.h"

#include "files/twips.h"

#include <QMainWindow>
#include <QScreen>

#include <algorithm>

namespace zimo
{

FullScreen::FullScreen(QMainWindow& window, WindowScaler& scaler)
    : QObject(&window)
    , m_window(window)
    , m_scaler(scaler)
{
}

int FullScreen::fillingScale(QSize screen, QSize fullSize)
{
    if (fullSize.isEmpty())
        return 100;
    const int percent = std::min(screen.width() * 100 / fullSize.width(),
        screen.height() * 100 / fullSize.height());
    return std::max(50, percent / 5 * 5);
}

void FullScreen::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    if (on) {
        m_scaleBefore = scalePercent();
        m_maximizedBefore = m_window.isMaximized();
        const QScreen* screen = m_window.screen();
        const QSize room = screen ? screen->geometry().size() : m_window.size();
        const int percent = fillingScale(room, m_scaler.sizeAtFullScale());
        m_window.showFullScreen();
        m_scaler.setScale(percent);
    } else {
        if (m_maximizedBefore)
            m_window.showMaximized();
        else
            m_window.showNormal();
        m_scaler.setScale(m_scaleBefore);
    }
    emit switched(on);
}

} // namespace zimo
