#pragma once

#include <QIcon>
#include <QPixmap>

namespace zimo::pictures
{

/// Size of the first five toolbar pictures; the others are Large x Large.
inline constexpr QSize Small { 21, 23 };
inline constexpr int Large = 32;

QPixmap blankSheet();
QPixmap floppyDisk();
/// The Run button: a green triangle pointing right.
QPixmap runTriangle();
/// The Run button while a run goes on: a red stop sign.
QPixmap stopSign();
/// A sheet with a blue drop over a coloured area.
QPixmap clearPage();
/// A sheet with a blue drop over lines of text.
QPixmap clearText();
/// Three lines of growing thickness.
QPixmap thicknessLines();
/// A solid line, an arrow down, a dashed line.
QPixmap styleChoice();
/// The window's icon: the turtle on a page, drawing.
QIcon windowIcon();

} // namespace zimo::pictures
