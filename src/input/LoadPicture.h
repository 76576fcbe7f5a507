#pragma once
// Decoding a picture file. The format is taken from the content, never from the name.

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes the picture in a file: BMP, GIF (its first frame), JPEG, ICO and CUR (the largest
// picture), WMF and EMF. Throws PlatformError with a description of the failure when the file
// cannot be read, is empty, holds no picture in these formats, is damaged beyond reading, or is
// too large to open. Opaque pictures come back as Format_RGB32, pictures with transparent pixels
// as Format_ARGB32_Premultiplied.
QImage LoadPicture(const QString& path);

// The same, for bytes already in memory.
QImage LoadPictureFromData(const QByteArray& data);

// A picture from elsewhere (the clipboard) in the same form: opaque as Format_RGB32, otherwise
// Format_ARGB32_Premultiplied. The empty picture stays empty.
QImage NormalizePicture(QImage image);
