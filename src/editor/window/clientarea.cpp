#include "clientarea.h"

#include "statusrow.h"
#include "toolbar.h"

#include "editor/common/outlinerect.h"
#include "editor/common/picturebox.h"
#include "editor/common/qtcolour.h"
#include "editor/common/windowmessages.h"
#include "editor/page/pageview.h"
#include "editor/pickers/colourpanel.h"
#include "editor/pickers/stylepanel.h"
#include "editor/pickers/thicknesspanel.h"
#include "editor/tasks/taskpanel.h"
#include "editor/textbox/helparea.h"
#include "editor/textbox/hintannouncer.h"
#include "editor/textbox/hintpresenter.h"
#include "editor/textbox/programtextbox.h"
#include "files/twips.h"

#include <algorithm>

namespace zimo
{

namespace
{

// The client area at 100 %, in twips.
constexpr int ClientWidth = 15240;
constexpr int ClientHeight = 10575;
// The mode frames: their band, and how far it reaches beyond the control it frames.
const QColor ModeFrameColour(128, 128, 255);
constexpr int ModeFrameWidth = 6;
constexpr int ModeFrameOutside = 4;

} // namespace

ClientArea::ClientArea(QWidget* parent)
    : QWidget(parent)
    , m_page(new PageView(this))
    , m_text(new ProgramTextBox(QRect(), this))
    , m_pageFrame(
          new OutlineRect(QStringLiteral("lapa_rect"), ModeFrameColour, ModeFrameWidth, this))
    , m_textFrame(
          new OutlineRect(QStringLiteral("ieraksti_rect"), ModeFrameColour, ModeFrameWidth, this))
    , m_toolbar(new Toolbar(this))
    , m_help(new HelpArea(this))
    , m_hints(new HintPresenter(m_text, m_help))
    , m_status(new StatusRow(this))
    , m_colourPanel(new ColourPanel(this))
    , m_thicknessPanel(new ThicknessPanel(this))
    , m_stylePanel(new StylePanel(this))
    , m_taskPanel(new TaskPanel(this))
{
    setObjectName(QStringLiteral("client"));
    m_textFrame->hide();
    m_taskPanel->hide();
    // A longer result or a larger font needs more of the column.
    connect(m_taskPanel, &TaskPanel::textsChanged, this, [this] {
        if (!m_taskPanel->isHidden())
            placeTextBox();
    });
    for (QWidget* panel : pickerPanels())
        panel->raise();
    m_page->setAccessibleName(windowmsg::pageName());
    m_text->setAccessibleName(windowmsg::textBoxName());
    new HintAnnouncer(*m_text, m_hints->tracker());
}

std::array<QWidget*, 3> ClientArea::pickerPanels() const
{
    return { m_colourPanel, m_thicknessPanel, m_stylePanel };
}

void ClientArea::layOut()
{
    setMinimumSize(tw(ClientWidth), tw(ClientHeight));
    m_toolbar->layOut();
    m_help->layOut();
    m_status->layOut();
    m_colourPanel->layOut();
    m_thicknessPanel->layOut();
    m_stylePanel->layOut();
    m_text->applyScale();
    m_page->layOut(QPoint(tw(0), tw(720)));
    // The mode frames cover the controls' borders and reach beyond them, so they never hide
    // a pixel of the drawing or of the text.
    m_pageFrame->setBandWidth(scaled(ModeFrameWidth));
    m_pageFrame->setBounds(m_page->geometry(), scaled(ModeFrameOutside));
    m_textFrame->setBandWidth(scaled(ModeFrameWidth));
    placeTextBox();
}

void ClientArea::showPageFrame()
{
    const PageFrame& frame = m_page->frame();
    m_page->update();
    m_status->showTurtle(frame.displayAngle, frame.x, frame.y);
    m_toolbar->krasa()->setColour(toQColor(frame.lineColour));
}

void ClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeTextBox();
}

void ClientArea::showTaskPanel(bool shown)
{
    m_taskPanel->setVisible(shown);
    placeTextBox();
}

void ClientArea::placeTextBox()
{
    const QSize extra = (size() - minimumSize()).expandedTo(QSize(0, 0));
    QRect column = twRect(12000, 720, 3255, 9375).adjusted(0, 0, extra.width(), extra.height());
    // The task panel takes what its texts need, at most three fifths of the column: a
    // task's program is short, and the instruction is what the child reads first.
    if (!m_taskPanel->isHidden()) {
        const int needed = m_taskPanel->heightForWidth(column.width());
        const int height = std::min(
            needed > 0 ? needed : m_taskPanel->sizeHint().height(), column.height() * 3 / 5);
        m_taskPanel->setGeometry(column.x(), column.y(), column.width(), height);
        column.setTop(column.top() + height + scaled(ModeFrameWidth + 2 * ModeFrameOutside));
    }
    m_text->setGeometry(column);
    m_textFrame->setBounds(m_text->geometry(), scaled(ModeFrameOutside));
}

} // namespace zimo
