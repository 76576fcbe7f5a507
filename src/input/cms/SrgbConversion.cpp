#include "input/cms/SrgbConversion.h"

#include "input/cms/Lcms.h"
#include "input/cms/MatrixShaper.h"

#include "pixels/PendingPixels.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <list>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace {

// A grey profile reads the first byte of each 32-bit pixel (blue, equal to red and green in a
// grey picture) and passes over the other three.
constexpr cmsUInt32Number kGreyOfBgra =
    COLORSPACE_SH(PT_GRAY) | CHANNELS_SH(1) | BYTES_SH(1) | EXTRA_SH(3);

struct Transform {
    QByteArray key;
    cmsHTRANSFORM handle = nullptr; // null when the profile cannot be used
    std::optional<MatrixShaper> fast;
    bool grey = false;
    bool identity = false; // sRGB under another name: nothing to convert
    QString name;
    QString notice;
};

// Colours that show whether a transform changes anything, and whether the quick form gives what
// lcms2 gives: every level of each channel and of grey, a grid through the cube, and colours
// scattered through it.
QImage TestColors() {
    std::vector<QRgb> colors;
    for (int v = 0; v < 256; ++v) {
        colors.insert(colors.end(), {qRgb(v, v, v), qRgb(v, 0, 0), qRgb(0, v, 0), qRgb(0, 0, v)});
    }
    for (int r = 0; r < 256; r += 51) {
        for (int g = 0; g < 256; g += 51) {
            for (int b = 0; b < 256; b += 51) {
                colors.push_back(qRgb(r, g, b));
            }
        }
    }
    for (quint32 i = 0; i < 1u << 16; ++i) {
        colors.push_back(0xff000000 | (i * 2654435761u) >> 8);
    }
    QImage image(int(colors.size()), 1, QImage::Format_RGB32);
    std::copy(colors.begin(), colors.end(), reinterpret_cast<QRgb*>(image.scanLine(0)));
    return image;
}

// The area's pixels of `in`, converted into `out`.
void RunArea(const Lcms& lcms, const Transform& t, const QImage& in, QImage& out,
             const QRect& area) {
    if (area.isEmpty()) {
        return;
    }
    const int x = area.left();
    if (t.fast) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            t.fast->convertRow(reinterpret_cast<const QRgb*>(in.constScanLine(y)) + x,
                               reinterpret_cast<QRgb*>(out.scanLine(y)) + x, area.width());
        }
        return;
    }
    lcms.cmsDoTransformLineStride(
        t.handle, in.constScanLine(area.top()) + x * 4, out.scanLine(area.top()) + x * 4,
        cmsUInt32Number(area.width()), cmsUInt32Number(area.height()),
        cmsUInt32Number(in.bytesPerLine()), cmsUInt32Number(out.bytesPerLine()), 0, 0);
}

// The whole picture, in bands on the processor's cores when it is large.
void RunAll(const Lcms& lcms, const Transform& t, const QImage& from, QImage& to) {
    const int height = from.height();
    const qint64 pixels = qint64(from.width()) * height;
    const int bands =
        pixels < (1 << 20) ? 1 : int(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    std::vector<std::thread> workers;
    for (int band = 1; band < bands; ++band) {
        const int first = int(qint64(height) * band / bands);
        const int last = int(qint64(height) * (band + 1) / bands);
        workers.emplace_back([&, first, last] {
            RunArea(lcms, t, from, to, QRect(0, first, from.width(), last - first));
        });
    }
    RunArea(lcms, t, from, to, QRect(0, 0, from.width(), int(qint64(height) / bands)));
    for (std::thread& worker : workers) {
        worker.join();
    }
    if (t.grey) {
        // The grey transform writes no alpha of its own.
        for (int y = 0; y < height; ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
            for (int x = 0; x < from.width(); ++x) {
                out[x] = (out[x] & 0x00ffffff) | (in[x] & 0xff000000);
            }
        }
    }
}

Transform Make(const Lcms& lcms, const ColorProfile& profile, const QByteArray& key) {
    Transform t;
    t.key = key;
    cmsHPROFILE input = OpenProfile(lcms, profile);
    if (input == nullptr) {
        t.notice = QCoreApplication::translate(
            "ColorProfile", "The picture's colour profile is damaged: stored colours shown.");
        return t;
    }
    t.name = profile.stated ? profile.stated->name : Description(lcms, input);
    if (t.name.isEmpty()) {
        //: The name shown for a colour profile that gives itself none.
        t.name = QCoreApplication::translate("ColorProfile", "unnamed profile");
    }
    const cmsUInt32Number space = lcms.cmsGetColorSpace(input);
    if (space != cmsSigRgbData && space != cmsSigGrayData) {
        //: A notice over the picture. %1: the colour profile's name.
        t.notice =
            QCoreApplication::translate(
                "ColorProfile",
                "The picture's colour profile (%1) is not for RGB pictures: stored colours shown.")
                .arg(t.name);
        lcms.cmsCloseProfile(input);
        return t;
    }
    t.grey = space == cmsSigGrayData;
    cmsHPROFILE srgb = lcms.cmsCreate_sRGBProfile();
    // Without the one-pixel cache a transform may run on several threads at once.
    t.handle = lcms.cmsCreateTransform(input, t.grey ? kGreyOfBgra : TYPE_BGRA_8, srgb, TYPE_BGRA_8,
                                       INTENT_RELATIVE_COLORIMETRIC,
                                       cmsFLAGS_NOCACHE | (t.grey ? 0 : cmsFLAGS_COPY_ALPHA));
    std::optional<MatrixShaper> fast;
    if (t.handle != nullptr && !t.grey) {
        fast = MatrixShaper::Read(lcms, input, srgb, t.handle);
    }
    lcms.cmsCloseProfile(srgb);
    lcms.cmsCloseProfile(input);
    if (t.handle == nullptr) {
        //: A notice over the picture. %1: the colour profile's name.
        t.notice = QCoreApplication::translate(
                       "ColorProfile",
                       "The picture's colour profile (%1) cannot be used: stored colours shown.")
                       .arg(t.name);
        return t;
    }
    const QImage test = TestColors();
    QImage out(test.size(), QImage::Format_RGB32);
    RunAll(lcms, t, test, out);
    t.identity = out == test;
    // The quick form gives what lcms2 gives by its making; should a later lcms2 work otherwise,
    // a colour here shows it, and lcms2 converts.
    if (fast) {
        QImage quick(test.size(), QImage::Format_RGB32);
        fast->convertRow(reinterpret_cast<const QRgb*>(test.constScanLine(0)),
                         reinterpret_cast<QRgb*>(quick.scanLine(0)), test.width(),
                         MatrixShaper::Kernel::Portable);
        if (quick == out) {
            t.fast = std::move(fast);
        }
    }
    return t;
}

QByteArray KeyOf(const ColorProfile& profile) {
    if (!profile.stated) {
        return QByteArrayLiteral("icc:") + profile.icc;
    }
    const StatedColors& s = *profile.stated;
    return QStringLiteral("stated:%1,%2,%3,%4,%5,%6,%7,%8,%9,%10")
        .arg(s.redX)
        .arg(s.redY)
        .arg(s.greenX)
        .arg(s.greenY)
        .arg(s.blueX)
        .arg(s.blueY)
        .arg(s.whiteX)
        .arg(s.whiteY)
        .arg(int(s.curve))
        .arg(s.gamma)
        .toUtf8();
}

// A transform as the cache keeps it: shared with the conversions still running, and deleted
// with the last of them.
struct KeptTransform {
    Transform t;
    decltype(&::cmsDeleteTransform) deleteTransform = nullptr;

    KeptTransform(Transform made, decltype(&::cmsDeleteTransform) deleter)
        : t(std::move(made)), deleteTransform(deleter) {}
    KeptTransform(const KeptTransform&) = delete;
    KeptTransform& operator=(const KeptTransform&) = delete;
    ~KeptTransform() {
        if (t.handle != nullptr) {
            deleteTransform(t.handle);
        }
    }
};

// Most recently used first; a few profiles cover what one user opens in a session. The
// transforms are deleted when the program ends, so leak checkers see nothing left behind.
std::list<std::shared_ptr<const KeptTransform>> g_cache;
constexpr size_t kCacheSize = 8;

std::shared_ptr<const KeptTransform> TransformFor(const Lcms& lcms, const ColorProfile& profile) {
    const QByteArray key = KeyOf(profile);
    for (auto it = g_cache.begin(); it != g_cache.end(); ++it) {
        if ((*it)->t.key == key) {
            g_cache.splice(g_cache.begin(), g_cache, it);
            return g_cache.front();
        }
    }
    g_cache.push_front(
        std::make_shared<const KeptTransform>(Make(lcms, profile, key), lcms.cmsDeleteTransform));
    if (g_cache.size() > kCacheSize) {
        g_cache.pop_back();
    }
    return g_cache.front();
}

// The conversion of a picture still arriving: the first look's block at once, then rows as the
// stored picture's arrive, on a thread of its own, into a picture that is itself pending.
class ConvertingRows final : public ArrivingRows {
public:
    static constexpr int kBand = 32;

    QImage stored; // keeps the stored picture (and its decoder) alive
    std::shared_ptr<const PendingPixels> source;
    std::shared_ptr<const KeptTransform> transform;

    void run() {
        YieldToTheWindow();
        if (preview) {
            runOverPreview();
            return;
        }
        const Lcms& lcms = Lcms::get();
        const int height = stored.height();
        for (int y = 0; y < height && !cancel.load(std::memory_order_relaxed); y += kBand) {
            const int rows = std::min(kBand, height - y);
            if (!source->waitFor(QRect(0, y, stored.width(), rows), cancel)) {
                break; // let go: the stored rows are not waited for
            }
            // The first look's block is converted already: readers may be reading it.
            const int inBlock = std::clamp(readyRows - y, 0, rows);
            const int width = stored.width();
            RunArea(lcms, transform->t, stored, buffer,
                    QRect(readyColumns, y, width - readyColumns, inBlock));
            RunArea(lcms, transform->t, stored, buffer,
                    QRect(0, y + inBlock, width, rows - inBlock));
            publish(y + rows);
        }
        finish();
    }

    // The stored picture shows a preview: so does this one, converted from it, then its final
    // rows as the stored ones arrive.
    void runOverPreview() {
        const Lcms& lcms = Lcms::get();
        const int width = stored.width();
        const int height = stored.height();
        for (int y = 0; y < height && !cancel.load(std::memory_order_relaxed); y += kBand) {
            const int rows = std::min(kBand, height - y);
            const PendingPixels::Showing hold = source->show(QRect(0, y, width, rows));
            const int inBlock = std::clamp(previewRows - y, 0, rows);
            RunArea(lcms, transform->t, stored, buffer,
                    QRect(previewColumns, y, width - previewColumns, inBlock));
            RunArea(lcms, transform->t, stored, buffer,
                    QRect(0, y + inBlock, width, rows - inBlock));
            publishPreview(y + rows);
        }
        QImage band(width, kBand, QImage::Format_RGB32);
        for (int y = 0; y < height && !cancel.load(std::memory_order_relaxed); y += kBand) {
            const int rows = std::min(kBand, height - y);
            if (!source->waitFor(QRect(0, y, width, rows), cancel)) {
                break; // let go: a preview's source may read every scan before its first rows
            }
            const QImage from(stored.constScanLine(y), width, rows, stored.bytesPerLine(),
                              QImage::Format_RGB32);
            RunArea(lcms, transform->t, from, band, QRect(0, 0, width, rows));
            replaceRows(y, rows, band.constBits(), band.bytesPerLine());
        }
        finish();
    }
};

// The converted picture of a stored picture still arriving, the part in `firstLook` (from the
// top-left corner) final at once; null where it cannot be converted so (the caller waits for the
// whole picture instead).
ArrivingImage ConvertAsItArrives(const Lcms& lcms,
                                 const std::shared_ptr<const KeptTransform>& transform,
                                 const QImage& stored,
                                 const std::shared_ptr<const PendingPixels>& source,
                                 QSize firstLook) {
    if (stored.format() != QImage::Format_RGB32 || transform->t.grey) {
        return {};
    }
    auto job = std::make_shared<ConvertingRows>();
    job->buffer = NewPicture(stored.size(), QImage::Format_RGB32);
    if (job->buffer.isNull()) {
        return {};
    }
    job->stored = stored;
    job->source = source;
    job->transform = transform;
    const QRect block = QRect(QPoint(0, 0), firstLook) & stored.rect();
    if (source->showsPreview()) {
        job->preview = true;
        if (!block.isEmpty()) {
            const PendingPixels::Showing hold = source->show(block);
            RunArea(lcms, transform->t, stored, job->buffer, block);
            job->previewColumns = block.width();
            job->previewRows = block.height();
        }
    } else if (!block.isEmpty()) {
        source->waitFor(block);
        RunArea(lcms, transform->t, stored, job->buffer, block);
        job->readyColumns = block.width();
        job->readyRows = block.height();
    }
    ArrivingImage picture = ArrivingRows::PictureOver(job);
    ConvertingRows* running = job.get();
    job->start([running] { running->run(); });
    return picture;
}

// Whether any pixel is not grey.
bool HasColor(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = line[x];
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int CachedTransforms() {
    return int(g_cache.size());
}

ShownColors ColorsAsShown(const ArrivingImage& arrivingPicture, const ColorProfile& profile,
                          bool convert, QSize firstLook) {
    const QImage& stored = arrivingPicture.image;
    if (profile.isEmpty() || stored.isNull()) {
        return {arrivingPicture, QString(), QString()};
    }
    if (!profile.unusable.isEmpty()) {
        //: A notice over the picture. %1: why the profile cannot be used ("the PNG's iCCP chunk
        //: is damaged").
        return {
            arrivingPicture, QString(),
            QCoreApplication::translate(
                "ColorProfile", "The picture's colours cannot be read (%1): stored colours shown.")
                .arg(profile.unusable)};
    }
    const Lcms& lcms = Lcms::get();
    if (!lcms.loaded) {
        return {
            arrivingPicture, QString(),
            QCoreApplication::translate(
                "ColorProfile", "The colour library (lcms2) is missing: stored colours shown.")};
    }
    const std::shared_ptr<const KeptTransform> kept = TransformFor(lcms, profile);
    const Transform& t = kept->t;
    if (t.handle == nullptr) {
        return {arrivingPicture, QString(), t.notice};
    }
    const std::shared_ptr<const PendingPixels>& arriving = arrivingPicture.pending;
    if (arrivingPicture.arriving() && convert && !t.identity) {
        if (ArrivingImage first = ConvertAsItArrives(lcms, kept, stored, arriving, firstLook);
            !first.isNull()) {
            return {std::move(first), t.name, QString()};
        }
    }
    // Every pixel is read from here on.
    arrivingPicture.waitFor(stored.rect());
    if (t.grey && convert && HasColor(stored)) {
        // A grey profile speaks of one channel: applied to a colour picture it would turn every
        // colour into the grey of one of its channels.
        //: Why a picture's colour profile cannot be used (put in for %1 of "The picture's colours
        //: cannot be read (%1): ...").
        const QString why = QCoreApplication::translate(
            "ColorProfile", "a grey colour profile in a colour picture");
        //: A notice over the picture. %1: why the profile cannot be used ("the PNG's iCCP chunk
        //: is damaged").
        return {
            arrivingPicture, QString(),
            QCoreApplication::translate(
                "ColorProfile", "The picture's colours cannot be read (%1): stored colours shown.")
                .arg(why)};
    }
    if (t.identity || !convert) {
        return {arrivingPicture, t.name, QString()};
    }
    // Profiles describe colours before they are weighted by alpha.
    const bool premultiplied = stored.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage from = premultiplied ? ConvertPicture(stored, QImage::Format_ARGB32) : stored;
    QImage to = NewPicture(stored.size(), from.format());
    if (from.isNull() || to.isNull()) {
        throw PlatformError(
            7, QCoreApplication::translate(
                   "ColorProfile", "Out of memory: the picture's colours cannot be converted."));
    }
    RunAll(lcms, t, from, to);
    if (premultiplied) {
        to = ConvertPicture(std::move(to), QImage::Format_ARGB32_Premultiplied);
        if (to.isNull()) {
            throw PlatformError(
                7,
                QCoreApplication::translate(
                    "ColorProfile", "Out of memory: the picture's colours cannot be converted."));
        }
    }
    return {to, t.name, QString()};
}
