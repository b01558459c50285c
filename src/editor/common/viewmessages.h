#pragma once

#include <QString>

/// The Latvian texts of the view's aids and settings: the menu "Skats" items for the grid,
/// the protractor, the ruler, zoom, full screen and contrast, what the ruler shows, and what
/// taking a step back tells.
namespace zimo::viewmsg
{

QString grid();
QString protractor();
QString ruler();
QString wholePage();
QString fittingScale();
QString fullScreen();
QString highContrast();

/// Beside the ruler's line: "Garums 141, lenķis 45°".
QString measured(int length, int angle);
/// The ruler's button: "Ievietot: lenkis 45, uz prieksu 141".
QString insertLines(const QString& lines);
QString insertLinesTip();
/// The protractor's reading: "45°".
QString degrees(int angle);

QString nothingToTakeBack();
QString stepCannotBeTakenBack();

} // namespace zimo::viewmsg
