#pragma once

#include "pageframe.h"

#include <QColor>
#include <QLineF>
#include <QWidget>

namespace zimo
{

/// The drawing page lapa: a sunken control whose inner area shows a copy of the core's page,
/// with the turtle sprite (lin1, lin2, lin3) and the rubber band prevline laid over it.
///
/// Owns the frame it shows; the overlays are painted on the screen only, never into the
/// image, so moving or hiding them leaves the drawing as it is. Reports pointer moves in
/// page pixels and clicks.
class PageView : public QWidget
{
    Q_OBJECT
public:
    /// Width of the sunken border around the page's inner area.
    static constexpr int Border = 2;

    PageView(QRect geometry, QWidget* parent);

    /// The frame on show; whoever refills it calls update().
    PageFrame& frame() { return m_frame; }
    const PageFrame& frame() const { return m_frame; }

    /// Colour of the sprite's two nose sides, lin1 and lin3.
    void setSideColour(QColor colour);
    /// The rubber band from keyboard steering, in page pixels; hidden at start.
    void setRubberBand(bool visible, QLineF line, QColor colour);
    bool rubberBandVisible() const { return m_bandVisible; }

signals:
    /// The pointer moved to (x, y) of the page's inner area.
    void lapa_MouseMove(int x, int y);
    void lapa_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintBorder(QPainter& p) const;
    void paintSprite(QPainter& p) const;

    PageFrame m_frame;
    QColor m_sideColour { 0, 0, 255 };
    bool m_bandVisible = false;
    QLineF m_band;
    QColor m_bandColour { Qt::black };
};

} // namespace zimo
