#include "windowscaler.h"

#include "clientarea.h"
#include "mainmenus.h"
#include "windowscale.h"

#include "editor/help/helplauncher.h"
#include "files/twips.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

namespace zimo
{

WindowScaler::WindowScaler(Parts parts)
    : m_parts(parts)
{
}

int WindowScaler::scale() const { return scalePercent(); }

QSize WindowScaler::sizeAtFullScale() const
{
    const int percent = scalePercent();
    const QSize now
        = m_parts.client.minimumSize() + QSize(0, m_parts.window.menuBar()->sizeHint().height());
    return QSize(now.width() * 100 / percent, now.height() * 100 / percent);
}

void WindowScaler::setScale(int percent, bool chosenByUser)
{
    if (chosenByUser)
        rememberScale(percent);
    if (QAction* step = m_parts.menus.scaleStep(percent))
        step->setChecked(true);
    if (percent == scalePercent())
        return;
    setScalePercent(percent);
    layOut();
    // A window the user has not made larger goes to the new layout's size.
    QMainWindow& window = m_parts.window;
    if (!window.isMaximized() && !window.isFullScreen()) {
        window.adjustSize();
        window.resize(window.minimumSizeHint());
    }
}

void WindowScaler::useStartScale()
{
    const QScreen* screen = m_parts.window.screen();
    int percent = rememberedScale();
    if (percent == 0 && screen)
        percent = fittingScale(screen->availableGeometry().size(), sizeAtFullScale());
    setScale(percent == 0 ? 100 : percent);
    centreOnScreen();
}

void WindowScaler::layOut()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(ptPixels(8.25));
    m_parts.window.setFont(font);
    m_parts.client.layOut();
    m_parts.help.setScale(scalePercent() / 100.0);
}

void WindowScaler::centreOnScreen()
{
    QMainWindow& window = m_parts.window;
    window.adjustSize();
    if (const QScreen* screen = window.screen()) {
        QRect bounds = window.frameGeometry();
        bounds.moveCenter(screen->availableGeometry().center());
        window.move(bounds.topLeft());
    }
}

} // namespace zimo
