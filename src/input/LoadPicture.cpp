#include "input/LoadPicture.h"

#include "input/RasterDecoders.h"
#include "input/metafile/Metafile.h"
#include "platform/PlatformError.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QtEndian>

namespace {

// 1 GiB of pixels: a 16384 × 16384 picture, or a 50-megapixel photo several times over.
qint64 g_maxPictureBytes = qint64(1) << 30;

constexpr int kErrOutOfMemory = 7;
constexpr int kErrFileNotFound = 53;
constexpr int kErrFileAccess = 75;
constexpr int kErrInvalidPicture = 481;

enum class Kind { Unknown, Gif, Jpeg, Bmp, Icon };

Kind Sniff(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) {
        return Kind::Gif;
    }
    if (n >= 3 && p[0] == 0xff && p[1] == 0xd8 && p[2] == 0xff) {
        return Kind::Jpeg;
    }
    // Text that starts with "BM" has letters where a BMP's header size is.
    if (n >= 18 && data.startsWith("BM") && qFromLittleEndian<quint32>(p + 14) < 4096) {
        return Kind::Bmp;
    }
    // Icons and cursors have no magic: a zero word, the type (1 or 2), at least one picture.
    if (n >= 22 && p[0] == 0 && p[1] == 0 && (p[2] == 1 || p[2] == 2) && p[3] == 0 &&
        qFromLittleEndian<quint16>(p + 4) > 0) {
        return Kind::Icon;
    }
    return Kind::Unknown;
}

[[noreturn]] void ThrowInvalid(const QString& detail) {
    throw PlatformError(kErrInvalidPicture, QStringLiteral("Invalid picture: ") + detail);
}

// GIF and JPEG go through Qt's readers: they define every pixel, and partial pictures come back
// for truncated files.
QImage DecodeWithQt(const QByteArray& data, const char* qtFormat, const QString& format) {
    if (format == QLatin1String("GIF") && data.size() >= 10) {
        // The logical screen is allocated whole, whatever the frames need.
        const auto* p = reinterpret_cast<const uchar*>(data.constData());
        CheckPictureSize(qFromLittleEndian<quint16>(p + 6), qFromLittleEndian<quint16>(p + 8));
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormat);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid()) {
        ThrowDamaged(format, QStringLiteral("its header cannot be read"));
    }
    CheckPictureSize(size.width(), size.height());
    QImage image;
    if (!reader.read(&image)) { // a GIF's first frame
        ThrowDamaged(format, reader.errorString());
    }
    return image;
}

// In place: the picture is ours alone, so no copy is made.
void SetOpaque(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] |= 0xff000000;
        }
    }
}

bool AllOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                return false;
            }
        }
    }
    return true;
}

// Opaque pictures as RGB32, the rest premultiplied. An RGB32 result of a decoder is passed on as
// it is, so the picture box shares its buffer.
QImage Finish(QImage image) {
    if (image.format() == QImage::Format_RGB32) {
        return image;
    }
    if (!image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_RGB32);
        return image;
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (AllOpaque(image)) {
        // Premultiplied and opaque is bit for bit RGB32.
        image.reinterpretAsFormat(QImage::Format_RGB32);
    }
    return image;
}

} // namespace

qint64 MaxPictureBytes() {
    return g_maxPictureBytes;
}

void SetMaxPictureBytes(qint64 bytes) {
    g_maxPictureBytes = bytes;
}

void CheckPictureSize(qint64 width, qint64 height) {
    const qint64 pixels = g_maxPictureBytes / 4;
    if (width > 0 && height > 0 && (width > pixels || height > pixels / width)) {
        throw PlatformError(kErrOutOfMemory,
                            QStringLiteral("Out of memory: the picture is %1 × %2 pixels, "
                                           "too large to open.")
                                .arg(width)
                                .arg(height));
    }
}

void ThrowDamaged(const QString& format, const QString& detail) {
    ThrowInvalid(QStringLiteral("the %1 picture is damaged (%2).").arg(format, detail));
}

QImage LoadPictureFromData(const QByteArray& data) {
    if (data.isEmpty()) {
        ThrowInvalid(QStringLiteral("the file is empty."));
    }
    if (LooksLikeMetafile(data)) {
        const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
        const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
        QString error;
        std::optional<QImage> picture = RenderMetafile(data, dpi, &error);
        if (!picture) {
            ThrowInvalid(error);
        }
        return *picture;
    }

    // Qt's readers refuse more than 128 MiB by default; ours is the limit that counts.
    QImageReader::setAllocationLimit(int((g_maxPictureBytes + (1 << 20) - 1) >> 20));
    switch (Sniff(data)) {
    case Kind::Gif: {
        QImage image = DecodeWithQt(data, "gif", QStringLiteral("GIF"));
        if (image.format() == QImage::Format_RGB32) {
            // Qt leaves what a truncated GIF does not reach as 0x00000000, alpha byte included.
            SetOpaque(image);
        }
        return Finish(image);
    }
    case Kind::Jpeg:
        return Finish(DecodeWithQt(data, "jpeg", QStringLiteral("JPEG")));
    case Kind::Bmp:
        return Finish(DecodeBmp(data));
    case Kind::Icon:
        return Finish(DecodeIcon(data));
    case Kind::Unknown:
        break;
    }
    ThrowInvalid(QStringLiteral("the file is not a BMP, GIF, JPEG, ICO, CUR, WMF or EMF picture."));
}

QImage LoadPicture(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw PlatformError(kErrFileNotFound, QStringLiteral("File not found: '%1'").arg(path));
    }
    if (!info.isFile()) {
        throw PlatformError(kErrFileAccess,
                            QStringLiteral("Path/File access error: '%1' is not a file").arg(path));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists()) { // gone since the check above
            throw PlatformError(kErrFileNotFound, QStringLiteral("File not found: '%1'").arg(path));
        }
        throw PlatformError(
            kErrFileAccess,
            QStringLiteral("Path/File access error: '%1' (%2)").arg(path, file.errorString()));
    }
    // No picture we open is much larger on disk than in memory.
    if (file.size() > g_maxPictureBytes + (qint64(1) << 20)) {
        throw PlatformError(kErrOutOfMemory,
                            QStringLiteral("Out of memory: '%1' is too large to open.").arg(path));
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw PlatformError(
            kErrFileAccess,
            QStringLiteral("Path/File access error: '%1' (%2)").arg(path, file.errorString()));
    }
    return LoadPictureFromData(data);
}
