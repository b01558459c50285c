#pragma once

#include <QSize>

#include <array>

namespace zimo
{

/// The scales the window offers, in per cent, smallest first.
inline constexpr std::array<int, 7> ScaleSteps { 75, 90, 100, 125, 150, 175, 200 };

/// Room the window manager's title bar needs above the window, in screen pixels.
inline constexpr int TitleBarRoom = 40;

/// The largest step at which a window of fullSize pixels at 100 % fits into available with
/// room for a title bar; the smallest step when none fits.
int fittingScale(QSize available, QSize fullSize);

/// The step after percent in direction (+1 larger, -1 smaller), percent itself at the ends.
int nextScale(int percent, int direction);

/// The scale the user chose and the window remembers; 0 while the user has chosen none.
int rememberedScale();
/// Remembers percent as the user's choice for the next start.
void rememberScale(int percent);

} // namespace zimo
