#include "modeswitch.h"

#include "keyrouter.h"

#include "editor/common/outlinerect.h"
#include "editor/page/pageview.h"
#include "editor/textbox/programtextbox.h"

#include <QFocusEvent>

namespace zimo
{

ModeSwitch::ModeSwitch(Parts parts, QObject* parent)
    : QObject(parent)
    , m_parts(parts)
{
    connect(&parts.page, &PageView::lapa_Click, this, &ModeSwitch::lapa_Click);
    connect(&parts.text, &ProgramTextBox::ieraksti_Click, this, &ModeSwitch::ieraksti_Click);
    parts.page.installEventFilter(this);
    parts.text.installEventFilter(this);
}

void ModeSwitch::setRunning(bool running)
{
    m_running = running;
    applyTextLock();
}

void ModeSwitch::lapa_Click()
{
    m_pageMode = true;
    m_editableAtStart = false;
    applyTextLock();
    m_parts.keys.setPageMode(true);
    m_parts.pageFrame.show();
    m_parts.textFrame.hide();
}

void ModeSwitch::ieraksti_Click()
{
    m_pageMode = false;
    applyTextLock();
    m_parts.keys.setPageMode(false);
    m_parts.pageFrame.hide();
    m_parts.textFrame.show();
}

void ModeSwitch::applyTextLock()
{
    m_parts.text.setReadOnly(m_running || (m_pageMode && !m_editableAtStart));
}

bool ModeSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            if (watched == &m_parts.page && !m_pageMode)
                lapa_Click();
            else if (watched == &m_parts.text && m_pageMode)
                ieraksti_Click();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zimo
