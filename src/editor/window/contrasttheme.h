#pragma once

class QWidget;

namespace zimo
{

/// The high-contrast theme of the window's own controls: white text on black, yellow for
/// what is selected or has the keyboard, and a clear white edge on every button and field.
/// The drawing page and what it shows keep their colours.
///
/// Switching it on gives the whole application its palette and a style that draws the
/// edges, and turns every colour a control set for itself into a light one (its text) or a
/// dark one (its background), keeping each colour's hue; switching it off puts back what was
/// there. The pictures of the toolbar keep their own backgrounds.
class ContrastTheme
{
public:
    /// Switches the theme on or off for window and the windows it opens from now on.
    static void apply(QWidget& window, bool on);

private:
    static void adjustOwnColours(QWidget& widget, bool on);
};

} // namespace zimo
