#include "thicknesspanel.h"

#include "lineview.h"
#include "pickerkeys.h"

#include "editor/common/windowmessages.h"
#include "files/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace zimo
{

ThicknessPanel::ThicknessPanel(QWidget* parent)
    : QGroupBox(windowmsg::lineThickness(), parent)
{
    setObjectName(QStringLiteral("f_linija"));
    setAutoFillBackground(true);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("HScroll1"));
    m_scroll->setAccessibleName(windowmsg::lineThickness());
    m_scroll->setFocusPolicy(Qt::StrongFocus);
    m_scroll->installEventFilter(this);
    m_scroll->setRange(1, LineView::MaxThickness);
    m_scroll->setValue(1);
    m_value = new QLabel(QStringLiteral("1"), this);
    m_value->setObjectName(QStringLiteral("lin_lab"));
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Shape1"));
    m_frame->setAccessibleName(windowmsg::thicknessPreview());
    m_frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_line = new LineView(QStringLiteral("view_line"), this);
    m_line->setAccessibleName(windowmsg::thicknessPreview());
    m_ok = new QPushButton(windowmsg::ok(), this);
    m_ok->setObjectName(QStringLiteral("lin_ok"));
    m_cancel = new QPushButton(windowmsg::cancel(), this);
    m_cancel->setObjectName(QStringLiteral("lin_cancel"));
    layOut();
    hide();
}

void ThicknessPanel::layOut()
{
    setGeometry(twRect(7920, 0, 2295, 1815));
    m_scroll->setGeometry(twRect(120, 360, 1575, 255));
    m_value->setGeometry(twRect(1680, 360, 495, 255));
    QFont bold = m_value->font();
    bold.setPixelSize(ptPixels(9.75));
    bold.setBold(true);
    m_value->setFont(bold);
    m_frame->setGeometry(twRect(120, 720, 2055, 495));
    m_line->place(tw(240), tw(2040), tw(960));
    m_ok->setGeometry(twRect(120, 1320, 975, 375));
    m_cancel->setGeometry(twRect(1320, 1320, 855, 375));
}

void ThicknessPanel::showEvent(QShowEvent* event)
{
    m_scroll->setFocus();
    QGroupBox::showEvent(event);
}

// The arrows step the thickness from wherever the keyboard is in the panel.
// Each arrow steps the thickness by one, the same in every style the scroll bar may have.
bool ThicknessPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scroll && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            m_scroll->setValue(m_scroll->value() - 1);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Up:
            m_scroll->setValue(m_scroll->value() + 1);
            return true;
        default:
            break;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void ThicknessPanel::keyPressEvent(QKeyEvent* event)
{
    if (!pickerKey(*event, m_ok, m_cancel))
        QGroupBox::keyPressEvent(event);
}

} // namespace zimo
