#include "panelswitch.h"

#include <QApplication>
#include <QWidget>

namespace zimo
{

PanelSwitch::PanelSwitch(std::vector<QWidget*> panels, QObject* parent)
    : QObject(parent)
    , m_panels(std::move(panels))
{
}

QWidget* PanelSwitch::openPanel() const
{
    for (QWidget* panel : m_panels)
        if (panel->isVisible())
            return panel;
    return nullptr;
}

void PanelSwitch::open(QWidget* panel)
{
    // Moving from one panel to another keeps the focus of before the first.
    if (!openPanel())
        m_focusBefore = QApplication::focusWidget();
    for (QWidget* other : m_panels)
        if (other != panel)
            other->hide();
    panel->show();
    panel->raise();
}

void PanelSwitch::close(QWidget* panel)
{
    // The focus goes back before the panel hides: a hidden panel would pass it on to the next
    // control as Tab does, and Tab onto the page switches to page mode.
    const bool last = openPanel() == panel;
    if (last && m_focusBefore && m_focusBefore->isVisible())
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    panel->hide();
    if (last)
        m_focusBefore = nullptr;
}

bool PanelSwitch::cancel()
{
    QWidget* panel = openPanel();
    if (!panel)
        return false;
    close(panel);
    return true;
}

} // namespace zimo
