#pragma once

#include <QString>

/// Every text of the platform layer that a user may read, in Latvian: why a file could not
/// be read or written. Each fits after a colon; the system's own English text never shows.
namespace zimo::platformmsg
{

/// Why writing failed, from the errno value the system gave.
QString writeReason(int code);
/// Why reading failed, from the errno value the system gave.
QString readReason(int code);
/// The file is there but may not be replaced.
QString fileProtected();
/// What came back from the file is not what was written to it.
QString readBackDiffers();
/// The picture could not be made from the page.
QString pictureNotEncoded();

} // namespace zimo::platformmsg
