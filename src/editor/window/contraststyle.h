#pragma once

#include <QProxyStyle>

namespace zimo
{

/// The high-contrast theme's style: the usual look with a white edge around every button,
/// field and list, and a thick yellow frame on the control that has the keyboard, which
/// black backgrounds would otherwise hide.
class ContrastStyle : public QProxyStyle
{
public:
    ContrastStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
        QPainter* painter, const QWidget* widget = nullptr) const override;
};

} // namespace zimo
