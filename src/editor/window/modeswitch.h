#pragma once

#include <QObject>

namespace zimo
{

class KeyRouter;
class OutlineRect;
class PageView;
class ProgramTextBox;

/// The window's two keyboard modes: page mode, in which the keys steer the turtle, and text
/// mode, in which they go to the program text box only. A click on the page or the text
/// box, or Tab onto it, switches to its mode, and its mode frame shows which one it is.
///
/// The text box stays editable in page mode until the first click on the page, and is
/// read-only for the whole of a run.
class ModeSwitch : public QObject
{
public:
    /// The controls the modes switch between, their frames and the keys' router.
    struct Parts {
        PageView& page;
        ProgramTextBox& text;
        OutlineRect& pageFrame;
        OutlineRect& textFrame;
        KeyRouter& keys;
    };

    ModeSwitch(Parts parts, QObject* parent);

    bool isPageMode() const { return m_pageMode; }
    void setRunning(bool running);

    /// A click on the page: page mode.
    void lapa_Click();
    /// A click in the text box: text mode.
    void ieraksti_Click();

protected:
    /// Tab to the page or the text box switches the mode as a click on it does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyTextLock();

    Parts m_parts;
    bool m_pageMode = true;
    bool m_editableAtStart = true;
    bool m_running = false;
};

} // namespace zimo
