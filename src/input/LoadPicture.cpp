#include "input/LoadPicture.h"

#include "input/GifRows.h"
#include "input/JpegCommon.h"
#include "input/JpegFirstLook.h"
#include "input/ModernDecoders.h"
#include "input/PngFirstLook.h"
#include "input/PngRows.h"
#include "input/RasterDecoders.h"
#include "input/StoredValuesKept.h"
#include "input/WebpFirstLook.h"
#include "input/metafile/Metafile.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"
#include "pixels/RegularFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <sys/stat.h>
#include <system_error>
#include <utility>

namespace {

constexpr int kErrFileNotFound = 53;
constexpr int kErrFileAccess = 75;

enum class Kind { Unknown, Gif, Jpeg, Bmp, Icon, Png, Webp, Tiff, Heif, Avif, Jxl, Svg };

// An ISO media file whose brands name a HEIF picture: AVIF, or HEIC and its kin.
Kind SniffHeif(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    if (data.size() < 16 || data.mid(4, 4) != "ftyp") {
        return Kind::Unknown;
    }
    const qsizetype box = std::min<qsizetype>(data.size(), qFromBigEndian<quint32>(p));
    bool heif = false;
    for (qsizetype at = 8; at + 4 <= box; at += at == 8 ? 8 : 4) { // major brand, then the list
        const QByteArray brand = data.mid(at, 4);
        if (brand == "avif" || brand == "avis") {
            return Kind::Avif;
        }
        heif = heif || brand == "heic" || brand == "heix" || brand == "heim" || brand == "heis" ||
               brand == "hevc" || brand == "hevx" || brand == "mif1" || brand == "msf1";
    }
    return heif ? Kind::Heif : Kind::Unknown;
}

// SVG is text: an XML declaration, comments or a doctype may come before the svg element.
bool LooksLikeSvg(const QByteArray& data) {
    QByteArray head = data.left(4096);
    if (head.startsWith("\xef\xbb\xbf")) {
        head.remove(0, 3);
    }
    head = head.trimmed();
    return head.startsWith('<') && head.contains("<svg");
}

Kind Sniff(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) {
        return Kind::Gif;
    }
    if (n >= 3 && p[0] == 0xff && p[1] == 0xd8 && p[2] == 0xff) {
        return Kind::Jpeg;
    }
    if (data.startsWith("\x89PNG\r\n\x1a\n")) {
        return Kind::Png;
    }
    // Text that starts with "BM" has letters where a BMP's header size is.
    if (n >= 18 && data.startsWith("BM") && qFromLittleEndian<quint32>(p + 14) < 4096) {
        return Kind::Bmp;
    }
    if (n >= 12 && data.startsWith("RIFF") && data.mid(8, 4) == "WEBP") {
        return Kind::Webp;
    }
    if (data.startsWith("II*\0") || data.startsWith("MM\0*") || data.startsWith("II+\0") ||
        data.startsWith("MM\0+")) {
        return Kind::Tiff;
    }
    if (data.startsWith("\xff\x0a") ||
        data.startsWith(QByteArray("\0\0\0\x0cJXL \r\n\x87\n", 12))) {
        return Kind::Jxl;
    }
    if (const Kind heif = SniffHeif(data); heif != Kind::Unknown) {
        return heif;
    }
    if (LooksLikeSvg(data)) {
        return Kind::Svg;
    }
    // Icons and cursors have no magic: a zero word, the type (1 or 2), at least one picture.
    if (n >= 22 && p[0] == 0 && p[1] == 0 && (p[2] == 1 || p[2] == 2) && p[3] == 0 &&
        qFromLittleEndian<quint16>(p + 4) > 0) {
        return Kind::Icon;
    }
    return Kind::Unknown;
}

// A buffer for Qt's reader to decode into, where its format is one the reader keeps (a reader
// given a picture of the right size and format writes into it instead of allocating one).
QImage PreparedPicture(QSize size, QImage::Format format) {
    switch (format) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_Grayscale16:
        return NewPicture(size, format);
    default:
        return QImage();
    }
}

// A progressive JPEG keeps every coefficient (2 bytes a sample of each component) until the last
// scan, besides the picture itself. Baseline frames, and headers we cannot follow, are left to
// the pixel check.
void CheckProgressiveJpeg(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    qsizetype i = 2;
    while (i + 4 <= n) {
        if (p[i] != 0xff) {
            return;
        }
        const uchar marker = p[i + 1];
        if (marker == 0xff) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) { // no length
            i += 2;
            continue;
        }
        if (marker == 0xda || marker == 0xd9) { // scan data or end: no frame before it
            return;
        }
        const qsizetype length = qFromBigEndian<quint16>(p + i + 2);
        const bool frame =
            marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (!frame) {
            i += 2 + length;
            continue;
        }
        // Progressive frames: SOF2, SOF6, SOF10, SOF14.
        if ((marker & 0x03) != 0x02 || i + 10 > n) {
            return;
        }
        const qint64 height = qFromBigEndian<quint16>(p + i + 5);
        const qint64 width = qFromBigEndian<quint16>(p + i + 7);
        const int components = p[i + 9];
        const qsizetype table = i + 10;
        if (width == 0 || height == 0 || components == 0 || table + 3 * components > n) {
            return;
        }
        int hMax = 1;
        int vMax = 1;
        for (int c = 0; c < components; ++c) {
            hMax = std::max(hMax, p[table + 3 * c + 1] >> 4);
            vMax = std::max(vMax, p[table + 3 * c + 1] & 0x0f);
        }
        qint64 bytes = width * height * 4;
        for (int c = 0; c < components; ++c) {
            const int h = std::max(1, p[table + 3 * c + 1] >> 4);
            const int v = std::max(1, p[table + 3 * c + 1] & 0x0f);
            // Whole 8 × 8 blocks of each component's own resolution.
            const qint64 columns = ((width * h + hMax - 1) / hMax + 7) / 8 * 8;
            const qint64 rows = ((height * v + vMax - 1) / vMax + 7) / 8 * 8;
            bytes += 2 * columns * rows;
        }
        if (bytes > MaxPictureBytes()) {
            ThrowTooLarge(width, height);
        }
        return;
    }
}

// The canvas a WebP file states, read from its first chunk: Qt's reader (libwebp's demuxer)
// reports no size at all for a canvas of 2^32 pixels or more. Empty when the first chunk is none
// of the three kinds.
QSize StatedWebpSize(const QByteArray& data) {
    if (data.size() < 30) {
        return {};
    }
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const auto u24 = [p](int at) { return int(p[at] | p[at + 1] << 8 | p[at + 2] << 16); };
    const QByteArray chunk = data.mid(12, 4);
    if (chunk == "VP8X") { // flags, reserved, then the canvas's sides minus one, 24 bits each
        return {u24(24) + 1, u24(27) + 1};
    }
    if (chunk == "VP8L" && p[20] == 0x2f) { // signature, then 14 bits for each side minus one
        const quint32 bits = qFromLittleEndian<quint32>(p + 21);
        return {int(bits & 0x3fff) + 1, int(bits >> 14 & 0x3fff) + 1};
    }
    if (chunk == "VP8 " && p[23] == 0x9d && p[24] == 0x01 && p[25] == 0x2a) { // after a frame tag
        return {qFromLittleEndian<quint16>(p + 26) & 0x3fff,
                qFromLittleEndian<quint16>(p + 28) & 0x3fff};
    }
    return {};
}

// GIF, JPEG and PNG go through Qt's readers: they define every pixel, and partial pictures come
// back for truncated GIF and JPEG files.
QImage DecodeWithQt(const QByteArray& data, const char* qtFormat, const QString& format) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    if (format == QLatin1String("GIF") && data.size() >= 10) {
        // The logical screen is allocated whole, whatever the frames need.
        CheckPictureSize(qFromLittleEndian<quint16>(p + 6), qFromLittleEndian<quint16>(p + 8));
    } else if (format == QLatin1String("JPEG")) {
        CheckProgressiveJpeg(data);
    } else if (format == QLatin1String("PNG") && data.size() >= 24) {
        CheckPictureSize(qFromBigEndian<quint32>(p + 16), qFromBigEndian<quint32>(p + 20));
    } else if (format == QLatin1String("WebP")) {
        const QSize stated = StatedWebpSize(data);
        CheckPictureSize(stated.width(), stated.height());
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormat);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid()) {
        ThrowDamaged(format,
                     QCoreApplication::translate("LoadPicture", "its header cannot be read"));
    }
    CheckPictureSize(size.width(), size.height());
    // Deep pictures (16 bits a channel) are decoded at that depth before they are converted.
    const QImage::Format decoded = reader.imageFormat();
    if (decoded != QImage::Format_Invalid &&
        qint64(size.width()) * size.height() * QImage::toPixelFormat(decoded).bitsPerPixel() / 8 >
            MaxPictureBytes()) {
        ThrowTooLarge(size.width(), size.height());
    }
    // Qt's GIF reader fills the background only into a picture it allocates itself.
    QImage image =
        format == QLatin1String("GIF") ? QImage() : PreparedPicture(size, reader.imageFormat());
    if (!reader.read(&image)) { // a GIF's first frame
        ThrowDamaged(format, reader.errorString().simplified());
    }
    return image;
}

// The rows from `row` down, which hold no colours of the picture, as missing data show: mid-grey.
void GreyFrom(QImage& image, int row) {
    for (int y = std::max(0, row); y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + image.width(), qRgb(0x80, 0x80, 0x80));
    }
}

// The row where a picture of `height` rows ends early when `rows` rows came: none when all did.
std::optional<int> EndsAt(std::optional<int> rows, int height) {
    return rows && *rows < height ? rows : std::nullopt;
}

// A PNG cut short, when Qt's reader has refused it (failed): the rows its data give whole, the
// rest grey. Anything else rethrows failed, as do a file whose header or chunks fail and one
// that stops before any row.
QImage DecodeCutPng(const QByteArray& data, const PlatformError& failed, StoredValuesKept* kept,
                    std::optional<int>* ends) {
    const CutPng cut = PngMadeWhole(data);
    if (cut.file.isEmpty()) {
        throw failed;
    }
    QImage image = NormalizePicture(
        EightBitPicture(DecodeWithQt(cut.file, "png", QStringLiteral("PNG")), kept));
    *ends = EndsAt(cut.rows, image.height());
    if (*ends) {
        GreyFrom(image, **ends);
    }
    return image;
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

} // namespace

// Opaque pictures as RGB32, the rest premultiplied. An RGB32 picture is passed on as it is, so
// the picture box shares its buffer.
QImage NormalizePicture(QImage image) {
    if (image.isNull() || image.format() == QImage::Format_RGB32) {
        return image;
    }
    const QSize size = image.size();
    image = ConvertPicture(std::move(image), image.hasAlphaChannel()
                                                 ? QImage::Format_ARGB32_Premultiplied
                                                 : QImage::Format_RGB32);
    if (image.isNull()) {
        ThrowNoMemory(size.width(), size.height());
    }
    if (image.format() == QImage::Format_ARGB32_Premultiplied && AllOpaque(image)) {
        // Premultiplied and opaque is bit for bit RGB32.
        image.reinterpretAsFormat(QImage::Format_RGB32);
    }
    return image;
}

qint64 EncodedPictureLimit(const QByteArray& head) {
    constexpr qsizetype kEnoughToJudge = 32;
    if (head.size() < kEnoughToJudge || LooksLikeMetafile(head)) {
        return MaxEncodedPictureBytes();
    }
    const auto* p = reinterpret_cast<const uchar*>(head.constData());
    // Encoded pixels take at most about twice their raw size (deflate's stored blocks, RLE's
    // single-pixel runs), besides headers, palettes and profiles.
    const auto bound = [](qint64 width, qint64 height, qint64 bitsPerPixel) {
        try {
            CheckPictureSize(width, height);
        } catch (const PlatformError&) {
            return qint64(0);
        }
        const qint64 raw = height * (1 + (width * bitsPerPixel + 7) / 8);
        return std::min(MaxEncodedPictureBytes(), 2 * raw + (qint64(16) << 20));
    };
    switch (Sniff(head)) {
    case Kind::Png: {
        const int depth = std::clamp<int>(p[24], 1, 16);
        const int channels = p[25] == 2 ? 3 : p[25] == 4 ? 2 : p[25] == 6 ? 4 : 1;
        return bound(qFromBigEndian<quint32>(p + 16), qFromBigEndian<quint32>(p + 20),
                     qint64(depth) * channels);
    }
    case Kind::Bmp: {
        // Windows headers; OS/2 1.x ones (12 bytes) have 16-bit sizes.
        const bool core = qFromLittleEndian<quint32>(p + 14) == 12;
        const qint64 width = core ? qFromLittleEndian<quint16>(p + 18)
                                  : std::abs(qint64(qFromLittleEndian<qint32>(p + 18)));
        const qint64 height = core ? qFromLittleEndian<quint16>(p + 20)
                                   : std::abs(qint64(qFromLittleEndian<qint32>(p + 22)));
        const qint64 bits = std::max<qint64>(1, qFromLittleEndian<quint16>(p + (core ? 24 : 28)));
        return bound(width, height, bits);
    }
    case Kind::Gif:
        return bound(qFromLittleEndian<quint16>(p + 6), qFromLittleEndian<quint16>(p + 8), 8) > 0
                   ? MaxEncodedPictureBytes() // animations hold many frames
                   : 0;
    case Kind::Svg:
        return kMaxSvgBytes;
    case Kind::Jpeg:
    case Kind::Icon:
    case Kind::Webp:
    case Kind::Tiff:
    case Kind::Heif:
    case Kind::Avif:
    case Kind::Jxl:
        return MaxEncodedPictureBytes();
    case Kind::Unknown:
        break;
    }
    return 0;
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

namespace {
// The picture in data, its profile read where the kind carries one; metafiles are drawn before
// this (they have no profile).
// held: the rows a file cut short holds (LoadedPicture::endsAtRow and startsAtRow).
ArrivingImage Decode(const QByteArray& data, PictureSource source, const LoadOptions& options,
                     ColorProfile& profile, StoredValuesKept* kept, HeldRows* held) {
    const FirstLookArea& look = options.firstLook;
    const Kind kind = Sniff(data);
    switch (kind) {
    case Kind::Gif: {
        QImage image = DecodeWithQt(data, "gif", QStringLiteral("GIF"));
        if (image.format() == QImage::Format_RGB32) {
            // Qt leaves what a truncated GIF does not reach as 0x00000000, alpha byte included.
            SetOpaque(image);
        }
        held->endsAt = GifRowsBeforeItsEnd(data, image.height());
        return NormalizePicture(image);
    }
    case Kind::Jpeg: {
        profile = JpegProfile(data);
        if (ArrivingImage first = DecodeJpegFirstLook(data, look); !first.isNull()) {
            return first; // the part a view shows first; the rest follows
        }
        QImage image = NormalizePicture(DecodeWithQt(data, "jpeg", QStringLiteral("JPEG")));
        // The reader fills rows past the end of the data with grey; the same library, run
        // again, says from where.
        held->endsAt = EndsAt(
            JpegRowsBeforeItsEnd(reinterpret_cast<const uchar*>(data.constData()), data.size()),
            image.height());
        return image;
    }
    case Kind::Bmp:
        return NormalizePicture(DecodeBmp(data, held));
    case Kind::Icon:
        return NormalizePicture(DecodeIcon(data, held));
    case Kind::Png: {
        profile = PngProfile(data);
        if (ArrivingImage first = DecodePngFirstLook(data, look); !first.isNull()) {
            return first; // the rows a view shows first; the rest follows
        }
        QImage image;
        try {
            image = DecodeWithQt(data, "png", QStringLiteral("PNG"));
        } catch (const PlatformError& e) {
            if (e.number() == kErrOutOfMemory) {
                throw;
            }
            return DecodeCutPng(data, e, kept, &held->endsAt);
        }
        return NormalizePicture(EightBitPicture(std::move(image), kept));
    }
    case Kind::Webp: {
        profile = WebpProfile(data);
        if (ArrivingImage first = DecodeWebpFirstLook(data, look); !first.isNull()) {
            return first; // the rows a view shows first; the rest follows
        }
        QImage image;
        try {
            image = DecodeWithQt(data, "webp", QStringLiteral("WebP"));
        } catch (const PlatformError& e) {
            int rows = 0;
            if (e.number() == kErrOutOfMemory || (image = DecodeCutWebp(data, &rows)).isNull()) {
                throw;
            }
            held->endsAt = EndsAt(rows, image.height());
        }
        // A lossless bitstream that says it uses no alpha may still code alpha values, and Qt's
        // reader hands them over in an RGB32 picture.
        if (image.format() == QImage::Format_RGB32 && data.contains("VP8L")) {
            SetOpaque(image);
        }
        return NormalizePicture(std::move(image));
    }
    case Kind::Tiff: {
        const auto decode = [](const QByteArray& file, StoredValuesKept* values) {
            QImage image = DecodeTiff(file, values);
            if (image.isNull()) {
                image = EightBitPicture(DecodeWithQt(file, "tiff", QStringLiteral("TIFF")), values);
            }
            return NormalizePicture(std::move(image));
        };
        QImage image;
        try {
            image = decode(data, kept);
        } catch (const PlatformError& e) {
            const TiffRows cut = e.number() == kErrOutOfMemory ? TiffRows() : TiffWholeRows(data);
            if (cut.file.isEmpty()) {
                throw;
            }
            // The rows there are, in a picture of the whole height (without the finer values,
            // which would not cover it).
            const QImage top = decode(cut.file, nullptr);
            image = NewPicture(top.width(), cut.height, top.format());
            if (image.isNull()) {
                ThrowNoMemory(top.width(), cut.height);
            }
            for (int y = 0; y < top.height() && y < cut.height; ++y) {
                std::memcpy(image.scanLine(y), top.constScanLine(y), size_t(top.width()) * 4);
            }
            GreyFrom(image, top.height());
            held->endsAt = EndsAt(top.height(), cut.height);
        }
        profile = TiffProfile(data);
        return image;
    }
    case Kind::Heif:
    case Kind::Avif: {
        const QString format = kind == Kind::Heif ? QStringLiteral("HEIF") : QStringLiteral("AVIF");
        ArrivingImage image = DecodeHeif(data, format, &profile, look, kept);
        if (image.pending) {
            return image; // the thumbnail first; the picture follows
        }
        return NormalizePicture(std::move(image.image));
    }
    case Kind::Jxl:
        return NormalizePicture(DecodeJxl(data, &profile, kept, &held->endsAt));
    case Kind::Svg:
        return NormalizePicture(DecodeSvg(data));
    case Kind::Unknown:
        break;
    }
    if (source == PictureSource::Clipboard) {
        ThrowInvalidPicture(QCoreApplication::translate(
            "LoadPicture", "the picture is not in a format Huemark reads."));
    }
    if (source == PictureSource::Screen) {
        ThrowInvalidPicture(QCoreApplication::translate(
            "LoadPicture", "the screen capture is not a picture in a format Huemark reads."));
    }
    ThrowInvalidPicture(QCoreApplication::translate(
        "LoadPicture", "the file is not a picture in a format Huemark reads (PNG, JPEG, WebP, "
                       "AVIF, HEIC, JPEG XL, TIFF, GIF, BMP, ICO, CUR, SVG, WMF or EMF)."));
}
} // namespace

LoadedPicture LoadPictureFromData(const QByteArray& data, PictureSource source,
                                  const LoadOptions& options) {
    if (data.isEmpty()) {
        ThrowInvalidPicture(
            source == PictureSource::File
                ? QCoreApplication::translate("LoadPicture", "the file is empty.")
                : QCoreApplication::translate("LoadPicture", "the picture is empty."));
    }
    LoadedPicture loaded;
    if (LooksLikeMetafile(data)) {
        const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
        const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
        QString error;
        // A drawing larger than the limit is drawn smaller, never refused for its size.
        const qint64 maxPixels = std::min(kMaxMetafilePixels, MaxPictureBytes() / 4);
        std::optional<QImage> picture = RenderMetafile(data, dpi, &error, maxPixels);
        if (!picture) {
            ThrowInvalidPicture(error);
        }
        // Drawn premultiplied; one that paints every pixel is relabelled RGB32, not copied.
        loaded.picture = NormalizePicture(std::move(*picture));
        return loaded;
    }
    StoredValuesKept kept;
    ArrivingImage image;
    HeldRows held;
    try {
        image = Decode(data, source, options, loaded.profile,
                       options.keepStoredValues ? &kept : nullptr, &held);
    } catch (const std::system_error&) {
        // No thread to bring the rows after a first look (the system has none to give): the
        // whole picture is decoded here instead.
        LoadOptions whole = options;
        whole.firstLook = {};
        kept = StoredValuesKept();
        loaded.profile = {};
        held = HeldRows();
        image = Decode(data, source, whole, loaded.profile,
                       options.keepStoredValues ? &kept : nullptr, &held);
    }
    loaded.endsAtRow = held.endsAt;
    loaded.startsAtRow = held.startsAt;
    loaded.picture = std::move(image.image);
    loaded.arriving = std::move(image.pending);
    loaded.fine = kept.take();
    return loaded;
}

LoadedPicture LoadPicture(const QString& path, PictureSource source, const LoadOptions& options) {
    // By the system's bytes: a name that is not UTF-8 still names its file.
    const QByteArray name = SystemFileName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        //: %1: the file's path.
        throw PlatformError(
            kErrFileNotFound,
            QCoreApplication::translate("LoadPicture", "File not found: '%1'").arg(path));
    }
    if (!S_ISREG(st.st_mode)) {
        //: %1: the path, which names a folder, a device or the like.
        throw PlatformError(
            kErrFileAccess,
            QCoreApplication::translate("LoadPicture", "Path/File access error: '%1' is not a file")
                .arg(path));
    }
    // Read only as a regular file: whatever the path names by the time it is opened, a FIFO or
    // a device is refused instead of waited for.
    RegularFileRead read = ReadRegularFile(path, MaxEncodedPictureBytes());
    switch (read.outcome) {
    case RegularFileRead::Outcome::Read:
        break;
    case RegularFileRead::Outcome::Folder:
    case RegularFileRead::Outcome::NotRegular:
        //: %1: the path, which names a folder, a device or the like.
        throw PlatformError(
            kErrFileAccess,
            QCoreApplication::translate("LoadPicture", "Path/File access error: '%1' is not a file")
                .arg(path));
    case RegularFileRead::Outcome::TooLarge:
        //: %1: the file's path.
        throw PlatformError(
            kErrOutOfMemory,
            QCoreApplication::translate("LoadPicture", "Out of memory: '%1' is too large to open.")
                .arg(path));
    case RegularFileRead::Outcome::Failed:
        if (::stat(name.constData(), &st) != 0) { // gone since the check above
            //: %1: the file's path.
            throw PlatformError(
                kErrFileNotFound,
                QCoreApplication::translate("LoadPicture", "File not found: '%1'").arg(path));
        }
        //: %1: the file's path; %2: the system's reason.
        throw PlatformError(kErrFileAccess, QCoreApplication::translate(
                                                "LoadPicture", "Path/File access error: '%1' (%2)")
                                                .arg(path, read.error));
    }
    const QByteArray data = std::move(read.bytes);
    return LoadPictureFromData(data, source, options);
}
