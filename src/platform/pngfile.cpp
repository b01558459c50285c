#include "pngfile.h"

#include "platformmessages.h"
#include "safefile.h"

#include <QBuffer>
#include <QImage>

namespace zimo
{

QByteArray pngBytes(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return {};
    return png;
}

QString savePngFile(const QString& path, const QImage& picture)
{
    const QByteArray png = pngBytes(picture);
    if (png.isEmpty())
        return platformmsg::pictureNotEncoded();
    return writeFileSafely(path, png);
}

} // namespace zimo
