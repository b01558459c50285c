// Form1's layout at every scale and size, and the names a screen reader reads.

#include "form1.h"

#include "statusrow.h"
#include "toolbar.h"
#include "windowscale.h"

#include "editor/common/outlinerect.h"
#include "editor/common/windowmessages.h"
#include "editor/help/helplauncher.h"
#include "editor/page/pageview.h"
#include "editor/pickers/colourpanel.h"
#include "editor/pickers/stylepanel.h"
#include "editor/pickers/thicknesspanel.h"
#include "editor/textbox/helparea.h"
#include "editor/textbox/programtextbox.h"
#include "files/twips.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMenuBar>
#include <QScreen>

namespace zimo
{

namespace
{

// The client area and the controls at the edges that the extra room goes to, in twips.
constexpr int ClientWidth = 15240;
constexpr int ClientHeight = 10575;
constexpr int ModeFrameWidth = 6;
constexpr int ModeFrameOutside = 4;

} // namespace

int Form1::scale() const { return scalePercent(); }

QSize Form1::sizeAtFullScale() const
{
    const int percent = scalePercent();
    const QSize now(tw(ClientWidth), tw(ClientHeight) + menuBar()->sizeHint().height());
    return QSize(now.width() * 100 / percent, now.height() * 100 / percent);
}

void Form1::setScale(int percent, bool chosenByUser)
{
    if (chosenByUser)
        rememberScale(percent);
    if (QAction* step = scaleAction(percent))
        step->setChecked(true);
    if (percent == scalePercent())
        return;
    setScalePercent(percent);
    layOut();
    // A window the user has not made larger goes to the new layout's size.
    if (!isMaximized() && !isFullScreen()) {
        adjustSize();
        resize(minimumSizeHint());
    }
}

void Form1::useStartScale()
{
    int percent = rememberedScale();
    if (percent == 0 && screen())
        percent = fittingScale(screen()->availableGeometry().size(), sizeAtFullScale());
    setScale(percent == 0 ? 100 : percent);
    centreOnScreen();
}

void Form1::layOut()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(ptPixels(8.25));
    setFont(font);
    m_client->setMinimumSize(tw(ClientWidth), tw(ClientHeight));
    m_toolbar->layOut();
    m_help->layOut();
    m_status->layOut();
    m_colourPanel->layOut();
    m_thicknessPanel->layOut();
    m_stylePanel->layOut();
    m_text->applyScale();
    if (m_helpLauncher)
        m_helpLauncher->setScale(scalePercent() / 100.0);
    m_page->layOut(QPoint(tw(0), tw(720)));
    // The mode frames cover the controls' borders and reach beyond them, so they never hide
    // a pixel of the drawing or of the text.
    m_pageFrame->setBandWidth(scaled(ModeFrameWidth));
    m_pageFrame->setBounds(m_page->geometry(), scaled(ModeFrameOutside));
    m_textFrame->setBandWidth(scaled(ModeFrameWidth));
    placeTextBox();
}

// The page keeps its size and place; the text box takes whatever the window has beyond
// the layout, to its right and below.
void Form1::placeTextBox()
{
    const QSize extra = (m_client->size() - m_client->minimumSize()).expandedTo(QSize(0, 0));
    m_text->setGeometry(
        twRect(12000, 720, 3255, 9375).adjusted(0, 0, extra.width(), extra.height()));
    m_textFrame->setBounds(m_text->geometry(), scaled(ModeFrameOutside));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        placeTextBox();
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Tab to the page or the text box switches the mode as a click on it does.
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            if (watched == m_page && !m_pageMode)
                lapa_Click();
            else if (watched == m_text && m_pageMode)
                ieraksti_Click();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::nameControls()
{
    m_page->setAccessibleName(windowmsg::pageName());
    m_text->setAccessibleName(windowmsg::textBoxName());
    m_page->installEventFilter(this);
    m_text->installEventFilter(this);
}

} // namespace zimo
