#include "workfile.h"

#include "textcodec.h"

#include <QFile>
#include <QSaveFile>

namespace zimo
{

std::optional<QString> passThroughFile(const QString& path, const QString& text)
{
    if (!writeTextFile(path, text).isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return decodeWindows1257(bytes);
}

QString writeTextFile(const QString& path, const QString& text)
{
    const Encoded encoded = encodeWindows1257(text);
    if (!encoded.ok())
        return QStringLiteral("encoding");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(encoded.bytes) != encoded.bytes.size()) {
        file.cancelWriting();
        return file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace zimo
