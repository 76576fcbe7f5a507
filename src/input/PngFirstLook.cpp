#include "input/PngFirstLook.h"

#include "input/PictureLimits.h"
#include "input/PngRows.h"
#include "pixels/PendingPixels.h"
#include "pixels/PixelBuffer.h"

#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

#include <png.h>

namespace {

// Rows published at a time.
constexpr int kBand = 64;

class PngJob;
bool DecodeRest(PngJob* job, uchar* scratch);

class PngJob final : public ArrivingRows {
public:
    QByteArray data;
    void run() {
        YieldToTheWindow();
        std::vector<uchar> scratch(size_t(width()) * 4);
        if (!DecodeRest(this, scratch.data()) && !cancel.load()) {
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

// Where the rows go: each row y of the first `rows` is decoded into lineFor(y), then handed to
// arrived(y); both are given `to`.
struct RowsTo {
    int rows;
    uchar* (*lineFor)(void* to, int y);
    void (*arrived)(void* to, int y);
    void* to;
};

// The picture's top rows with the system's libpng, as the toolkit's reader decodes them (the same
// library; palette and grey expanded to 8-bit RGB, as the loader's conversions give them). A
// first look takes only PNGs without transparency, at 8 bits or fewer, not interlaced, of the
// width and height given, whose chunks' checksums have held (PngChunksHold). False when the data
// fail or the picture is let go.
bool ReadRows(const QByteArray& data, int width, int height, const std::atomic<bool>* cancel,
              const RowsTo& out) {
    PngSource source{reinterpret_cast<const uchar*>(data.constData()), size_t(data.size()), 0,
                     cancel};
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
    // Every chunk's checksum held before the first look: these bytes are not checked again.
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    if (png_get_image_width(png, info) != png_uint_32(width) ||
        png_get_image_height(png, info) != png_uint_32(height) ||
        png_get_rowbytes(png, info) != size_t(width) * 4 ||
        png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    for (int y = 0; y < out.rows && !cancel->load(std::memory_order_relaxed); ++y) {
        png_read_row(png, out.lineFor(out.to, y), nullptr);
        out.arrived(out.to, y);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return !cancel->load(std::memory_order_relaxed);
}

// The rest, from the top: of the first look's rows only the columns beyond it (readers may be
// reading its block), the others straight into the picture, published as they come.
struct Rest {
    PngJob* job;
    uchar* scratch;
};

uchar* RestLine(void* to, int y) {
    const auto* rest = static_cast<Rest*>(to);
    return y < rest->job->readyRows ? rest->scratch : rest->job->line(y);
}

void RestArrived(void* to, int y) {
    const auto* rest = static_cast<Rest*>(to);
    PngJob* job = rest->job;
    if (y < job->readyRows) {
        const size_t kept = size_t(job->readyColumns) * 4;
        std::memcpy(job->line(y) + kept, rest->scratch + kept, size_t(job->width()) * 4 - kept);
    }
    if ((y + 1) % kBand == 0 || y + 1 == job->height()) {
        job->publish(y + 1);
    }
}

bool DecodeRest(PngJob* job, uchar* scratch) {
    Rest rest{job, scratch};
    return ReadRows(job->data, job->width(), job->height(), &job->cancel,
                    {job->height(), RestLine, RestArrived, &rest});
}

// The first look: the block's columns of each top row, copied into the picture.
uchar* FirstLine(void* to, int) {
    return static_cast<Rest*>(to)->scratch;
}

void FirstArrived(void* to, int y) {
    const auto* first = static_cast<Rest*>(to);
    std::memcpy(first->job->line(y), first->scratch, size_t(first->job->readyColumns) * 4);
}

// From the caller's data, not the job's: the job lets go of its copy when it is done.
bool DecodeFirstLook(const QByteArray& data, PngJob* job, uchar* scratch) {
    static const std::atomic<bool> kNeverLetGo{false};
    Rest first{job, scratch};
    return ReadRows(data, job->width(), job->height(), &kNeverLetGo,
                    {job->readyRows, FirstLine, FirstArrived, &first});
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

ArrivingImage DecodePngFirstLook(const QByteArray& data, const FirstLookArea& look) {
    const QSize area = look.area;
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    if (area.isEmpty() || data.size() < 33 || !data.startsWith("\x89PNG\r\n\x1a\n") ||
        std::memcmp(p + 12, "IHDR", 4) != 0) {
        return {};
    }
    const quint32 width = qFromBigEndian<quint32>(p + 16);
    const quint32 height = qFromBigEndian<quint32>(p + 20);
    CheckPictureSize(width, height);
    const qint64 rowBytes = RowBytes(p, int(width));
    if (int(height) <= area.height() || rowBytes == 0 || !look.damageMayShow ||
        MayBeTransparent(data) || !PngChunksHold(data)) {
        return {};
    }
    const int rows = area.height();
    const int columns = std::min(int(width), area.width());
    auto job = std::make_shared<PngJob>();
    if (!job->allocate(int(width), int(height))) {
        return {}; // the usual way says that memory ran out
    }
    job->data = data;
    job->readyColumns = columns;
    job->readyRows = rows;
    ArrivingImage picture = ArrivingRows::PictureOver(job);
    // The whole decode starts at once, on another core, while this one decodes the top rows:
    // the last pixel comes no later than it would without a first look. Nobody sees the picture
    // before its top rows are in.
    PngJob* running = job.get();
    job->start([running] { running->run(); });
    std::vector<uchar> scratch(size_t(width) * 4);
    if (!DecodeFirstLook(data, job.get(), scratch.data())) {
        return {}; // the picture goes, its decoder stops, and the usual way says why
    }
    return picture;
}
