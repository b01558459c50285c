#include "statusrow.h"

#include "editor/common/windowmessages.h"
#include "files/twips.h"
#include "program/messages.h"

#include <QLabel>

namespace zimo
{

namespace
{

constexpr int RowTop = 10080;

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

StatusRow::StatusRow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("statusRow"));
    setAccessibleName(windowmsg::statusRowName());
    m_labels = { makeLabel(QStringLiteral("lb_lenk"), windowmsg::angleStart(), this),
        makeLabel(QStringLiteral("lb_coord"), windowmsg::coordinateStart(), this),
        makeLabel(QStringLiteral("peles_koord"), windowmsg::pointerStart(), this) };
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("zinojums"));
    m_notice->setWordWrap(true);
    m_notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = m_notice->palette();
    pal.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_notice->setPalette(pal);
    m_notice->hide();
    layOut();
}

void StatusRow::layOut()
{
    // As wide as the page only: the text box of a larger window reaches down beside it.
    setGeometry(0, tw(RowTop), tw(11895), tw(10575 - RowTop));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(ptPixels(14.25));
    for (QLabel* label : m_labels) {
        label->setFont(font);
        label->adjustSize();
    }
    m_places = { tw(120), tw(1920), tw(5160) };
    // The notice keeps still while the pointer's numbers change their width under it.
    m_noticePlace = m_places.back() + Gap
        + peles_koord()->fontMetrics().horizontalAdvance(windowmsg::pointerAt(888, 888));
    placeLabels();
}

void StatusRow::showTurtle(double displayAngle, double x, double y)
{
    setText(lb_lenk(), msg::angleLabel(displayAngle));
    setText(lb_coord(), msg::coordinateLabel(x, y));
}

void StatusRow::showPointer(int x, int y) { setText(peles_koord(), windowmsg::pointerAt(x, y)); }

void StatusRow::showNotice(const QString& notice)
{
    m_notice->setText(notice);
    m_notice->setToolTip(notice);
    m_notice->setVisible(!notice.isEmpty());
    placeLabels();
}

void StatusRow::setText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    label->adjustSize();
    placeLabels();
}

// Each label at its place, unless the one before reaches past it; the notice after them all.
void StatusRow::placeLabels()
{
    int reach = 0;
    for (size_t i = 0; i < m_labels.size(); ++i) {
        QLabel* label = m_labels[i];
        label->move(qMax(m_places[i], reach), 0);
        reach = label->geometry().right() + 1 + Gap;
    }
    const int left = qMax(reach, m_noticePlace);
    m_notice->setGeometry(left, 2, qMax(0, width() - left - 2), height() - 2);
}

} // namespace zimo
