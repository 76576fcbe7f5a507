#include "input/WebpFirstLook.h"

#include "input/PictureLimits.h"
#include "pixels/PendingPixels.h"
#include "pixels/PixelBuffer.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include <webp/decode.h>

namespace {

// Rows decoded below the first look's: the loop filter and the chroma's upsampling reach into the
// rows below, which libwebp's crop takes into account; the margin keeps the last rows as the whole
// decode gives them even so, for a few rows' cost.
constexpr int kMargin = 32;
// The data the whole decode is given at a time: its rows arrive between steps.
constexpr qsizetype kStep = qsizetype(256) << 10;

// A decoded row as the picture keeps it: opaque (a lossless bitstream that says it has no alpha
// may still code alpha values).
void CopyOpaque(const uint8_t* from, int width, uchar* to) {
    std::memcpy(to, from, size_t(width) * 4);
    auto* line = reinterpret_cast<QRgb*>(to);
    for (int x = 0; x < width; ++x) {
        line[x] |= 0xff000000u;
    }
}

class WebpJob final : public ArrivingRows {
public:
    QByteArray data;

    void run() {
        YieldToTheWindow();
        if (!decode() && !cancel.load()) {
            greyTheRest();
        }
        data = QByteArray();
        finish();
    }

private:
    // The whole picture, incrementally; its rows below the first look's copied in as they come.
    bool decode() {
        WebPDecoderConfig config;
        if (WebPInitDecoderConfig(&config) == 0) {
            return false;
        }
        config.output.colorspace = MODE_BGRA;
        WebPIDecoder* decoder = WebPIDecode(nullptr, 0, &config);
        if (decoder == nullptr) {
            return false;
        }
        const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
        int copied = readyRows;
        int keptRows = readyColumns < width() ? 0 : readyRows;
        bool failed = false;
        for (qsizetype given = 0; given < data.size() && !failed && copied < height() &&
                                  !cancel.load(std::memory_order_relaxed);) {
            given = std::min(data.size(), given + kStep);
            const VP8StatusCode status = WebPIUpdate(decoder, bytes, size_t(given));
            failed = status != VP8_STATUS_OK && status != VP8_STATUS_SUSPENDED;
            int last = 0;
            int w = 0;
            int h = 0;
            int stride = 0;
            const uint8_t* rgba = WebPIDecGetRGB(decoder, &last, &w, &h, &stride);
            if (failed || rgba == nullptr) {
                continue;
            }
            if (w != width() || h != height()) {
                failed = true;
                continue;
            }
            // The first look's rows beyond its columns, then whole rows.
            for (; keptRows < std::min(last, readyRows); ++keptRows) {
                const qsizetype skip = qsizetype(readyColumns) * 4;
                CopyOpaque(rgba + qint64(keptRows) * stride + skip, width() - readyColumns,
                           line(keptRows) + skip);
            }
            if (last > copied) {
                for (int y = copied; y < last; ++y) {
                    CopyOpaque(rgba + qint64(y) * stride, width(), line(y));
                }
                copied = last;
                publish(copied);
            }
        }
        WebPIDelete(decoder);
        WebPFreeDecBuffer(&config.output);
        return copied == height() || cancel.load();
    }
};

// The top-left block (and the margin beside and below it) alone, cropped, into scratch.
bool DecodeTop(const QByteArray& data, QImage& scratch) {
    WebPDecoderConfig config;
    if (WebPInitDecoderConfig(&config) == 0) {
        return false;
    }
    config.options.use_cropping = 1;
    config.options.crop_left = 0;
    config.options.crop_top = 0;
    config.options.crop_width = scratch.width();
    config.options.crop_height = scratch.height();
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = scratch.bits();
    config.output.u.RGBA.stride = int(scratch.bytesPerLine());
    config.output.u.RGBA.size = size_t(scratch.sizeInBytes());
    return WebPDecode(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()),
                      &config) == VP8_STATUS_OK;
}

} // namespace

QImage DecodeWebpFirstLook(const QByteArray& data, QSize area) {
    const auto* p = reinterpret_cast<const uint8_t*>(data.constData());
    if (area.isEmpty() || !FirstLookArea::damageMayShow() || data.size() < 30 ||
        !data.startsWith("RIFF") || data.mid(8, 4) != "WEBP" ||
        qint64(qFromLittleEndian<quint32>(p + 4)) + 8 > data.size()) {
        return QImage();
    }
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(p, size_t(data.size()), &features) != VP8_STATUS_OK ||
        features.has_alpha != 0 || features.has_animation != 0 || features.width <= 0 ||
        features.height <= area.height()) {
        return QImage();
    }
    const int width = features.width;
    const int height = features.height;
    CheckPictureSize(width, height);
    const int rows = area.height();
    const int columns = std::min(width, area.width());
    QImage scratch = NewPicture(std::min(width, columns + kMargin),
                                std::min(height, rows + kMargin), QImage::Format_RGB32);
    auto job = std::make_shared<WebpJob>();
    if (!job->allocate(width, height) || scratch.isNull()) {
        return QImage(); // the usual way says that memory ran out
    }
    job->data = data;
    job->readyColumns = columns;
    job->readyRows = rows;
    const QImage picture = ArrivingRows::PictureOver(job);
    // The whole decode starts at once, on another core, while this one decodes the block;
    // nobody sees the picture before it is in.
    WebpJob* running = job.get();
    job->start([running] { running->run(); });
    if (!DecodeTop(data, scratch)) {
        return QImage(); // the picture goes, and its decoder stops
    }
    for (int y = 0; y < rows; ++y) {
        CopyOpaque(scratch.constScanLine(y), columns, job->line(y));
    }
    return picture;
}
