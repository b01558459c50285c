#pragma once

#include "platform/colour.h"

#include <QColor>

namespace zimo
{

/// A colour of the page as Qt's widgets take it.
inline QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

} // namespace zimo
