#include "closekeys.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QWidget>

namespace zimo
{

CloseKeys::CloseKeys(QWidget& mainWindow)
    : QObject(&mainWindow)
    , m_main(mainWindow)
{
    // Seen before the focused control of any window, as no widget of its own could be.
    qApp->installEventFilter(this);
}

bool CloseKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (window == &m_main || !window->isVisible() || window->parentWidget() == nullptr
        || window->parentWidget()->window() != &m_main)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool ctrlW = key->key() == Qt::Key_W && mods == Qt::ControlModifier;
    const bool esc = key->key() == Qt::Key_Escape && mods == Qt::NoModifier;
    // A dialog's Esc is its cancel button, which may do more than close.
    if (ctrlW || (esc && !qobject_cast<QDialog*>(window))) {
        window->close();
        return true;
    }
    return false;
}

} // namespace zimo
