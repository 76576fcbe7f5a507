#pragma once
// Decoding a picture file. The format is taken from the content, never from the name.

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes the picture in a file. Throws PlatformError with a description of the failure when the
// file cannot be read or holds no picture in a known format. Opaque pictures come back as
// Format_RGB32, pictures with transparency as Format_ARGB32_Premultiplied.
QImage LoadPicture(const QString& path);

// The same, for bytes already in memory.
QImage LoadPictureFromData(const QByteArray& data);
