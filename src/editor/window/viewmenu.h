#pragma once

#include "editor/page/overlays/gridoverlay.h"
#include "editor/page/overlays/protractor.h"

#include <QObject>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace zimo
{

class EditorActions;
class FullScreen;
class PageView;
class Ruler;
class WindowScaler;

/// The view's aids in the menu "Skats": the grid (Ctrl+G), the protractor and the ruler
/// over the page, the whole page again after zooming, the scale that fits the screen
/// (Ctrl+0), full screen (F11) and the high-contrast theme.
///
/// Owns the grid and the protractor; the ruler lives on the page. The grid, the protractor,
/// the ruler and the theme are remembered for the user from one start to the next.
class ViewMenu : public QObject
{
    Q_OBJECT
public:
    struct Parts {
        QMainWindow& window;
        QMenu& menu;
        PageView& page;
        /// Where the ruler's lines are appended to the program.
        EditorActions& actions;
        WindowScaler& scaler;
    };

    explicit ViewMenu(Parts parts);

    QAction* rezgis() const { return m_grid; }
    QAction* transportieris() const { return m_protractor; }
    QAction* lineals() const { return m_ruler; }
    QAction* visaLapa() const { return m_wholePage; }
    QAction* merogsEkranam() const { return m_screenScale; }
    QAction* pilnekrans() const { return m_fullScreen; }
    QAction* kontrastains() const { return m_contrast; }

    const GridOverlay& grid() const { return m_gridOverlay; }
    const Protractor& protractorOverlay() const { return m_protractorOverlay; }
    Ruler& ruler() const { return *m_rulerOverlay; }
    FullScreen& fullScreen() const { return *m_fullScreenSwitch; }

private:
    /// A checkable item whose state the user's settings keep under key.
    QAction* addSetting(const QString& text, const char* name, const std::function<void(bool)>& set);
    void addScreenItems();
    void limitScaleSteps();

    Parts m_parts;
    GridOverlay m_gridOverlay;
    Protractor m_protractorOverlay;
    Ruler* m_rulerOverlay;
    FullScreen* m_fullScreenSwitch;
    QAction* m_grid = nullptr;
    QAction* m_protractor = nullptr;
    QAction* m_ruler = nullptr;
    QAction* m_wholePage = nullptr;
    QAction* m_screenScale = nullptr;
    QAction* m_fullScreen = nullptr;
    QAction* m_contrast = nullptr;
};

} // namespace zimo
