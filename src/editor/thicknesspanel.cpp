#include "thicknesspanel.h"

#include "lineview.h"
#include "twips.h"
#include "windowmessages.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace zimo
{

ThicknessPanel::ThicknessPanel(QWidget* parent)
    : QGroupBox(windowmsg::lineThickness(), parent)
{
    setObjectName(QStringLiteral("f_linija"));
    setGeometry(twRect(7920, 0, 2295, 1815));
    setAutoFillBackground(true);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("HScroll1"));
    m_scroll->setGeometry(twRect(120, 360, 1575, 255));
    m_scroll->setRange(1, LineView::MaxThickness);
    m_scroll->setValue(1);
    m_value = new QLabel(QStringLiteral("1"), this);
    m_value->setObjectName(QStringLiteral("lin_lab"));
    m_value->setGeometry(twRect(1680, 360, 495, 255));
    QFont bold = m_value->font();
    bold.setPixelSize(ptPixels(9.75));
    bold.setBold(true);
    m_value->setFont(bold);
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Shape1"));
    m_frame->setGeometry(twRect(120, 720, 2055, 495));
    m_frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_line = new LineView(QStringLiteral("view_line"), tw(240), tw(2040), tw(960), this);
    m_ok = new QPushButton(windowmsg::ok(), this);
    m_ok->setObjectName(QStringLiteral("lin_ok"));
    m_ok->setGeometry(twRect(120, 1320, 975, 375));
    m_cancel = new QPushButton(windowmsg::cancel(), this);
    m_cancel->setObjectName(QStringLiteral("lin_cancel"));
    m_cancel->setGeometry(twRect(1320, 1320, 855, 375));
    hide();
}

} // namespace zimo
