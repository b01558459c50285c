#pragma once

#include "turtle/drawingsink.h"
#include "turtle/pen.h"
#include "turtle/turtle.h"

#include <vector>

namespace zimo
{

class RasterPage;

/// The drawing model: the page, the turtle and the pen that draw on it, and the one place
/// every change of the page passes, so that whoever listens (the trace, an export) sees it.
///
/// Its operations take numbers and colours, never program lines. It owns the turtle, the
/// pen and the fill's frontier lists; the page is the caller's. The sink and the pacer are
/// attached by the run (or a recorder) and may be null.
class Drawing
{
public:
    explicit Drawing(RasterPage& page);

    RasterPage& page;
    Turtle turtle;
    Pen pen;
    DrawingSink* sink = nullptr;
    DrawingPacer* pacer = nullptr;
    /// The fill's two frontier lists, kept between fills so their memory is reused.
    std::vector<FillPoint> fillCurrent;
    std::vector<FillPoint> fillNext;

    /// A segment in the line colour with the page's pen (width and style).
    void segment(double x1, double y1, double x2, double y2);
    /// A segment from the page's current drawing point to (x, y).
    void segmentTo(double x, double y);
    /// Moves the page's current drawing point without drawing.
    void moveDrawingPointTo(double x, double y);
    /// The pen line from the previous position to the current one.
    void draw_line();

    void setPenWidth(int width);
    /// 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 invisible.
    void setLineStyle(int style);
    /// Sets the page colour, which erases the page to it.
    void setBackground(Colour colour);
    /// Erases the page to its colour.
    void erase();

    /// The turtle back to the middle of the page facing left, its sprite redrawn.
    void home();

    /// The delay: value units through the pacer (none without one).
    void pauze(double units);
    void present();
    /// A figure's next step begins: a step of its own for the sink, a pace for the pacer.
    void figureStep();
    /// What was drawn since the last step is one step of the drawing (the run's line step).
    void stepEnded();
};

} // namespace zimo
