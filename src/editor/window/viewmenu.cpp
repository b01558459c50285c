#include "viewmenu.h"

#include "contrasttheme.h"
#include "editoractions.h"
#include "fullscreen.h"
#include "windowscale.h"
#include "windowscaler.h"

#include "editor/common/viewmessages.h"
#include "editor/page/overlays/ruler.h"
#include "editor/page/pageview.h"
#include "files/twips.h"
#include "platform/userdata.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace zimo
{

namespace
{

QString settingKey(const char* name) { return QStringLiteral("skats/") + QLatin1String(name); }

} // namespace

ViewMenu::ViewMenu(Parts parts)
    : QObject(&parts.window)
    , m_parts(parts)
    , m_rulerOverlay(new Ruler(parts.page))
    , m_fullScreenSwitch(new FullScreen(parts.window, parts.scaler))
{
    PageView& page = parts.page;
    page.addOverlay(&m_gridOverlay);
    page.addOverlay(&m_protractorOverlay);
    page.addOverlay(m_rulerOverlay);
    m_parts.menu.addSeparator();
    m_grid = addSetting(viewmsg::grid(), "rezgis", [this, &page](bool on) {
        m_gridOverlay.setOn(on);
        page.update();
    });
    m_grid->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_protractor = addSetting(viewmsg::protractor(), "transportieris", [this, &page](bool on) {
        m_protractorOverlay.setOn(on);
        page.update();
    });
    m_ruler = addSetting(viewmsg::ruler(), "lineals", [this](bool on) { m_rulerOverlay->setOn(on); });
    connect(m_rulerOverlay, &Ruler::insertWanted, &parts.actions, &EditorActions::insertLines);
    addScreenItems();
}

QAction* ViewMenu::addSetting(
    const QString& text, const char* name, const std::function<void(bool)>& set)
{
    QAction* action = m_parts.menu.addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    const QString key = settingKey(name);
    connect(action, &QAction::toggled, this, [set, key](bool on) {
        set(on);
        userSettings().setValue(key, on);
    });
    if (userSettings().value(key, false).toBool())
        action->setChecked(true);
    return action;
}

void ViewMenu::addScreenItems()
{
    QMenu& menu = m_parts.menu;
    menu.addSeparator();
    m_wholePage = menu.addAction(viewmsg::wholePage());
    m_wholePage->setObjectName(QStringLiteral("visa_lapa"));
    connect(m_wholePage, &QAction::triggered, &m_parts.page, &PageView::fitPage);
    m_screenScale = menu.addAction(viewmsg::fittingScale());
    m_screenScale->setObjectName(QStringLiteral("merogs_ekranam"));
    m_screenScale->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(m_screenScale, &QAction::triggered, this, [this] { m_parts.scaler.useScreenScale(); });
    m_fullScreen = menu.addAction(viewmsg::fullScreen());
    m_fullScreen->setObjectName(QStringLiteral("pilnekrans"));
    m_fullScreen->setCheckable(true);
    m_fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(m_fullScreen, &QAction::toggled, m_fullScreenSwitch, &FullScreen::setOn);
    connect(m_fullScreenSwitch, &FullScreen::switched, m_fullScreen, &QAction::setChecked);
    m_contrast = addSetting(viewmsg::highContrast(), "kontrastains",
        [this](bool on) { ContrastTheme::apply(m_parts.window, on); });
    if (QMenu* steps = menu.findChild<QMenu*>(QStringLiteral("merogs")))
        connect(steps, &QMenu::aboutToShow, this, &ViewMenu::limitScaleSteps);
}

// A step whose window would not fit the screen is shown, but cannot be chosen.
void ViewMenu::limitScaleSteps()
{
    const int largest = m_parts.scaler.largestFittingScale();
    for (int percent : ScaleSteps) {
        auto* step = m_parts.window.findChild<QAction*>(QStringLiteral("merogs%1").arg(percent));
        if (step)
            step->setEnabled(percent <= largest);
    }
}

} // namespace zimo
