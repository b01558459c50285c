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
/// A scale the user picks is held to the largest one that fits the screen, so the window
/// never outgrows it.
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
    /// At start: the scale the user chose last, else the largest that fits the screen; never
    /// larger than the screen takes.
    void useStartScale();
    /// The largest step whose window fits the available area of the window's screen (with
    /// a title bar); a choice of the user never goes beyond it.
    int largestFittingScale() const;
    /// Ctrl+0: the scale a start picks for this screen, and no remembered choice any more.
    void useScreenScale();
    /// The window's smallest size (client area and menu bar) at 100 %.
    QSize sizeAtFullScale() const;
    /// Places every part for the current scale.
    void layOut();
    void centreOnScreen();
    /// Moves the window back inside its screen's available area where it reaches out of it,
    /// so the page's bottom and the status row stay in sight.
    void keepOnScreen();

private:
    Parts m_parts;
};

} // namespace zimo
