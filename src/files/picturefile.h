#pragma once

#include <QString>

namespace zimo
{

class RasterPage;

/// Writes the page as a PNG picture; an existing file is replaced only once the whole
/// picture is written. Returns an empty string on success, else why it failed.
QString writePagePicture(const RasterPage& page, const QString& path);

} // namespace zimo
