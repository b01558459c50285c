#include "turtle.h"

#include <cmath>

namespace zimo
{

void trissturis(Turtle& t, double tx, double ty, double& lenkis)
{
    double display = lenkis - 180.0;
    // Each correction is made at most once, so far-off headings stay outside 0..360.
    if (display == 361.0) {
        display = 1.0;
        lenkis -= 360.0;
    }
    if (display <= -1.0) {
        lenkis += 360.0;
        display += 360.0;
    }
    t.displayAngle = display;

    const double a = lenkis / Turtle::DegreesPerRadian;
    t.dy = Turtle::SpriteSize * std::sin(a);
    t.dx = Turtle::SpriteSize * std::cos(a);
    // The rear corners are 90 radians (not degrees) either side of the nose, which gives
    // the sprite its narrow nose.
    const double ax = Turtle::SpriteSize * std::cos(a - 90.0);
    const double ay = Turtle::SpriteSize * std::sin(a - 90.0);
    const double bx = Turtle::SpriteSize * std::cos(a + 90.0);
    const double by = Turtle::SpriteSize * std::sin(a + 90.0);

    const float nx = float(tx - t.dx), ny = float(ty + t.dy);
    const float rax = float(tx - ax), ray = float(ty + ay);
    const float rbx = float(tx - bx), rby = float(ty + by);
    t.sprite[0] = { nx, ny, rax, ray };
    t.sprite[1] = { rax, ray, rbx, rby };
    t.sprite[2] = { rbx, rby, nx, ny };
}

void lenka_kontrole(Turtle& t, double ee)
{
    const double p = std::nearbyint(ee * Turtle::DegreesPerRadian);
    t.heading = std::fmod(p, 360.0);
    t.displayAngle = t.heading - 180.0;
    if (t.displayAngle >= 361.0) {
        t.displayAngle -= 360.0;
        t.heading -= 360.0;
    }
    if (t.displayAngle <= -1.0) {
        t.heading += 360.0;
        t.displayAngle += 360.0;
    }
}

void draw(Turtle& t)
{
    t.x -= t.dx * Turtle::KeyStepFactor;
    t.y += t.dy * Turtle::KeyStepFactor;
    trissturis(t, t.x, t.y, t.heading);
}

} // namespace zimo
