#pragma once

#include <QColor>

namespace zimo
{

/// Whether the window's own controls show in high contrast: light on black. Off until the
/// contrast theme switches it on; the drawing page is never touched by it.
bool highContrast();
void setHighContrast(bool on);

/// A colour for text or marks as the controls show it: itself normally; in high contrast,
/// the same hue made light enough to read on black.
QColor shownColour(QColor colour);
/// A background colour as the controls show it: itself normally; in high contrast, the same
/// hue made dark enough for light text.
QColor shownBackground(QColor colour);

} // namespace zimo
