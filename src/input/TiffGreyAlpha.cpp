// TIFF grey pictures with an alpha channel, which Qt's reader shows opaque: read with libtiff,
// line by line at 8 and 16 bits, through its RGBA interface in other layouts.

#include "input/ModernDecoders.h"
#include "pixels/PixelBuffer.h"

#include <QCoreApplication>
#include <cstring>
#include <tiffio.h>

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

} // namespace

QImage DecodeTiffGreyAlpha(const QByteArray& data) {
    static const bool silenced = (TIFFSetWarningHandler(Silent), TIFFSetErrorHandler(Silent), true);
    (void)silenced;
    Memory memory{data};
    TIFF* tiff =
        TIFFClientOpen("picture", "rm", &memory, Read, Write, Seek, Close, Size, Map, Unmap);
    if (tiff == nullptr) {
        return QImage();
    }
    const auto done = qScopeGuard([tiff] { TIFFClose(tiff); });
    uint16_t photometric = 0, samples = 1, extras = 0;
    uint16_t* extraKinds = nullptr;
    uint32_t width = 0, height = 0;
    TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_EXTRASAMPLES, &extras, &extraKinds);
    if ((photometric != PHOTOMETRIC_MINISBLACK && photometric != PHOTOMETRIC_MINISWHITE) ||
        samples != 2 || extras != 1 || extraKinds[0] == EXTRASAMPLE_UNSPECIFIED ||
        !TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height)) {
        return QImage(); // not grey with alpha: Qt's reader takes it
    }
    CheckPictureSize(width, height);
    const bool associated = extraKinds[0] == EXTRASAMPLE_ASSOCALPHA;
    QImage image =
        NewPicture(QSize(int(width), int(height)),
                   associated ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32);
    if (image.isNull()) {
        ThrowNoMemory(width, height);
    }
    const auto damaged = [] {
        ThrowDamaged(QStringLiteral("TIFF"),
                     QCoreApplication::translate("LoadPicture", "its grey and alpha samples "
                                                                "cannot be read"));
    };
    uint16_t bits = 8, planes = PLANARCONFIG_CONTIG;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planes);
    if (TIFFIsTiled(tiff) || planes != PLANARCONFIG_CONTIG || (bits != 8 && bits != 16)) {
        // libtiff's RGBA interface takes every layout; it passes the samples on as they are
        // stored (for 16 bits it leaves the alpha out, as Qt's reader does).
        QImage rgba = NewPicture(image.size(), associated ? QImage::Format_RGBA8888_Premultiplied
                                                          : QImage::Format_RGBA8888);
        if (rgba.isNull()) {
            ThrowNoMemory(width, height);
        }
        if (!TIFFReadRGBAImageOriented(tiff, width, height,
                                       reinterpret_cast<uint32_t*>(rgba.bits()),
                                       ORIENTATION_TOPLEFT, 0)) {
            damaged();
        }
        return rgba;
    }
    const bool whiteIsZero = photometric == PHOTOMETRIC_MINISWHITE;
    QByteArray line(TIFFScanlineSize(tiff), Qt::Uninitialized);
    for (uint32_t y = 0; y < height; ++y) {
        if (TIFFReadScanline(tiff, line.data(), y, 0) < 0) {
            damaged();
        }
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        const auto* bytes = reinterpret_cast<const uchar*>(line.constData());
        const auto* words = reinterpret_cast<const uint16_t*>(line.constData());
        for (uint32_t x = 0; x < width; ++x) {
            // 16-bit values to the nearest 8-bit one, as for every deep picture.
            int grey = bits == 8 ? bytes[2 * x] : int((words[2 * x] * 255u + 32767) / 65535);
            const int alpha =
                bits == 8 ? bytes[2 * x + 1] : int((words[2 * x + 1] * 255u + 32767) / 65535);
            if (whiteIsZero) {
                grey = (associated ? alpha : 255) - std::min(grey, associated ? alpha : 255);
            }
            grey = associated ? std::min(grey, alpha) : grey;
            out[x] = qRgba(grey, grey, grey, alpha);
        }
    }
    return image;
}
