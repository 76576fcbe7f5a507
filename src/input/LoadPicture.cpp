#include "input/LoadPicture.h"

#include "platform/PlatformError.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

QImage LoadPictureFromData(const QByteArray& data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image = reader.read();
    if (image.isNull()) {
        throw PlatformError(481, QStringLiteral("Invalid picture"));
    }
    return image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                   : image.convertToFormat(QImage::Format_RGB32);
}

QImage LoadPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw PlatformError(53, QStringLiteral("File not found: ") + path);
    }
    return LoadPictureFromData(file.readAll());
}
