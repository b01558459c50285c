#pragma once

#include <QString>

/// Every text of keyboard recording, the inserting buttons and the pickers that a user may
/// read, in Latvian.
namespace zimo::recordingmsg
{

/// The line array holds its 1000 lines; the new line was not added.
QString lineArrayFull();
/// The line went into the text box, but the work file could not be rewritten.
QString workFileNotWritten(const QString& fileName, const QString& reason);
/// The line went into the text box, but the text holds a character the work file's code
/// page cannot hold.
QString workFileCannotHold(const QString& fileName, const QString& character);
/// Caption of the colour preview: "5.krāsa".
QString colourCaption(int number);

} // namespace zimo::recordingmsg
