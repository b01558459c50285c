#include "drawing.h"

#include "platform/rasterpage.h"

namespace zimo
{

Drawing::Drawing(RasterPage& p)
    : page(p)
{
}

void Drawing::segment(double x1, double y1, double x2, double y2)
{
    // The page works in single precision; the trace shows what it was handed.
    const float fx1 = float(x1), fy1 = float(y1), fx2 = float(x2), fy2 = float(y2);
    page.drawLine(fx1, fy1, fx2, fy2, pen.lineColour);
    if (sink)
        sink->segment(fx1, fy1, fx2, fy2, pen.lineColour, page.penWidth(), page.lineStyle());
}

void Drawing::segmentTo(double x, double y)
{
    const QPointF from = page.currentPoint();
    segment(from.x(), from.y(), x, y);
}

void Drawing::moveDrawingPointTo(double x, double y)
{
    page.setCurrentPoint(QPointF(float(x), float(y)));
}

void Drawing::draw_line() { segment(turtle.prevX, turtle.prevY, turtle.x, turtle.y); }

void Drawing::setPenWidth(int width) { page.setPenWidth(width); }

void Drawing::setLineStyle(int style) { page.setLineStyle(style); }

void Drawing::setBackground(Colour colour)
{
    page.setBackground(colour);
    if (sink)
        sink->background(colour);
}

void Drawing::erase()
{
    page.erase();
    if (sink)
        sink->erased();
}

void Drawing::home()
{
    Turtle& t = turtle;
    t.x = float(page.width()) / 2.0f;
    t.y = float(page.height()) / 2.0f;
    t.heading = 360;
    trissturis(t, t.x, t.y, t.heading);
}

void Drawing::pauze(double units)
{
    if (pacer)
        pacer->wait(units);
}

void Drawing::present()
{
    if (pacer)
        pacer->present();
}

void Drawing::figureStep()
{
    stepEnded();
    if (pacer)
        pacer->figureStep();
}

void Drawing::stepEnded()
{
    if (sink)
        sink->stepEnded();
}

} // namespace zimo
