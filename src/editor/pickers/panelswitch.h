#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace zimo
{

/// Shows the picker panels one at a time and gives the keyboard back when they close.
///
/// Opening a panel closes any other; the widget that had the focus before the first of them
/// opened (the page in page mode, the text box in text mode, where the caret stays) gets it
/// back when the last one closes, whether by "Labi", "Atcelt" or Esc. Owns nothing but that
/// memory; the panels belong to the window.
class PanelSwitch : public QObject
{
public:
    PanelSwitch(std::vector<QWidget*> panels, QObject* parent);

    /// Shows panel above the window's other controls and hides the others.
    void open(QWidget* panel);
    /// Hides panel and gives the focus back.
    void close(QWidget* panel);
    /// Esc: closes the open panel, as its "Atcelt" does; false when none was open.
    bool cancel();

    QWidget* openPanel() const;

private:
    std::vector<QWidget*> m_panels;
    QPointer<QWidget> m_focusBefore;
};

} // namespace zimo
