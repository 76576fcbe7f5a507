#include "input/WebpFirstLook.h"

#include "input/PictureLimits.h"
#include "pixels/PendingPixels.h"
#include "pixels/PixelBuffer.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

#include <webp/decode.h>

namespace {

// Rows decoded below a cropped block: the loop filter and the chroma's upsampling reach into the
// rows below, which libwebp's crop takes into account; the margin keeps the block's last rows as
// the whole decode gives them even so, for a few rows' cost.
constexpr int kMargin = 32;
// The data the decoder of the rest is given at a time: its rows arrive between steps.
constexpr qsizetype kStep = qsizetype(256) << 10;

// Decoded rows as the picture keeps them: opaque (a lossless bitstream that says it has no alpha
// may still code alpha values).
void MakeOpaque(uchar* line, int width) {
    auto* in = reinterpret_cast<QRgb*>(line);
    for (int x = 0; x < width; ++x) {
        in[x] |= 0xff000000u;
    }
}

// The block from the top-left corner that `into` covers, cropped.
bool DecodeBlock(const QByteArray& data, QImage& into) {
    WebPDecoderConfig config;
    if (WebPInitDecoderConfig(&config) == 0) {
        return false;
    }
    config.options.use_cropping = 1;
    config.options.crop_left = 0;
    config.options.crop_top = 0;
    config.options.crop_width = into.width();
    config.options.crop_height = into.height();
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = into.bits();
    config.output.u.RGBA.stride = int(into.bytesPerLine());
    config.output.u.RGBA.size = size_t(into.sizeInBytes());
    return WebPDecode(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()),
                      &config) == VP8_STATUS_OK;
}

// The rest, on a thread of its own: the first look's rows whole, cropped (their columns beyond
// the block copied in), then the rows below decoded straight into the picture, a step of data at
// a time, published as they come.
class WebpJob final : public ArrivingRows {
public:
    QByteArray data;
    bool mayCodeAlpha = false;

    void run() {
        YieldToTheWindow();
        if (!decode() && !cancel.load()) {
            greyTheRest();
        }
        data = QByteArray();
        finish();
    }

private:
    bool decode() {
        // Row readyRows, the first below the block, comes from here too: decoded from the
        // block's rows down, libwebp upsamples a cropped part's first row from its own chroma
        // alone, which the whole decode does not.
        QImage top =
            NewPicture(width(), std::min(height(), readyRows + kMargin), QImage::Format_RGB32);
        if (top.isNull() || !DecodeBlock(data, top)) {
            return false;
        }
        const size_t kept = size_t(readyColumns) * 4;
        for (int y = 0; y < readyRows; ++y) {
            std::memcpy(line(y) + kept, top.constScanLine(y) + kept, size_t(width()) * 4 - kept);
            if (mayCodeAlpha) {
                MakeOpaque(line(y) + kept, width() - readyColumns);
            }
        }
        publish(readyRows);
        const QByteArray first(reinterpret_cast<const char*>(top.constScanLine(readyRows)),
                               qsizetype(width()) * 4);
        top = QImage();
        return decodeBelow(reinterpret_cast<const uchar*>(first.constData()));
    }

    // The rows from readyRows down, straight into the picture; the first of them from `first`.
    bool decodeBelow(const uchar* first) {
        WebPDecoderConfig config;
        if (WebPInitDecoderConfig(&config) == 0) {
            return false;
        }
        const int below = height() - readyRows;
        config.options.use_cropping = 1;
        config.options.crop_left = 0;
        config.options.crop_top = readyRows;
        config.options.crop_width = width();
        config.options.crop_height = below;
        config.output.colorspace = MODE_BGRA;
        config.output.is_external_memory = 1;
        config.output.u.RGBA.rgba = line(readyRows);
        config.output.u.RGBA.stride = int(bytesPerLine());
        config.output.u.RGBA.size = size_t(bytesPerLine()) * size_t(below);
        WebPIDecoder* decoder = WebPIDecode(nullptr, 0, &config);
        if (decoder == nullptr) {
            return false;
        }
        const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
        int done = 0;
        bool failed = false;
        for (qsizetype given = 0; given < data.size() && !failed && done < below &&
                                  !cancel.load(std::memory_order_relaxed);) {
            given = std::min(data.size(), given + kStep);
            const VP8StatusCode status = WebPIUpdate(decoder, bytes, size_t(given));
            failed = status != VP8_STATUS_OK && status != VP8_STATUS_SUSPENDED;
            int last = 0;
            int w = 0;
            int h = 0;
            if (failed || WebPIDecGetRGB(decoder, &last, &w, &h, nullptr) == nullptr) {
                continue;
            }
            if (w != width() || h != below) {
                failed = true;
                continue;
            }
            if (last > done) {
                if (done == 0) {
                    std::memcpy(line(readyRows), first, size_t(width()) * 4);
                }
                for (int y = done; y < last && mayCodeAlpha; ++y) {
                    MakeOpaque(line(readyRows + y), width());
                }
                done = last;
                publish(readyRows + done);
            }
        }
        WebPIDelete(decoder);
        return done == below || cancel.load();
    }
};

} // namespace

ArrivingImage DecodeWebpFirstLook(const QByteArray& data, const FirstLookArea& look) {
    const QSize area = look.area;
    const auto* p = reinterpret_cast<const uint8_t*>(data.constData());
    if (area.isEmpty() || !look.damageMayShow || data.size() < 30 || !data.startsWith("RIFF") ||
        data.mid(8, 4) != "WEBP" || qint64(qFromLittleEndian<quint32>(p + 4)) + 8 > data.size()) {
        return {};
    }
    // An even number of rows: the rest's crop starts on a pair of rows that share their chroma,
    // as the whole decode pairs them.
    const int rows = area.height() + (area.height() & 1);
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(p, size_t(data.size()), &features) != VP8_STATUS_OK ||
        features.has_alpha != 0 || features.has_animation != 0 || features.width <= 0 ||
        features.height <= rows) {
        return {};
    }
    const int width = features.width;
    const int height = features.height;
    CheckPictureSize(width, height);
    const int columns = std::min(width, area.width());
    QImage block = NewPicture(std::min(width, columns + kMargin), std::min(height, rows + kMargin),
                              QImage::Format_RGB32);
    auto job = std::make_shared<WebpJob>();
    if (!job->allocate(width, height) || block.isNull()) {
        return {}; // the usual way says that memory ran out
    }
    job->data = data;
    job->readyColumns = columns;
    job->readyRows = rows;
    job->mayCodeAlpha = features.format != 1; // lossless, or not stated
    ArrivingImage picture = ArrivingRows::PictureOver(job);
    // The rest starts at once, on another core, while this one decodes the block; nobody sees
    // the picture before it is in.
    WebpJob* running = job.get();
    job->start([running] { running->run(); });
    if (!DecodeBlock(data, block)) {
        return {}; // the picture goes, and its decoder stops
    }
    for (int y = 0; y < rows; ++y) {
        std::memcpy(job->line(y), block.constScanLine(y), size_t(columns) * 4);
        if (job->mayCodeAlpha) {
            MakeOpaque(job->line(y), columns);
        }
    }
    return picture;
}

QImage DecodeCutWebp(const QByteArray& data, int* rows) {
    const auto* p = reinterpret_cast<const uint8_t*>(data.constData());
    WebPBitstreamFeatures features;
    if (data.size() < 12 || qint64(qFromLittleEndian<quint32>(p + 4)) + 8 <= data.size() ||
        WebPGetFeatures(p, size_t(data.size()), &features) != VP8_STATUS_OK ||
        features.has_animation != 0 || features.width <= 0 || features.height <= 0) {
        return {};
    }
    CheckPictureSize(features.width, features.height);
    QImage picture = NewPicture(features.width, features.height,
                                features.has_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    WebPDecoderConfig config;
    if (picture.isNull() || WebPInitDecoderConfig(&config) == 0) {
        return {};
    }
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = picture.bits();
    config.output.u.RGBA.stride = int(picture.bytesPerLine());
    config.output.u.RGBA.size = size_t(picture.sizeInBytes());
    WebPIDecoder* decoder = WebPIDecode(nullptr, 0, &config);
    if (decoder == nullptr) {
        return {};
    }
    const VP8StatusCode status = WebPIUpdate(decoder, p, size_t(data.size()));
    int last = 0;
    int w = 0;
    int h = 0;
    // The data may hold every row although they stop short of the RIFF's end.
    const bool decoded = (status == VP8_STATUS_SUSPENDED || status == VP8_STATUS_OK) &&
                         WebPIDecGetRGB(decoder, &last, &w, &h, nullptr) != nullptr &&
                         w == features.width && h == features.height;
    WebPIDelete(decoder);
    if (!decoded || last <= 0) {
        return {};
    }
    const int ends = std::min(last, features.height);
    for (int y = ends; y < features.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::fill(line, line + features.width, qRgb(0x80, 0x80, 0x80));
    }
    *rows = ends;
    return picture;
}
