#include "contraststyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace zimo
{

namespace
{

const QColor Edge(Qt::white);
const QColor Focus(255, 230, 0);

void outline(QPainter* painter, const QRect& rect, const QColor& colour, int width)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(colour, width));
    painter->setBrush(Qt::NoBrush);
    const int inset = width / 2;
    painter->drawRect(rect.adjusted(inset, inset, -inset - 1, -inset - 1));
    painter->restore();
}

} // namespace

// Fusion draws from the palette alone, on every platform, so the theme's colours hold.
ContrastStyle::ContrastStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void ContrastStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    switch (element) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
    case PE_FrameLineEdit:
    case PE_Frame:
    case PE_FrameGroupBox:
    case PE_FrameTabWidget:
        outline(painter, option->rect, Edge, 1);
        break;
    case PE_FrameFocusRect:
        outline(painter, option->rect, Focus, 2);
        break;
    default:
        break;
    }
}

void ContrastStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
    QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox || control == CC_SpinBox || control == CC_ScrollBar)
        outline(painter, option->rect, Edge, 1);
    if ((control == CC_ComboBox || control == CC_ToolButton) && (option->state & State_HasFocus))
        outline(painter, option->rect, Focus, 2);
}

} // namespace zimo
