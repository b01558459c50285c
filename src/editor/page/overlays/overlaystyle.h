#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>

class QPainter;
class QString;

namespace zimo
{

/// What the page's overlays share: their colours, their small font and the little white
/// plates their texts stand on so that a drawing under them never hides a number.
namespace overlaystyle
{

/// The grid and the ruler's blue, the protractor's reading orange.
inline const QColor Blue(40, 100, 200);
inline const QColor Orange(230, 120, 0);

/// The overlays' font at the window's scale, pixels high at 100 %.
QFont font(int pixels);
/// Writes text on a plate centred at centre, or with its top left at centre's when
/// centred is false; returns the plate's rectangle.
QRectF plate(QPainter& p, const QString& text, QPointF at, bool centred, QColor colour);

} // namespace overlaystyle

} // namespace zimo
