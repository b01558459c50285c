#pragma once

#include <QObject>

class QWidget;

namespace zimo
{

/// Esc and Ctrl+W close every window the main window opens: the help window and the
/// dialogs. A dialog's own Esc (its "Atcelt") is left to it; the main window is never
/// closed by them.
class CloseKeys : public QObject
{
public:
    explicit CloseKeys(QWidget& mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_main;
};

} // namespace zimo
