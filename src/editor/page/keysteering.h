#pragma once

#include "platform/colour.h"

#include <QPointF>
#include <QString>

namespace zimo
{

class CommandRecorder;
class Drawing;
struct Recorded;

/// The thin line the window lays over the page (never into it) to show the step that the
/// key release will draw and record.
struct RubberBand {
    bool visible = false;
    QPointF from;
    QPointF to;
    Colour colour = 0;
};

/// Keyboard steering of the turtle in page mode, with Windows virtual key codes.
///
/// Owns the state the window draws over the page besides the turtle's own: the rubber band
/// and the colour of the sprite's two nose sides, which tell the learner whether the pen is
/// down. Acts on the machine's turtle, pen and page, and records every finished step
/// through the recorder. While a run goes on the run owns the machine, so every key is
/// ignored then.
class KeySteering
{
public:
    enum Key : int {
        Space = 32,
        Left = 37,
        Up = 38,
        Right = 39,
        Keypad1 = 97,
        Keypad9 = 105,
    };
    static constexpr Colour PenDownSides = rgb(0, 0, 255);
    static constexpr Colour PenUpSides = rgb(255, 0, 0);

    KeySteering(Drawing& drawing, CommandRecorder& recorder);

    /// Key press (repeated while the key is held): Space lifts or lowers the pen, Left and
    /// Right turn by a degree, Up steps 4 pixels, the keypad digits set the eight headings;
    /// every key then redraws the sprite. Returns false when a run made it do nothing.
    bool Form_KeyDown(int key, bool running);
    /// Key release, of any key: draws the step since the last release on the page and
    /// appends its command lines to text. The window must not pass the releases that
    /// auto-repeat generates, or a held key would record many steps.
    Recorded Form_KeyUp(int key, const QString& text, bool running);

    const RubberBand& rubberBand() const { return m_band; }
    /// The colour picker's choice; black until then.
    void setRubberBandColour(Colour colour) { m_band.colour = colour; }
    /// Colour of the sprite lines lin1 and lin3. A reset lowers the pen but leaves this.
    Colour sideColour() const { return m_sideColour; }

    /// The virtual key code of a Qt key event's key and modifiers; 0 for a key that steers
    /// nothing.
    static int virtualKey(int qtKey, bool keypad);

private:
    void setKeypadHeading(int key);

    Drawing& m_drawing;
    CommandRecorder& m_recorder;
    RubberBand m_band;
    Colour m_sideColour = PenDownSides;
};

} // namespace zimo
