#pragma once

namespace zimo
{

/// Where a run shows itself. The window implements it; a headless run uses the defaults,
/// which show nothing and never wait.
class Screen
{
public:
    virtual ~Screen() = default;

    /// A line step for line begins (the window highlights that line).
    virtual void lineStarted(int line) { (void)line; }

    /// The page's persistent-redraw flag was switched off: the page and the sprite as they
    /// stand may be shown.
    virtual void present() { }
    /// A real wait of units delay units (only called for units > 0). The page is brought up
    /// to date first, so every state during which time passes is visible.
    virtual void delay(double units) { (void)units; }
    /// The run pauses before the step of line: everything drawn so far is to be shown now.
    virtual void pausedBefore(int line) { (void)line; }
    /// One flood-fill layer is painted; the window shows it and paces the wave by units.
    virtual void fillLayer(double units) { (void)units; }
};

} // namespace zimo
