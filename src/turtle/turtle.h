#pragma once

#include <array>

namespace zimo
{

struct SpriteLine {
    float x1, y1, x2, y2;
};

/// The turtle: position, previous position, heading and the sprite drawn over the page.
///
/// Headings are degrees in the internal convention: 0 left, 90 down, 180 right, 270 up,
/// growing counter-clockwise on the screen. The user's angle (the display angle) is
/// heading - 180. Only `trissturis` and `lenka_kontrole` normalise the heading.
struct Turtle {
    static constexpr double SpriteSize = 10.0;
    static constexpr double KeyStepFactor = 0.4;
    static constexpr double DegreesPerRadian = 57.29577951;
    static constexpr double Pi = 3.141592654;

    double x = 0;
    double y = 0;
    double prevX = 0;
    double prevY = 0;
    double heading = 360;
    double displayAngle = 180;
    /// Nose vector of the last sprite update: 10·cos and 10·sin of the heading.
    double dx = 0;
    double dy = 0;
    bool spriteVisible = true;
    /// lin1 (nose to one rear corner), lin2 (rear edge), lin3 (other rear corner to nose).
    std::array<SpriteLine, 3> sprite {};
};

/// Sprite update: normalises lenkis in place, sets the display angle and the nose vector,
/// and lays the three sprite lines around (tx, ty).
void trissturis(Turtle& turtle, double tx, double ty, double& lenkis);

/// Sets the heading and display angle from an angle in radians.
void lenka_kontrole(Turtle& turtle, double ee);

/// Key step: four pixels along the nose vector, then a sprite update.
void draw(Turtle& turtle);

} // namespace zimo
