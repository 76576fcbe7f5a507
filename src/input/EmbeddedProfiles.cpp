// The colour profiles that raster files carry beside their pixels, read from the file's own
// structure: the readers we decode with do not all hand them over, and not unchanged.

#include "input/ModernDecoders.h"

#include <QCoreApplication>
#include <QtEndian>
#include <zlib.h>

namespace {

// Profiles are rarely above a few hundred KiB; a larger claim is damage or an attack.
constexpr qsizetype kMaxProfileBytes = 16 << 20;

// The profiles' places in the files, and what is said when one is damaged.
//: Why a picture's colour profile cannot be used (put in for %1 of "The picture's colours
//: cannot be read (%1): ...").
const char* const kPngProfile =
    QT_TRANSLATE_NOOP("ColorProfile", "the PNG's iCCP chunk is damaged");
//: Why a picture's colour profile cannot be used (put in for %1 of "The picture's colours
//: cannot be read (%1): ...").
const char* const kJpegProfile =
    QT_TRANSLATE_NOOP("ColorProfile", "the JPEG's ICC profile is damaged");
//: Why a picture's colour profile cannot be used (put in for %1 of "The picture's colours
//: cannot be read (%1): ...").
const char* const kWebpProfile =
    QT_TRANSLATE_NOOP("ColorProfile", "the WebP's ICC profile is damaged");
//: Why a picture's colour profile cannot be used (put in for %1 of "The picture's colours
//: cannot be read (%1): ...").
const char* const kTiffProfile =
    QT_TRANSLATE_NOOP("ColorProfile", "the TIFF's ICC profile is damaged");

// damaged: one of the texts above.
ColorProfile Damaged(const char* damaged) {
    ColorProfile profile;
    profile.unusable = QCoreApplication::translate("ColorProfile", damaged);
    return profile;
}

// zlib data inflated, no larger than kMaxProfileBytes; empty when it is damaged or too large.
QByteArray Inflate(const uchar* data, qsizetype size) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return {};
    }
    QByteArray out;
    char chunk[16384];
    stream.next_in = const_cast<uchar*>(data);
    stream.avail_in = uInt(size);
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, qsizetype(sizeof chunk - stream.avail_out));
        if (out.size() > kMaxProfileBytes || (status == Z_BUF_ERROR && stream.avail_in == 0)) {
            status = Z_DATA_ERROR;
        }
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END ? out : QByteArray();
}

ColorProfile FromIcc(QByteArray icc, const char* damaged) {
    if (icc.size() < 132) { // an ICC header and a tag count
        return Damaged(damaged);
    }
    ColorProfile profile;
    profile.icc = std::move(icc);
    return profile;
}

} // namespace

ColorProfile PngProfile(const QByteArray& file) {
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const qsizetype n = file.size();
    quint32 gamma = 0;
    quint32 chromaticities[8];
    bool haveChromaticities = false;
    std::optional<ColorProfile> coded;
    std::optional<ColorProfile> embedded;
    bool srgb = false;
    for (qsizetype i = 8; i + 12 <= n;) {
        const qint64 length = qFromBigEndian<quint32>(p + i);
        const QByteArray type(reinterpret_cast<const char*>(p + i + 4), 4);
        const uchar* data = p + i + 8;
        if (length > n - i - 12 || type == "IDAT" || type == "IEND") {
            break;
        }
        if (type == "cICP" && length >= 2) {
            coded = ProfileFromCodePoints(data[0], data[1]);
        } else if (type == "iCCP") {
            const auto* end = static_cast<const uchar*>(memchr(data, 0, size_t(length)));
            // The name, its terminator, the compression method (0: deflate), the profile.
            if (end == nullptr || end + 2 > data + length || end[1] != 0) {
                embedded = Damaged(kPngProfile);
            } else {
                embedded = FromIcc(Inflate(end + 2, data + length - (end + 2)), kPngProfile);
            }
        } else if (type == "sRGB") {
            srgb = true;
        } else if (type == "gAMA" && length == 4) {
            gamma = qFromBigEndian<quint32>(data);
        } else if (type == "cHRM" && length == 32) {
            for (int k = 0; k < 8; ++k) {
                chromaticities[k] = qFromBigEndian<quint32>(data + 4 * k);
            }
            haveChromaticities = true;
        }
        i += 12 + length;
    }
    // The order of precedence the format sets: cICP, iCCP, sRGB, then cHRM and gAMA.
    if (coded) {
        return *coded;
    }
    if (embedded) {
        return *embedded;
    }
    if (srgb) {
        return {};
    }
    return ProfileFromPngChunks(gamma, haveChromaticities ? chromaticities : nullptr);
}

ColorProfile JpegProfile(const QByteArray& file) {
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const qsizetype n = file.size();
    // APP2 segments "ICC_PROFILE\0", sequence number, count, then a piece of the profile.
    QList<QByteArray> pieces;
    int count = 0;
    for (qsizetype i = 2; i + 4 <= n;) {
        if (p[i] != 0xff) {
            break;
        }
        const uchar marker = p[i + 1];
        if (marker == 0xff) {
            ++i;
            continue;
        }
        if (marker == 0xda || marker == 0xd9) { // the scan: no more headers
            break;
        }
        const qsizetype length = qFromBigEndian<quint16>(p + i + 2);
        if (length < 2 || i + 2 + length > n) {
            break;
        }
        constexpr char kTag[] = "ICC_PROFILE";
        if (marker == 0xe2 && length >= 16 && memcmp(p + i + 4, kTag, sizeof kTag) == 0) {
            const int sequence = p[i + 16];
            const int total = p[i + 17];
            if (sequence < 1 || sequence > total || (count != 0 && total != count)) {
                return Damaged(kJpegProfile);
            }
            count = total;
            pieces.resize(total);
            pieces[sequence - 1] =
                QByteArray(reinterpret_cast<const char*>(p + i + 18), length - 16);
        }
        i += 2 + length;
    }
    if (count == 0) {
        return {};
    }
    QByteArray icc;
    for (const QByteArray& piece : pieces) {
        if (piece.isEmpty()) {
            return Damaged(kJpegProfile);
        }
        icc += piece;
    }
    return FromIcc(icc, kJpegProfile);
}

ColorProfile WebpProfile(const QByteArray& file) {
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const qsizetype n = file.size();
    for (qsizetype i = 12; i + 8 <= n;) {
        const qint64 length = qFromLittleEndian<quint32>(p + i + 4);
        if (length > n - i - 8) {
            break;
        }
        if (memcmp(p + i, "ICCP", 4) == 0) {
            return FromIcc(QByteArray(reinterpret_cast<const char*>(p + i + 8), length),
                           kWebpProfile);
        }
        i += 8 + length + (length & 1);
    }
    return {};
}

ColorProfile TiffProfile(const QByteArray& file) {
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const qint64 n = file.size();
    if (n < 16) {
        return {};
    }
    const bool little = p[0] == 'I';
    const auto u16 = [p, little](qint64 at) {
        return little ? qFromLittleEndian<quint16>(p + at) : qFromBigEndian<quint16>(p + at);
    };
    // Classic TIFF has 4-byte counts and offsets and 12-byte entries; BigTIFF 8 and 20.
    const bool big = u16(2) == 43;
    if (u16(2) != 42 && !big) {
        return {};
    }
    const auto word = [p, little, big](qint64 at) -> quint64 {
        if (big) {
            return little ? qFromLittleEndian<quint64>(p + at) : qFromBigEndian<quint64>(p + at);
        }
        return little ? qFromLittleEndian<quint32>(p + at) : qFromBigEndian<quint32>(p + at);
    };
    const qint64 wordBytes = big ? 8 : 4;
    const qint64 entryBytes = big ? 20 : 12;
    const qint64 countBytes = big ? 8 : 2; // the IFD's number of entries
    const quint64 ifd = word(big ? 8 : 4);
    if (ifd > quint64(n - countBytes)) {
        return {};
    }
    const quint64 entries = big ? word(qint64(ifd)) : u16(qint64(ifd));
    const qint64 first = qint64(ifd) + countBytes;
    for (qint64 k = 0; quint64(k) < entries && first + entryBytes * (k + 1) <= n; ++k) {
        const qint64 entry = first + entryBytes * k;
        if (u16(entry) != 34675) { // InterColorProfile
            continue;
        }
        const quint64 count = word(entry + 4);
        const quint64 offset = word(entry + 4 + wordBytes);
        if (count > quint64(kMaxProfileBytes) || offset > quint64(n) ||
            count > quint64(n) - offset) {
            return Damaged(kTiffProfile);
        }
        return FromIcc(QByteArray(reinterpret_cast<const char*>(p + offset), qsizetype(count)),
                       kTiffProfile);
    }
    return {};
}
