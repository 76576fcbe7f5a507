#include "input/PngFirstLook.h"

#include "input/LoadPicture.h"
#include "input/ModernDecoders.h"
#include "input/PictureLimits.h"
#include "input/PngRows.h"
#include "pixels/PendingPixels.h"
#include "pixels/PixelBuffer.h"

#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include <png.h>

namespace {

// Rows published at a time.
constexpr int kBand = 64;

class PngJob;
bool DecodeRows(PngJob* job, uchar* scratch);

class PngJob final : public ArrivingRows {
public:
    QByteArray data;
    void run() {
        YieldToTheWindow();
        std::vector<uchar> scratch(size_t(width()) * 4);
        if (!DecodeRows(this, scratch.data()) && !cancel.load()) {
            greyTheRest();
        }
        data = QByteArray(); // the file's bytes are not needed any more
        finish();
    }
};

// Plain C from here to the end of the namespace: libpng leaves by longjmp, past which no object
// with a destructor may live.

struct PngSource {
    const uchar* data;
    size_t size;
    size_t at;
    const std::atomic<bool>* cancel;
};

// The file's bytes, until the picture is let go: then the decoder gives up at once.
void ReadBytes(png_structp png, png_bytep out, size_t length) {
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (source->cancel->load(std::memory_order_relaxed) || length > source->size - source->at) {
        png_error(png, "no more bytes");
    }
    std::memcpy(out, source->data + source->at, length);
    source->at += length;
}

[[noreturn]] void Failed(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void Warned(png_structp, png_const_charp) {}

// The whole picture with the system's libpng, as the toolkit's reader decodes it (the same
// library; palette and grey expanded to 8-bit RGB, as the loader's conversions give them), a row
// at a time straight into the picture; of the first look's rows only the columns beyond it, and
// published as they come. The first look takes only PNGs without transparency, at 8 bits or fewer,
// not interlaced.
bool DecodeRows(PngJob* job, uchar* scratch) {
    PngSource source{reinterpret_cast<const uchar*>(job->data.constData()),
                     size_t(job->data.size()), 0, &job->cancel};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Failed, Warned);
    png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &source, ReadBytes);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    if (png_get_image_width(png, info) != png_uint_32(job->width()) ||
        png_get_image_height(png, info) != png_uint_32(job->height()) ||
        png_get_rowbytes(png, info) != size_t(job->width()) * 4 ||
        png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    const size_t kept = size_t(job->readyColumns) * 4;
    for (int y = 0; y < job->height() && !job->cancel.load(std::memory_order_relaxed); ++y) {
        uchar* line = job->line(y);
        if (y < job->readyRows) {
            // The first look's block is in already: readers may be reading it.
            png_read_row(png, scratch, nullptr);
            std::memcpy(line + kept, scratch + kept, size_t(job->width()) * 4 - kept);
        } else {
            png_read_row(png, line, nullptr);
        }
        if ((y + 1) % kBand == 0 || y + 1 == job->height()) {
            job->publish(y + 1);
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

// The bytes a row of the PNG takes before its filter byte, for the header's colour types that a
// first look takes (no alpha, at most 8 bits a channel); 0 for any other.
qint64 RowBytes(const uchar* header, int width) {
    const int depth = header[24];
    const int type = header[25];
    const bool interlaced = header[28] != 0;
    if (interlaced || depth > 8) {
        return 0;
    }
    const int channels = type == 0 || type == 3 ? 1 : type == 2 ? 3 : 0;
    return channels == 0 ? 0 : (qint64(width) * channels * depth + 7) / 8;
}

// Whether a chunk before the pixels may make the picture transparent (tRNS).
bool MayBeTransparent(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    for (qsizetype at = 8; at + 12 <= data.size();) {
        const qint64 length = qFromBigEndian<quint32>(p + at);
        if (std::memcmp(p + at + 4, "IDAT", 4) == 0) {
            return false;
        }
        if (std::memcmp(p + at + 4, "tRNS", 4) == 0 || length > data.size() - at - 12) {
            return true;
        }
        at += 12 + length;
    }
    return true;
}

} // namespace

QImage DecodePngFirstLook(const QByteArray& data, QSize area) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    if (area.isEmpty() || data.size() < 33 || !data.startsWith("\x89PNG\r\n\x1a\n") ||
        std::memcmp(p + 12, "IHDR", 4) != 0) {
        return QImage();
    }
    const quint32 width = qFromBigEndian<quint32>(p + 16);
    const quint32 height = qFromBigEndian<quint32>(p + 20);
    CheckPictureSize(width, height);
    const qint64 rowBytes = RowBytes(p, int(width));
    if (int(height) <= area.height() || rowBytes == 0 || !FirstLookArea::damageMayShow() ||
        MayBeTransparent(data) || !PngChunksHold(data)) {
        return QImage();
    }
    const int rows = area.height();
    const int columns = std::min(int(width), area.width());
    auto job = std::make_shared<PngJob>();
    if (!job->allocate(int(width), int(height))) {
        return QImage(); // the usual way says that memory ran out
    }
    job->data = data;
    job->readyColumns = columns;
    job->readyRows = rows;
    const QImage picture = ArrivingRows::PictureOver(job);
    // The whole decode starts at once, on another core, while this one decodes the top rows:
    // the last pixel comes no later than it would without a first look. Nobody sees the picture
    // before its top rows are in.
    PngJob* running = job.get();
    job->start([running] { running->run(); });
    const QImage top = NormalizePicture(EightBitPicture(
        ReadPngAsLoaded(PngFirstRows(data, rows, rowBytes, false, columns, RowBytes(p, columns)))));
    if (top.format() != QImage::Format_RGB32 || top.size() != QSize(columns, rows)) {
        return QImage(); // the picture goes, and its decoder stops
    }
    for (int y = 0; y < rows; ++y) {
        std::memcpy(job->line(y), top.constScanLine(y), size_t(columns) * 4);
    }
    return picture;
}
