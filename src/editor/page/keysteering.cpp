#include "keysteering.h"

#include "commandrecorder.h"

#include "turtle/drawing.h"
#include "turtle/turtle.h"

#include <Qt>

#include <array>

namespace zimo
{

KeySteering::KeySteering(Drawing& drawing, CommandRecorder& recorder)
    : m_drawing(drawing)
    , m_recorder(recorder)
{
}

bool KeySteering::Form_KeyDown(int key, bool running)
{
    if (running)
        return false;
    Turtle& t = m_drawing.turtle;
    Pen& pen = m_drawing.pen;
    if (key == Space) {
        pen.penDown = !pen.penDown;
        m_sideColour = pen.penDown ? PenDownSides : PenUpSides;
    }
    if (key == Left)
        t.heading += 1;
    if (key == Right)
        t.heading -= 1;
    if (key == Up) {
        m_band.visible = true;
        draw(t);
        // With the pen up the band stays where it last lay.
        if (pen.penDown) {
            m_band.from = QPointF(float(t.prevX), float(t.prevY));
            m_band.to = QPointF(float(t.x), float(t.y));
        }
    }
    setKeypadHeading(key);
    trissturis(t, t.x, t.y, t.heading);
    return true;
}

void KeySteering::setKeypadHeading(int key)
{
    // Headings of keypad 1..9, pointing the way the keys lie around 5 (1 down-left,
    // 9 up-right); 5 has no direction. The sprite update brings them into display range.
    constexpr std::array<int, 9> Headings { 45, 90, 135, 0, -1, 180, 315, 270, 225 };
    if (key < Keypad1 || key > Keypad9)
        return;
    const int heading = Headings[size_t(key - Keypad1)];
    if (heading >= 0)
        m_drawing.turtle.heading = heading;
}

Recorded KeySteering::Form_KeyUp(int, const QString& text, bool running)
{
    Recorded result { text, false, {} };
    if (running)
        return result;
    Turtle& t = m_drawing.turtle;
    const bool moved = t.x != t.prevX || t.y != t.prevY;
    if (m_drawing.pen.penDown) {
        m_band.visible = false;
        m_drawing.setPenWidth(m_drawing.pen.steeringThickness);
        // A release without a step (a turn, Space) must not leave a dot on the page. A
        // drawn step is a step of the drawing of its own, as a line step of a run is.
        if (moved) {
            m_drawing.draw_line();
            m_drawing.stepEnded();
        } else {
            m_drawing.moveDrawingPointTo(t.x, t.y);
        }
        if (moved)
            result = m_recorder.recordStep(text, t);
    } else if (moved) {
        result = m_recorder.recordPosition(text, t);
    }
    t.prevX = t.x;
    t.prevY = t.y;
    return result;
}

int KeySteering::virtualKey(int qtKey, bool keypad)
{
    switch (qtKey) {
    case Qt::Key_Space:
        return Space;
    case Qt::Key_Left:
        return Left;
    case Qt::Key_Up:
        return Up;
    case Qt::Key_Right:
        return Right;
    default:
        break;
    }
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return Keypad1 - 1 + (qtKey - Qt::Key_0);
    return 0;
}

} // namespace zimo
