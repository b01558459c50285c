#include "picturefile.h"

#include "filemessages.h"
#include "platform/rasterpage.h"
#include "programfile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace zimo
{

QString writePagePicture(const RasterPage& page, const QString& path)
{
    QImage image;
    page.copyTo(image);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return filemsg::reasonWriteFailed();
    return writeWhole(path, png);
}

} // namespace zimo
