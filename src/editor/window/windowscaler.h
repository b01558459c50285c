#pragma once

#include <QSize>

class QMainWindow;

namespace zimo
{

class ClientArea;
class HelpLauncher;
class MainMenus;

/// Lays the main window out at one of the scales of ScaleSteps: at start, the scale the
/// user chose last or the largest that fits the screen; later, each scale the user chooses.
///
/// The scale itself is the one every control follows when it lays itself out (twips.h);
/// this class changes it, has every part lay itself out again and sizes the window to it.
class WindowScaler
{
public:
    /// The window, and the parts that follow its scale.
    struct Parts {
        QMainWindow& window;
        ClientArea& client;
        MainMenus& menus;
        HelpLauncher& help;
    };

    explicit WindowScaler(Parts parts);

    /// The window's scale in per cent.
    int scale() const;
    /// Lays the whole window out at percent (one of ScaleSteps) and remembers it when the
    /// user chose it.
    void setScale(int percent, bool chosenByUser = false);
    /// At start: the scale the user chose last, else the largest that fits the screen.
    void useStartScale();
    /// The window's smallest size (client area and menu bar) at 100 %.
    QSize sizeAtFullScale() const;
    /// Places every part for the current scale.
    void layOut();
    void centreOnScreen();

private:
    Parts m_parts;
};

} // namespace zimo
