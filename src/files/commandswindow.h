#pragma once

#include <QWidget>

namespace zimo
{

/// The "Komandas" window: every command of the language with what is written after it,
/// an example and what it does. A window of its own that never blocks the main window;
/// closing it only hides it.
class CommandsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CommandsWindow(QWidget* parent);
};

} // namespace zimo
