#pragma once

#include <QByteArray>
#include <QString>

class QImage;

namespace zimo
{

/// The picture as PNG bytes; empty when it could not be encoded.
QByteArray pngBytes(const QImage& picture);

/// Writes the picture as a PNG file through the checked write path: a file is replaced only
/// once the whole picture is on the disk. Returns an empty string on success, else why it
/// failed (in Latvian).
QString savePngFile(const QString& path, const QImage& picture);

} // namespace zimo
