#include "statusrow.h"

#include "twips.h"
#include "windowmessages.h"

#include "program/messages.h"

#include <QLabel>

#include <utility>

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

void setText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    label->adjustSize();
}

} // namespace

StatusRow::StatusRow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("statusRow"));
    setAccessibleName(windowmsg::statusRowName());
    m_angle = makeLabel(QStringLiteral("lb_lenk"), windowmsg::angleStart(), this);
    m_coordinates = makeLabel(QStringLiteral("lb_coord"), windowmsg::coordinateStart(), this);
    m_pointer = makeLabel(QStringLiteral("peles_koord"), windowmsg::pointerStart(), this);
    layOut();
}

void StatusRow::layOut()
{
    // As wide as the page only: the text box of a larger window reaches down beside it.
    setGeometry(0, tw(RowTop), tw(11895), tw(10575 - RowTop));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(ptPixels(14.25));
    const std::pair<QLabel*, int> lefts[]
        = { { m_angle, 120 }, { m_coordinates, 1920 }, { m_pointer, 5160 } };
    for (const auto& [label, left] : lefts) {
        label->setFont(font);
        label->move(tw(left), 0);
        label->adjustSize();
    }
}

void StatusRow::showTurtle(double displayAngle, double x, double y)
{
    setText(m_angle, msg::angleLabel(displayAngle));
    setText(m_coordinates, msg::coordinateLabel(x, y));
}

void StatusRow::showPointer(int x, int y) { setText(m_pointer, windowmsg::pointerAt(x, y)); }

} // namespace zimo
