#pragma once

#include <QString>

class QDate;

/// Every text of the export layer that a user may read, in Latvian.
namespace zimo::exportmsg
{

/// The title of a program that has no name yet.
QString unnamedProgram();
/// A date as the printed page shows it.
QString dateText(const QDate& date);
/// The printed document could not be made.
QString documentNotMade();
/// The animation could not be encoded.
QString animationNotMade();

} // namespace zimo::exportmsg
