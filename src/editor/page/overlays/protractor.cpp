#include "protractor.h"

#include "overlaystyle.h"

#include "editor/common/viewmessages.h"
#include "editor/page/commandrecorder.h"
#include "editor/page/pageframe.h"
#include "editor/page/view/pagezoom.h"
#include "files/twips.h"

#include <QPainter>
#include <QtMath>

namespace zimo
{

namespace
{

const QColor Ring(40, 100, 200, 190);
const QColor Face(255, 255, 255, 90);
const QColor Sweep(255, 170, 40, 70);

// The point at angle (the language's degrees: counter-clockwise from the right) and
// distance from centre, on the screen, where y grows downwards.
QPointF along(QPointF centre, double angle, double distance)
{
    const double rad = qDegreesToRadians(angle);
    return centre + QPointF(std::cos(rad) * distance, -std::sin(rad) * distance);
}

} // namespace

int Protractor::reading(double displayAngle) { return CommandRecorder::recordedAngle(displayAngle); }

void Protractor::paint(QPainter& p, const PageZoom& zoom, const PageFrame& frame) const
{
    if (!m_on)
        return;
    // The middle of the turtle's page pixel.
    const QPointF centre = zoom.toView(QPointF(frame.x + 0.5, frame.y + 0.5));
    const double radius = scaled(Radius);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    paintRing(p, centre, radius);
    paintHeading(p, centre, radius, reading(frame.displayAngle));
    p.restore();
}

void Protractor::paintRing(QPainter& p, QPointF centre, double radius)
{
    p.setPen(QPen(Ring, scaled(1) * 1.5));
    p.setBrush(Face);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Ring, scaled(1)));
    for (int angle = 0; angle < 360; angle += 10) {
        const double tick = scaled(angle % 90 == 0 ? 12 : (angle % 30 == 0 ? 8 : 5));
        p.drawLine(along(centre, angle, radius), along(centre, angle, radius - tick));
    }
    p.setFont(overlaystyle::font(9));
    for (int angle = 0; angle < 360; angle += 45) {
        const QPointF at = along(centre, angle, radius - scaled(22));
        overlaystyle::plate(p, QString::number(angle), at, true, overlaystyle::Blue);
    }
}

// The sweep from 0 to the heading, counter-clockwise as the language counts, the ray out to
// the ring and the reading just beyond the ring, where the ray points.
void Protractor::paintHeading(QPainter& p, QPointF centre, double radius, int angle)
{
    const QRectF circle(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    const double inner = radius * 0.45;
    const QRectF arc(centre - QPointF(inner, inner), QSizeF(2 * inner, 2 * inner));
    p.setPen(Qt::NoPen);
    p.setBrush(Sweep);
    p.drawPie(circle, 0, angle * 16);
    p.setPen(QPen(overlaystyle::Orange, scaled(2)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(arc, 0, angle * 16);
    p.drawLine(centre, along(centre, angle, radius));
    p.setPen(QPen(Ring, scaled(1)));
    p.drawLine(centre, along(centre, 0, radius));
    QFont font = overlaystyle::font(13);
    font.setBold(true);
    p.setFont(font);
    overlaystyle::plate(p, viewmsg::degrees(angle), along(centre, angle, radius + scaled(14)), true,
        overlaystyle::Orange);
}

} // namespace zimo
