#pragma once

#include "platform/colour.h"

#include <vector>

namespace zimo
{

/// A pixel of the page the fill reached.
struct FillPoint {
    int x, y;
};

/// Where the drawing model reports every change it makes to the page, in the order made:
/// the run's trace, an export's recording. Each event has a no-op default, so a sink takes
/// only what it needs.
class DrawingSink
{
public:
    virtual ~DrawingSink() = default;

    /// A straight segment with the coordinates handed to the page, zero-length ones too.
    virtual void segment(float x1, float y1, float x2, float y2, Colour colour, int width, int style)
    {
        (void)x1, (void)y1, (void)x2, (void)y2, (void)colour, (void)width, (void)style;
    }
    /// The background colour was set, which erased the page.
    virtual void background(Colour colour) { (void)colour; }
    /// The page was erased to its background colour.
    virtual void erased() { }
    /// One fill layer painted these pixels (each a dot of the pen width).
    virtual void fillLayer(const std::vector<FillPoint>& painted, Colour fill, int penWidth)
    {
        (void)painted, (void)fill, (void)penWidth;
    }
    /// The learner sees what was drawn since the last step as one step of the drawing: a line
    /// step ended, or a figure's next step begins.
    virtual void stepEnded() { }
    /// A whole fill ended: the rounded seed, its colours and the pixels its layers painted.
    virtual void filled(double x, double y, Colour border, Colour fill, long long count)
    {
        (void)x, (void)y, (void)border, (void)fill, (void)count;
    }
};

/// What paces the drawing model's animations: the run. Without one, figures and fills are
/// drawn at once. A pacer may end the drawing by throwing (the run's stop).
class DrawingPacer
{
public:
    virtual ~DrawingPacer() = default;

    /// A figure step is about to be drawn.
    virtual void figureStep() = 0;
    /// What is drawn so far may be shown.
    virtual void present() = 0;
    /// The delay `pauze`: value delay units.
    virtual void wait(double units) = 0;
    /// A fill layer is about to be painted.
    virtual void fillLayerStarting() = 0;
    /// A fill layer is painted; the next waits units.
    virtual void fillLayerDone(double units) = 0;
};

} // namespace zimo
