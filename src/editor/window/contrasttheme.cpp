#include "contrasttheme.h"

#include "contraststyle.h"

#include "editor/common/contrast.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QSyntaxHighlighter>

namespace zimo
{

namespace
{

/// Where a control keeps the colours it set for itself while the theme replaces them.
const char* const OwnPalette = "zimoOwnPalette";

QPalette contrastPalette()
{
    QPalette p(Qt::black);
    const QColor white(Qt::white), black(Qt::black), yellow(255, 230, 0);
    for (QPalette::ColorRole role : { QPalette::Window, QPalette::Base, QPalette::Button,
             QPalette::ToolTipBase, QPalette::Shadow })
        p.setColor(role, black);
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
             QPalette::ToolTipText, QPalette::BrightText, QPalette::Light })
        p.setColor(role, white);
    p.setColor(QPalette::AlternateBase, QColor(30, 30, 30));
    p.setColor(QPalette::Midlight, QColor(200, 200, 200));
    p.setColor(QPalette::Mid, QColor(160, 160, 160));
    p.setColor(QPalette::Dark, QColor(200, 200, 200));
    p.setColor(QPalette::Highlight, yellow);
    p.setColor(QPalette::HighlightedText, black);
    p.setColor(QPalette::Link, QColor(0, 255, 255));
    p.setColor(QPalette::PlaceholderText, QColor(190, 190, 190));
    for (QPalette::ColorRole role :
        { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        p.setColor(QPalette::Disabled, role, QColor(150, 150, 150));
    return p;
}

/// What the application looked like before the theme, for switching it off.
struct Before {
    QString styleName;
    QPalette palette;
};

Before& before()
{
    static Before kept;
    return kept;
}

} // namespace

void ContrastTheme::apply(QWidget& window, bool on)
{
    if (on == highContrast())
        return;
    Before& was = before();
    if (on) {
        was.palette = QApplication::palette();
        was.styleName = QApplication::style()->name();
        QApplication::setStyle(new ContrastStyle);
        QApplication::setPalette(contrastPalette());
    } else {
        QApplication::setStyle(was.styleName);
        QApplication::setPalette(was.palette);
    }
    setHighContrast(on);
    adjustOwnColours(window, on);
    for (QWidget* child : window.findChildren<QWidget*>())
        adjustOwnColours(*child, on);
    for (QSyntaxHighlighter* highlighter : window.findChildren<QSyntaxHighlighter*>())
        highlighter->rehighlight();
    window.update();
}

// A control's own text colours become light and a label's own background dark; everything
// else comes from the theme's palette. Off, the control gets its own colours back.
void ContrastTheme::adjustOwnColours(QWidget& widget, bool on)
{
    if (!on) {
        const QVariant own = widget.property(OwnPalette);
        if (own.isValid()) {
            widget.setPalette(own.value<QPalette>());
            widget.setProperty(OwnPalette, QVariant());
        }
        return;
    }
    const QPalette own = widget.palette();
    if (own.resolveMask() == 0 || widget.property(OwnPalette).isValid())
        return;
    widget.setProperty(OwnPalette, QVariant::fromValue(own));
    QPalette shown = own;
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto group = QPalette::ColorGroup(g);
        for (QPalette::ColorRole role :
            { QPalette::WindowText, QPalette::Text, QPalette::ButtonText }) {
            if (own.isBrushSet(group, role))
                shown.setColor(group, role, shownColour(own.color(group, role)));
        }
        if (qobject_cast<QLabel*>(&widget) && own.isBrushSet(group, QPalette::Window))
            shown.setColor(
                group, QPalette::Window, shownBackground(own.color(group, QPalette::Window)));
    }
    widget.setPalette(shown);
}

} // namespace zimo
