#include "input/WebpFirstLook.h"

#include "input/PictureLimits.h"
#include "pixels/PendingPixels.h"

#include <QtEndian>
#include <algorithm>

#include <webp/decode.h>

namespace {

// The data the decoder is given at a time: its rows arrive between steps.
constexpr qsizetype kStep = qsizetype(256) << 10;

// The whole picture, decoded straight into its pixels a step of data at a time; its rows are
// published as they come. The rows the view shows first are decoded at the thread's usual
// priority while the window waits for them, the rest at the window's leave.
class WebpJob final : public ArrivingRows {
public:
    QByteArray data;
    int firstRows = 0;
    // Whether alpha values may be coded although the file says it has none (a lossless
    // bitstream): the picture keeps its rows opaque.
    bool mayCodeAlpha = false;
    // The decoder stopped before the first rows were in: the usual way says why.
    std::atomic<bool> brokeEarly{false};

    void run() {
        const int rows = decode();
        if (rows < height() && !cancel.load()) {
            if (rows < firstRows) {
                brokeEarly.store(true);
            } else {
                greyTheRest();
            }
        }
        data = QByteArray();
        finish();
    }

private:
    // The rows decoded, from the top.
    int decode() {
        WebPDecoderConfig config;
        if (WebPInitDecoderConfig(&config) == 0) {
            return 0;
        }
        config.output.colorspace = MODE_BGRA;
        config.output.is_external_memory = 1;
        config.output.u.RGBA.rgba = line(0);
        config.output.u.RGBA.stride = int(bytesPerLine());
        config.output.u.RGBA.size = size_t(bytesPerLine()) * size_t(height());
        WebPIDecoder* decoder = WebPIDecode(nullptr, 0, &config);
        if (decoder == nullptr) {
            return 0;
        }
        const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
        int done = 0;
        bool failed = false;
        for (qsizetype given = 0; given < data.size() && !failed && done < height() &&
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
            if (w != width() || h != height()) {
                failed = true;
                continue;
            }
            if (last > done) {
                if (mayCodeAlpha) {
                    makeOpaque(done, last);
                }
                if (done < firstRows && last >= firstRows) {
                    YieldToTheWindow();
                }
                done = last;
                publish(done);
            }
        }
        WebPIDelete(decoder);
        return done;
    }

    void makeOpaque(int top, int bottom) {
        for (int y = top; y < bottom; ++y) {
            auto* in = reinterpret_cast<QRgb*>(line(y));
            for (int x = 0; x < width(); ++x) {
                in[x] |= 0xff000000u;
            }
        }
    }
};

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
    auto job = std::make_shared<WebpJob>();
    if (!job->allocate(width, height)) {
        return QImage(); // the usual way says that memory ran out
    }
    job->data = data;
    job->firstRows = area.height();
    job->mayCodeAlpha = features.format != 1; // lossless, or not stated
    const QImage picture = ArrivingRows::PictureOver(job);
    // The decoder runs on another core from the start; the picture is shown once the rows the
    // view shows first are in.
    WebpJob* running = job.get();
    job->start([running] { running->run(); });
    job->waitFor(QRect(0, 0, std::min(width, area.width()), area.height()));
    if (job->brokeEarly.load()) {
        return QImage(); // the picture goes, with its thread
    }
    return picture;
}
