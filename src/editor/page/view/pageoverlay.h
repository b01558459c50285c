#pragma once

class QPainter;

namespace zimo
{

class PageZoom;
struct PageFrame;

/// Something the page view lays over the drawing on the screen only: the picture, the print,
/// the fill and a task's check never see it, because it is never drawn into the page.
///
/// The view calls paint() with a painter in its own coordinates, clipped to the part that
/// shows the page; zoom maps page pixels to it. An overlay that is switched off paints
/// nothing.
class PageOverlay
{
public:
    virtual ~PageOverlay() = default;
    virtual void paint(QPainter& p, const PageZoom& zoom, const PageFrame& frame) const = 0;
};

} // namespace zimo
