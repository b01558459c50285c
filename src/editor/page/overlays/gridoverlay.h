#pragma once

#include "editor/page/view/pageoverlay.h"

namespace zimo
{

/// A light grid over the page every 50 page pixels, with the coordinates written along the
/// top and the left of what is in view, in the page's own system: x to the right, y down,
/// 0,0 at the top left, the numbers "koordinatas " takes. Off until switched on.
class GridOverlay : public PageOverlay
{
public:
    static constexpr int Spacing = 50;

    bool isOn() const { return m_on; }
    void setOn(bool on) { m_on = on; }

    void paint(QPainter& p, const PageZoom& zoom, const PageFrame& frame) const override;

private:
    void paintLines(QPainter& p, const PageZoom& zoom) const;
    void paintNumbers(QPainter& p, const PageZoom& zoom) const;

    bool m_on = false;
};

} // namespace zimo
