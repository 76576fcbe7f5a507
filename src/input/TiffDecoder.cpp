// TIFF pictures beyond what Qt's reader reads as they are stored: grey with alpha (whose alpha Qt
// drops), floating-point samples, integers of depths other than 1, 2, 4, 8 and 16 bits, signed
// integers, deep grey and palettes, 16-bit RGB in separate planes or with more than one extra
// sample, and tiled pictures that Qt would hand whole to libtiff's RGBA interface. They are read
// here with libtiff, from strips or tiles. Qt's reader keeps the kinds it reads exactly, so they
// read as they always have; a kind neither reads is refused by name.

#include "input/ModernDecoders.h"
#include "pixels/PixelBuffer.h"

#include <QCoreApplication>
#include <QRgba64>
#include <QScopeGuard>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <tiffio.h>
#include <vector>

namespace {

struct Memory {
    const QByteArray& bytes;
    toff_t at = 0;
};

tsize_t Read(thandle_t handle, tdata_t to, tsize_t size) {
    auto* m = static_cast<Memory*>(handle);
    const toff_t left = toff_t(m->bytes.size()) - std::min<toff_t>(m->at, m->bytes.size());
    const toff_t n = std::min<toff_t>(left, toff_t(size));
    std::memcpy(to, m->bytes.constData() + m->at, n);
    m->at += n;
    return tsize_t(n);
}
tsize_t Write(thandle_t, tdata_t, tsize_t) {
    return 0;
}
toff_t Seek(thandle_t handle, toff_t offset, int whence) {
    auto* m = static_cast<Memory*>(handle);
    const toff_t base = whence == SEEK_CUR ? m->at : whence == SEEK_END ? m->bytes.size() : 0;
    m->at = base + offset;
    return m->at;
}
int Close(thandle_t) {
    return 0;
}
toff_t Size(thandle_t handle) {
    return toff_t(static_cast<Memory*>(handle)->bytes.size());
}
int Map(thandle_t, tdata_t*, toff_t*) {
    return 0;
}
void Unmap(thandle_t, tdata_t, toff_t) {}

// libtiff's words go to standard error unless told otherwise; the loader gives its own.
void Silent(const char*, const char*, va_list) {}

// The first picture's layout, as its tags state it (with libtiff's defaults).
struct Layout {
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t photometric = 0;
    uint16_t bits = 1;
    uint16_t format = SAMPLEFORMAT_UINT;
    uint16_t samples = 1;
    uint16_t planar = PLANARCONFIG_CONTIG;
    uint16_t inkset = INKSET_CMYK;
    std::vector<uint16_t> extras; // what each sample beyond the colours holds
    bool tiled = false;
    uint32_t tileWidth = 0;
    uint32_t tileHeight = 0;

    bool grey() const {
        return photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE;
    }
    bool rgb() const { return photometric == PHOTOMETRIC_RGB; }
    bool palette() const { return photometric == PHOTOMETRIC_PALETTE; }
    bool integers() const { return format == SAMPLEFORMAT_UINT || format == SAMPLEFORMAT_INT; }
    int colours() const { return rgb() ? 3 : 1; }
    // The sample that holds alpha: the first extra one that says so; -1 for none.
    int alphaSample() const {
        for (size_t i = 0; i < extras.size() && colours() + i < samples; ++i) {
            if (extras[i] == EXTRASAMPLE_ASSOCALPHA || extras[i] == EXTRASAMPLE_UNASSALPHA) {
                return colours() + int(i);
            }
        }
        return -1;
    }
    bool associated() const {
        const int alpha = alphaSample();
        return alpha >= 0 && extras[size_t(alpha - colours())] == EXTRASAMPLE_ASSOCALPHA;
    }
};

Layout LayoutOf(TIFF* tiff) {
    Layout l;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &l.width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &l.height);
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &l.photometric);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &l.bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &l.format);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &l.samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &l.planar);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_INKSET, &l.inkset);
    uint16_t count = 0;
    uint16_t* kinds = nullptr;
    if (TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &count, &kinds) && kinds != nullptr) {
        l.extras.assign(kinds, kinds + count);
    }
    if (l.format == SAMPLEFORMAT_VOID) {
        l.format = SAMPLEFORMAT_UINT; // untyped data, read as unsigned
    }
    l.tiled = TIFFIsTiled(tiff) != 0;
    if (l.tiled) {
        TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &l.tileWidth);
        TIFFGetField(tiff, TIFFTAG_TILELENGTH, &l.tileHeight);
    }
    return l;
}

// What the refusal calls the picture's colours.
QString PhotometricName(const Layout& l) {
    switch (l.photometric) {
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_MINISBLACK:
        //: Put in for %1 of "%1 with %2 channels" and the like: a TIFF picture's kind of colour.
        return QCoreApplication::translate("LoadPicture", "grey");
    case PHOTOMETRIC_RGB:
        return QStringLiteral("RGB");
    case PHOTOMETRIC_PALETTE:
        //: Put in for %1 of "%1 with %2 channels" and the like: a TIFF picture's kind of colour.
        return QCoreApplication::translate("LoadPicture", "palette");
    case PHOTOMETRIC_SEPARATED:
        return l.inkset == INKSET_CMYK ? QStringLiteral("CMYK")
                                       //: Put in for %1 of "%1 with %2 channels" and the like: a
                                       //: TIFF picture's kind of colour (printing inks).
                                       : QCoreApplication::translate("LoadPicture", "inks");
    case PHOTOMETRIC_YCBCR:
        return QStringLiteral("YCbCr");
    case PHOTOMETRIC_CIELAB:
        return QStringLiteral("CIE L*a*b*");
    case PHOTOMETRIC_ICCLAB:
        return QStringLiteral("ICC L*a*b*");
    case PHOTOMETRIC_ITULAB:
        return QStringLiteral("ITU L*a*b*");
    case PHOTOMETRIC_LOGL:
        return QStringLiteral("LogL");
    case PHOTOMETRIC_LOGLUV:
        return QStringLiteral("LogLuv");
    default:
        //: Put in for %1 of "%1 with %2 channels" and the like: a TIFF picture's kind of colour
        //: that has no name, by its number.
        return QCoreApplication::translate("LoadPicture", "colour kind %1").arg(l.photometric);
    }
}

[[noreturn]] void ThrowUnsupported(const QString& kind) {
    //: %1: the kind, in a few words that start in lowercase where the language allows ("CMYK
    //: with 16-bit samples", "grey with 12-bit floating-point samples").
    ThrowInvalidPicture(
        QCoreApplication::translate("LoadPicture", "this kind of TIFF is not supported (%1).")
            .arg(kind));
}

[[noreturn]] void ThrowUnsupportedChannels(const Layout& l) {
    //: %1: a kind of colour ("RGB", "CMYK"); %2: how many samples each pixel has.
    ThrowUnsupported(QCoreApplication::translate("LoadPicture", "%1 with %2 channels")
                         .arg(PhotometricName(l))
                         .arg(l.samples));
}

[[noreturn]] void ThrowUnsupportedSamples(const Layout& l) {
    const char* text = nullptr;
    switch (l.format) {
    case SAMPLEFORMAT_INT:
        //: %1: a kind of colour ("grey", "palette"); %2: the bits of each sample.
        text = QT_TRANSLATE_NOOP("LoadPicture", "%1 with %2-bit signed integer samples");
        break;
    case SAMPLEFORMAT_IEEEFP:
        //: %1: a kind of colour ("grey", "palette"); %2: the bits of each sample.
        text = QT_TRANSLATE_NOOP("LoadPicture", "%1 with %2-bit floating-point samples");
        break;
    case SAMPLEFORMAT_COMPLEXINT:
    case SAMPLEFORMAT_COMPLEXIEEEFP:
        //: %1: a kind of colour ("grey", "palette"); %2: the bits of each sample.
        text = QT_TRANSLATE_NOOP("LoadPicture", "%1 with %2-bit complex samples");
        break;
    default:
        //: %1: a kind of colour ("CMYK", "YCbCr"); %2: the bits of each sample.
        text = QT_TRANSLATE_NOOP("LoadPicture", "%1 with %2-bit samples");
    }
    ThrowUnsupported(
        QCoreApplication::translate("LoadPicture", text).arg(PhotometricName(l)).arg(l.bits));
}

// Whether libtiff's RGBA interface, which Qt's reader uses for the kinds it does not read itself,
// takes the picture.
bool RgbaInterfaceReads(TIFF* tiff) {
    char message[1024];
    TIFFRGBAImage image;
    if (!TIFFRGBAImageOK(tiff, message) || !TIFFRGBAImageBegin(&image, tiff, 0, message)) {
        return false;
    }
    TIFFRGBAImageEnd(&image);
    return true;
}

// The unsigned grey, palette and RGB kinds Qt's reader reads as they are stored: 1 and 8-bit grey
// and 8-bit palettes line by line or tile by tile (its tiles whole multiples of 16 pixels), 16-bit
// RGB with its planes together the same way, and in strips through libtiff's RGBA interface 2 and
// 4-bit grey, palettes of up to 4 bits and 8-bit RGB in either planar layout. (It asks that
// interface for the whole picture at once, which fails for tiled pictures.)
bool QtReads(const Layout& l) {
    const bool tilesFit = !l.tiled || (l.tileWidth % 16 == 0 && l.tileHeight % 16 == 0);
    if (l.grey() && l.samples == 1) {
        return ((l.bits == 2 || l.bits == 4) && !l.tiled) ||
               ((l.bits == 1 || l.bits == 8) && tilesFit);
    }
    if (l.palette() && l.samples == 1) {
        return ((l.bits == 1 || l.bits == 2 || l.bits == 4) && !l.tiled) ||
               (l.bits == 8 && tilesFit);
    }
    if (l.rgb()) {
        return (l.bits == 8 && !l.tiled) || (l.bits == 16 && l.planar == PLANARCONFIG_CONTIG &&
                                             (l.samples == 3 || l.samples == 4) && tilesFit);
    }
    return false;
}

// Qt's reader; ours, sample by sample; or libtiff's RGBA interface tile by tile.
enum class Reader { Qt, Ours, RgbaTiles };

// Who reads the picture; throws for a kind neither reads.
Reader ReaderOf(TIFF* tiff, const Layout& l) {
    if (!l.grey() && !l.rgb() && !l.palette()) {
        if (l.format != SAMPLEFORMAT_UINT) {
            ThrowUnsupportedSamples(l);
        }
        if (l.photometric == PHOTOMETRIC_SEPARATED && l.inkset == INKSET_CMYK &&
            l.samples - l.extras.size() != 4) {
            ThrowUnsupportedChannels(l);
        }
        if (!RgbaInterfaceReads(tiff)) {
            if (l.photometric == PHOTOMETRIC_SEPARATED && l.inkset != INKSET_CMYK) {
                ThrowUnsupportedChannels(l);
            }
            ThrowUnsupportedSamples(l);
        }
        return l.tiled ? Reader::RgbaTiles : Reader::Qt;
    }
    if (l.samples < l.colours() || (l.palette() && l.samples != 1)) {
        ThrowUnsupportedChannels(l);
    }
    switch (l.format) {
    case SAMPLEFORMAT_UINT:
        if (l.bits == 0 || l.bits > 64 || (l.palette() && l.bits > 16)) {
            ThrowUnsupportedSamples(l);
        }
        return QtReads(l) ? Reader::Qt : Reader::Ours;
    case SAMPLEFORMAT_INT:
        if (l.bits == 0 || l.bits > 64 || l.palette()) {
            ThrowUnsupportedSamples(l);
        }
        return Reader::Ours;
    case SAMPLEFORMAT_IEEEFP:
        if ((l.bits != 16 && l.bits != 24 && l.bits != 32 && l.bits != 64) || l.palette()) {
            ThrowUnsupportedSamples(l);
        }
        return Reader::Ours;
    default:
        ThrowUnsupportedSamples(l);
    }
}

[[noreturn]] void ThrowUnreadable() {
    ThrowDamaged(QStringLiteral("TIFF"),
                 QCoreApplication::translate("LoadPicture", "it cannot be decoded"));
}

// `bits` bits from a stream, most significant first (the order libtiff hands over samples that
// are no whole number of bytes).
uint64_t StreamBits(const uchar* row, uint64_t first, int bits) {
    uint64_t at = first >> 3;
    const int skip = int(first & 7);
    uint64_t v = row[at++] & (0xffu >> skip);
    int need = bits - (8 - skip);
    if (need <= 0) {
        return v >> -need;
    }
    for (; need >= 8; need -= 8) {
        v = v << 8 | row[at++];
    }
    return need > 0 ? v << need | uint64_t(row[at] >> (8 - need)) : v;
}

// Sample i of a row: 16, 24, 32 and 64-bit samples come in this machine's byte order (libtiff
// swaps those of the other order), other depths as a stream of bits.
uint64_t SampleBits(const uchar* row, uint64_t i, int bits) {
    switch (bits) {
    case 8:
        return row[i];
    case 16: {
        uint16_t v;
        std::memcpy(&v, row + 2 * i, 2);
        return v;
    }
    case 24: {
        const uchar* p = row + 3 * i;
        return Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? p[0] | p[1] << 8 | p[2] << 16
                                               : p[2] | p[1] << 8 | p[0] << 16;
    }
    case 32: {
        uint32_t v;
        std::memcpy(&v, row + 4 * i, 4);
        return v;
    }
    case 64: {
        uint64_t v;
        std::memcpy(&v, row + 8 * i, 8);
        return v;
    }
    default:
        return StreamBits(row, i * bits, bits);
    }
}

// A float of one sign bit, `exponentBits` and `mantissaBits`, laid out as IEEE 754 lays them out
// (the top exponent for the infinities and NaN): half floats (5 and 10) and the 24-bit floats
// some TIFF writers use (7 and 16, bias 63).
float SmallFloat(uint32_t v, int exponentBits, int mantissaBits) {
    const int bias = (1 << (exponentBits - 1)) - 1;
    const int top = (1 << exponentBits) - 1;
    const int exponent = int(v >> mantissaBits) & top;
    const uint32_t mantissa = v & ((1u << mantissaBits) - 1);
    float f = 0;
    if (exponent == top) {
        f = mantissa != 0 ? std::numeric_limits<float>::quiet_NaN()
                          : std::numeric_limits<float>::infinity();
    } else if (exponent == 0) {
        f = std::ldexp(float(mantissa), 1 - bias - mantissaBits);
    } else {
        f = std::ldexp(float(mantissa | 1u << mantissaBits), exponent - bias - mantissaBits);
    }
    return (v >> (exponentBits + mantissaBits) & 1) != 0 ? -f : f;
}

float FloatSample(const uchar* row, uint64_t i, int bits) {
    const uint64_t v = SampleBits(row, i, bits);
    switch (bits) {
    case 16:
        return SmallFloat(uint32_t(v), 5, 10);
    case 24:
        return SmallFloat(uint32_t(v), 7, 16);
    case 32: {
        float f;
        const auto b = uint32_t(v);
        std::memcpy(&f, &b, 4);
        return f;
    }
    default: {
        double d;
        std::memcpy(&d, &v, 8);
        return float(d);
    }
    }
}

// Hands each sample of the picture, from its strips or tiles in either planar layout, to
// take(x, y, sample, row, i), where i counts the samples of that row of the strip or tile.
template <typename Take> void EachSample(TIFF* tiff, const Layout& l, const Take& take) {
    const bool apart = l.planar == PLANARCONFIG_SEPARATE && l.samples > 1;
    const int planes = apart ? l.samples : 1;
    const int perPixel = apart ? 1 : l.samples;
    const tmsize_t blockSize = l.tiled ? TIFFTileSize(tiff) : TIFFStripSize(tiff);
    if (blockSize <= 0) {
        ThrowUnreadable();
    }
    if (blockSize > MaxPictureBytes()) {
        ThrowTooLarge(l.width, l.height);
    }
    std::vector<uchar> block(static_cast<size_t>(blockSize));
    uint32_t rowsPerStrip = l.height;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    rowsPerStrip = std::clamp<uint32_t>(rowsPerStrip, 1, l.height);
    const uint32_t blockWidth = l.tiled ? l.tileWidth : l.width;
    const uint32_t blockHeight = l.tiled ? l.tileHeight : rowsPerStrip;
    if (blockWidth == 0 || blockHeight == 0) {
        ThrowUnreadable();
    }
    const uint64_t rowBytes = (uint64_t(blockWidth) * perPixel * l.bits + 7) / 8;
    for (int plane = 0; plane < planes; ++plane) {
        for (uint32_t top = 0; top < l.height; top += blockHeight) {
            for (uint32_t left = 0; left < l.width; left += blockWidth) {
                const auto p = uint16_t(plane);
                const tmsize_t got =
                    l.tiled ? TIFFReadEncodedTile(tiff, TIFFComputeTile(tiff, left, top, 0, p),
                                                  block.data(), blockSize)
                            : TIFFReadEncodedStrip(tiff, TIFFComputeStrip(tiff, top, p),
                                                   block.data(), blockSize);
                const uint32_t rows = std::min(blockHeight, l.height - top);
                const uint32_t columns = std::min(blockWidth, l.width - left);
                if (got < 0 ||
                    uint64_t(got) <
                        (rows - 1) * rowBytes + (uint64_t(columns) * perPixel * l.bits + 7) / 8) {
                    ThrowUnreadable();
                }
                for (uint32_t r = 0; r < rows; ++r) {
                    const uchar* row = block.data() + r * rowBytes;
                    for (uint32_t c = 0; c < columns; ++c) {
                        for (int s = 0; s < perPixel; ++s) {
                            take(left + c, top + r, apart ? plane : s, row,
                                 uint64_t(c) * perPixel + s);
                        }
                    }
                }
            }
        }
    }
}

// The channel (red, green, blue, alpha) a sample goes to; -1 for samples that are not shown.
std::vector<int> ChannelsOf(const Layout& l) {
    std::vector<int> channels(l.samples, -1);
    for (int s = 0; s < l.colours(); ++s) {
        channels[size_t(s)] = s;
    }
    if (const int alpha = l.alphaSample(); alpha >= 0) {
        channels[size_t(alpha)] = 3;
    }
    return channels;
}

QImage NewDeepPicture(const Layout& l, QImage::Format format) {
    const qint64 bytes =
        qint64(l.width) * l.height * QImage::toPixelFormat(format).bitsPerPixel() / 8;
    if (bytes > MaxPictureBytes()) {
        ThrowTooLarge(l.width, l.height);
    }
    QImage image = NewPicture(QSize(int(l.width), int(l.height)), format);
    if (image.isNull()) {
        ThrowNoMemory(l.width, l.height);
    }
    return image;
}

// Floating-point samples as they are stored (min-is-white grey as 1 − v), into a picture of
// 32-bit floats that EightBitPicture shows and keeps.
QImage ReadFloats(TIFF* tiff, const Layout& l, StoredValuesKept* kept) {
    const bool alpha = l.alphaSample() >= 0;
    const bool associated = l.associated();
    QImage image = NewDeepPicture(l, !alpha       ? QImage::Format_RGBX32FPx4
                                     : associated ? QImage::Format_RGBA32FPx4_Premultiplied
                                                  : QImage::Format_RGBA32FPx4);
    const std::vector<int> channels = ChannelsOf(l);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<float*>(image.scanLine(y));
        std::fill(line, line + 4 * qsizetype(image.width()), 1.0f);
    }
    EachSample(tiff, l, [&](uint32_t x, uint32_t y, int sample, const uchar* row, uint64_t i) {
        if (const int channel = channels[size_t(sample)]; channel >= 0) {
            reinterpret_cast<float*>(image.scanLine(int(y)))[4 * qsizetype(x) + channel] =
                FloatSample(row, i, l.bits);
        }
    });
    if (l.grey()) {
        const bool whiteIsZero = l.photometric == PHOTOMETRIC_MINISWHITE;
        for (int y = 0; y < image.height(); ++y) {
            auto* p = reinterpret_cast<float*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x, p += 4) {
                if (whiteIsZero) {
                    p[0] = (associated ? p[3] : 1.0f) - p[0];
                }
                p[1] = p[2] = p[0];
            }
        }
    }
    return EightBitPicture(std::move(image), kept);
}

// Integer samples: each gathered as stored (signed ones moved up by half their range, so the
// most negative is black), then scaled to the picture's depth: 8 bits for samples of up to 8,
// otherwise 16, which EightBitPicture shows and keeps at the file's own depth (16 for deeper
// samples). Palettes give their colours.
QImage ReadIntegers(TIFF* tiff, const Layout& l, StoredValuesKept* kept) {
    const bool alpha = l.alphaSample() >= 0;
    const bool associated = l.associated();
    const bool deep = l.bits > 8 || l.palette();
    const int bits = l.palette() ? 16 : std::min<int>(l.bits, 16);
    const uint64_t top = (uint64_t(2) << (l.bits - 1)) - 1; // 2^bits − 1 for every depth to 64
    const uint64_t signBit = l.format == SAMPLEFORMAT_INT ? uint64_t(1) << (l.bits - 1) : 0;
    // Samples of more than 16 bits are gathered at 16: as much as the picture keeps.
    const auto gathered = [&](uint64_t v) -> uint32_t {
        v ^= signBit;
        if (l.bits <= 16 || l.palette()) {
            return uint32_t(v);
        }
        return uint32_t(std::lround(static_cast<long double>(v) * 65535 / top));
    };
    const uint32_t full = uint32_t((uint64_t(1) << bits) - 1);
    const uint32_t shownFull = deep ? 65535 : 255;
    QImage::Format format = QImage::Format_ARGB32;
    if (deep) {
        format = !alpha       ? QImage::Format_RGBX64
                 : associated ? QImage::Format_RGBA64_Premultiplied
                              : QImage::Format_RGBA64;
    } else if (associated) {
        format = QImage::Format_ARGB32_Premultiplied;
    } else if (!alpha) {
        format = QImage::Format_RGB32;
    }
    QImage image = NewDeepPicture(l, format);
    const std::vector<int> channels = ChannelsOf(l);
    // Gathered in the picture's own memory, four values a pixel (red, green, blue, alpha) of 8 or
    // 16 bits, then turned into its pixels in place.
    const auto put = [&image, deep](uint32_t x, uint32_t y, int channel, uint32_t v) {
        uchar* line = image.scanLine(int(y));
        if (deep) {
            reinterpret_cast<quint16*>(line)[4 * qsizetype(x) + channel] = quint16(v);
        } else {
            line[4 * qsizetype(x) + channel] = uchar(v);
        }
    };
    for (int y = 0; y < image.height(); ++y) {
        std::memset(image.scanLine(y), 0xff, size_t(image.bytesPerLine()));
    }
    EachSample(tiff, l, [&](uint32_t x, uint32_t y, int sample, const uchar* row, uint64_t i) {
        if (const int channel = channels[size_t(sample)]; channel >= 0) {
            put(x, y, channel, gathered(SampleBits(row, i, l.bits)));
        }
    });
    // The palette's colours: 16 bits each, or 8 in files that write them so (every one below
    // 256), as libtiff takes them too.
    uint16_t* maps[3] = {nullptr, nullptr, nullptr};
    bool eightBitMap = false;
    if (l.palette()) {
        if (!TIFFGetField(tiff, TIFFTAG_COLORMAP, &maps[0], &maps[1], &maps[2]) ||
            maps[0] == nullptr || maps[1] == nullptr || maps[2] == nullptr) {
            ThrowUnreadable();
        }
        const size_t entries = size_t(1) << l.bits;
        eightBitMap = true;
        for (size_t i = 0; i < entries && eightBitMap; ++i) {
            eightBitMap = maps[0][i] < 256 && maps[1][i] < 256 && maps[2][i] < 256;
        }
    }
    const uint32_t sampleFull = l.palette() ? 65535 : l.bits > 16 ? 65535 : full;
    const auto scaled = [sampleFull, shownFull](uint32_t v) {
        return uint32_t((uint64_t(v) * shownFull * 2 + sampleFull) / (2 * uint64_t(sampleFull)));
    };
    const bool whiteIsZero = l.photometric == PHOTOMETRIC_MINISWHITE;
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            uint32_t v[4];
            for (int c = 0; c < 4; ++c) {
                v[c] = deep ? reinterpret_cast<const quint16*>(line)[4 * x + c] : line[4 * x + c];
            }
            const uint32_t a = alpha ? v[3] : sampleFull;
            if (l.palette()) {
                const uint32_t index = v[0];
                for (int c = 0; c < 3; ++c) {
                    const uint16_t colour = maps[c][index];
                    v[c] = eightBitMap ? colour * 257u : colour;
                }
            } else {
                if (l.grey()) {
                    if (whiteIsZero) {
                        const uint32_t white = associated ? a : sampleFull;
                        v[0] = white - std::min(v[0], white);
                    }
                    v[1] = v[2] = v[0];
                }
                if (associated) {
                    for (int c = 0; c < 3; ++c) {
                        v[c] = std::min(v[c], a);
                    }
                }
                for (int c = 0; c < 3; ++c) {
                    v[c] = scaled(v[c]);
                }
            }
            const uint32_t shownAlpha = alpha ? scaled(a) : shownFull;
            if (deep) {
                reinterpret_cast<QRgba64*>(line)[x] =
                    qRgba64(quint16(v[0]), quint16(v[1]), quint16(v[2]), quint16(shownAlpha));
            } else {
                reinterpret_cast<QRgb*>(line)[x] =
                    qRgba(int(v[0]), int(v[1]), int(v[2]), int(shownAlpha));
            }
        }
    }
    if (!deep) {
        return image;
    }
    // A palette of up to 256 colours keeps nothing, as when Qt's reader reads it; nor does one
    // written with 8-bit colours.
    const bool fine = !eightBitMap && l.bits > 8;
    return EightBitPicture(std::move(image), fine ? kept : nullptr, bits);
}

// The kinds libtiff's RGBA interface converts (CMYK, YCbCr, L*a*b* and the like) when tiled: tile
// by tile, each handed over bottom row first. Its alpha comes premultiplied.
QImage ReadRgbaTiles(TIFF* tiff, const Layout& l) {
    const bool alpha = l.alphaSample() >= 0;
    QImage image =
        NewDeepPicture(l, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (l.tileWidth == 0 || l.tileHeight == 0) {
        ThrowUnreadable();
    }
    if (qint64(l.tileWidth) * l.tileHeight * 4 > MaxPictureBytes()) {
        ThrowTooLarge(l.width, l.height);
    }
    std::vector<uint32_t> tile(size_t(l.tileWidth) * l.tileHeight);
    for (uint32_t top = 0; top < l.height; top += l.tileHeight) {
        for (uint32_t left = 0; left < l.width; left += l.tileWidth) {
            if (!TIFFReadRGBATile(tiff, left, top, tile.data())) {
                ThrowUnreadable();
            }
            const uint32_t rows = std::min(l.tileHeight, l.height - top);
            const uint32_t columns = std::min(l.tileWidth, l.width - left);
            for (uint32_t r = 0; r < rows; ++r) {
                const uint32_t* from = tile.data() + size_t(l.tileHeight - 1 - r) * l.tileWidth;
                auto* to = reinterpret_cast<QRgb*>(image.scanLine(int(top + r))) + left;
                for (uint32_t c = 0; c < columns; ++c) {
                    const uint32_t p = from[c];
                    to[c] = qRgba(int(TIFFGetR(p)), int(TIFFGetG(p)), int(TIFFGetB(p)),
                                  alpha ? int(TIFFGetA(p)) : 255);
                }
            }
        }
    }
    return image;
}

} // namespace

QImage DecodeTiff(const QByteArray& data, StoredValuesKept* kept) {
    static const bool silenced = (TIFFSetWarningHandler(Silent), TIFFSetErrorHandler(Silent), true);
    (void)silenced;
    Memory memory{data};
    TIFF* tiff =
        TIFFClientOpen("picture", "rm", &memory, Read, Write, Seek, Close, Size, Map, Unmap);
    if (tiff == nullptr) {
        return QImage(); // Qt's reader says what is wrong with it
    }
    const auto done = qScopeGuard([tiff] { TIFFClose(tiff); });
    const Layout l = LayoutOf(tiff);
    if (l.width == 0 || l.height == 0) {
        return QImage();
    }
    const Reader reader = ReaderOf(tiff, l);
    if (reader == Reader::Qt) {
        return QImage();
    }
    CheckPictureSize(l.width, l.height);
    if (reader == Reader::RgbaTiles) {
        return ReadRgbaTiles(tiff, l);
    }
    return l.format == SAMPLEFORMAT_IEEEFP ? ReadFloats(tiff, l, kept)
                                           : ReadIntegers(tiff, l, kept);
}

TiffRows TiffWholeRows(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const bool little = data.startsWith("II*");
    if (data.size() < 8 || !(little || data.startsWith("MM\0*"))) {
        return {}; // BigTIFF's directory is not patched here
    }
    Memory memory{data};
    TIFF* tiff =
        TIFFClientOpen("picture", "rm", &memory, Read, Write, Seek, Close, Size, Map, Unmap);
    if (tiff == nullptr) {
        return {};
    }
    const auto done = qScopeGuard([tiff] { TIFFClose(tiff); });
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t orientation = ORIENTATION_TOPLEFT;
    uint16_t planar = PLANARCONFIG_CONTIG;
    uint16_t samples = 1;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    if (width == 0 || height == 0 || height > 0x7fffffff || orientation != ORIENTATION_TOPLEFT) {
        return {};
    }
    const bool tiled = TIFFIsTiled(tiff) != 0;
    uint32_t across = 1; // pieces side by side
    uint32_t rowsEach = height;
    if (tiled) {
        uint32_t tileWidth = 0;
        TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &tileWidth);
        TIFFGetField(tiff, TIFFTAG_TILELENGTH, &rowsEach);
        if (tileWidth == 0) {
            return {};
        }
        across = (width + tileWidth - 1) / tileWidth;
    } else {
        TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &rowsEach);
    }
    if (rowsEach == 0) {
        return {};
    }
    const uint32_t down = (height + rowsEach - 1) / rowsEach;
    const uint32_t planes = planar == PLANARCONFIG_SEPARATE ? samples : 1;
    const uint64_t count = tiled ? TIFFNumberOfTiles(tiff) : TIFFNumberOfStrips(tiff);
    uint64_t* offsets = nullptr;
    uint64_t* lengths = nullptr;
    if (count < uint64_t(across) * down * planes ||
        TIFFGetField(tiff, tiled ? TIFFTAG_TILEOFFSETS : TIFFTAG_STRIPOFFSETS, &offsets) == 0 ||
        TIFFGetField(tiff, tiled ? TIFFTAG_TILEBYTECOUNTS : TIFFTAG_STRIPBYTECOUNTS, &lengths) ==
            0 ||
        offsets == nullptr || lengths == nullptr) {
        return {};
    }
    // The first row of pieces, in any plane, with a piece past the end of the data.
    uint32_t whole = down;
    for (uint32_t plane = 0; plane < planes; ++plane) {
        for (uint32_t row = 0; row < whole; ++row) {
            for (uint32_t column = 0; column < across; ++column) {
                const uint64_t i = (uint64_t(plane) * down + row) * across + column;
                if (offsets[i] > uint64_t(data.size()) ||
                    lengths[i] > uint64_t(data.size()) - offsets[i]) {
                    whole = row;
                    break;
                }
            }
        }
    }
    const int rows = int(std::min<uint64_t>(height, uint64_t(whole) * rowsEach));
    if (rows == 0 || rows >= int(height)) {
        return {}; // nothing whole, or every piece there: not cut short in its pixels
    }
    // The first directory's height, rewritten: the pieces beyond are not read.
    const auto u16 = [&](qint64 at) {
        return little ? qFromLittleEndian<quint16>(p + at) : qFromBigEndian<quint16>(p + at);
    };
    const qint64 directory =
        little ? qFromLittleEndian<quint32>(p + 4) : qFromBigEndian<quint32>(p + 4);
    if (directory + 2 > data.size()) {
        return {};
    }
    const int entries = u16(directory);
    QByteArray patched = data;
    auto* out = reinterpret_cast<uchar*>(patched.data());
    for (int k = 0; k < entries; ++k) {
        const qint64 entry = directory + 2 + 12 * qint64(k);
        if (entry + 12 > data.size()) {
            break;
        }
        if (u16(entry) != TIFFTAG_IMAGELENGTH) {
            continue;
        }
        const int type = u16(entry + 2);
        if (type == TIFF_SHORT) {
            little ? qToLittleEndian<quint16>(quint16(rows), out + entry + 8)
                   : qToBigEndian<quint16>(quint16(rows), out + entry + 8);
        } else if (type == TIFF_LONG) {
            little ? qToLittleEndian<quint32>(quint32(rows), out + entry + 8)
                   : qToBigEndian<quint32>(quint32(rows), out + entry + 8);
        } else {
            return {};
        }
        return {patched, rows, int(height)};
    }
    return {};
}
