#pragma once

#include "editor/page/view/pageoverlay.h"

#include <QPointF>

namespace zimo
{

/// A protractor around the turtle: a ring marked every 10 degrees and numbered every 45 in
/// the language's degrees (0 to the right, 90 up), with the turtle's heading as a ray, an
/// arc from 0 to it and its reading. It follows the turtle in every frame the page shows,
/// and keeps its size on the screen whatever the zoom. Off until switched on.
class Protractor : public PageOverlay
{
public:
    /// The ring's radius in screen pixels at 100 %.
    static constexpr int Radius = 70;

    bool isOn() const { return m_on; }
    void setOn(bool on) { m_on = on; }

    void paint(QPainter& p, const PageZoom& zoom, const PageFrame& frame) const override;

    /// The whole degree a display angle reads as, 0 to 359.
    static int reading(double displayAngle);

private:
    static void paintRing(QPainter& p, QPointF centre, double radius);
    static void paintHeading(QPainter& p, QPointF centre, double radius, int angle);

    bool m_on = false;
};

} // namespace zimo
