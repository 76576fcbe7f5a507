// HEIF and AVIF through libheif, opened on the first such picture.

#include "input/ModernDecoders.h"
#include "pixels/OptionalLibrary.h"
#include "pixels/PendingPixels.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <QtEndian>
#include <cstring>
#include <libheif/heif.h>
#include <memory>
#include <utility>
#include <vector>

namespace {
// A code point as the file gives it: libheif hands it over in an enum that may hold a value no
// enumerator names, so it is read as the number it is.
template <typename Enum> int CodePoint(const Enum& field) {
    std::underlying_type_t<Enum> value;
    std::memcpy(&value, &field, sizeof value);
    return int(value);
}

struct Heif {
    decltype(&::heif_context_alloc) heif_context_alloc = nullptr;
    decltype(&::heif_context_free) heif_context_free = nullptr;
    decltype(&::heif_context_read_from_memory_without_copy)
        heif_context_read_from_memory_without_copy = nullptr;
    decltype(&::heif_context_set_maximum_image_size_limit)
        heif_context_set_maximum_image_size_limit = nullptr;
    decltype(&::heif_context_get_primary_image_handle) heif_context_get_primary_image_handle =
        nullptr;
    decltype(&::heif_image_handle_release) heif_image_handle_release = nullptr;
    decltype(&::heif_image_handle_get_width) heif_image_handle_get_width = nullptr;
    decltype(&::heif_image_handle_get_height) heif_image_handle_get_height = nullptr;
    decltype(&::heif_image_handle_has_alpha_channel) heif_image_handle_has_alpha_channel = nullptr;
    decltype(&::heif_image_handle_get_luma_bits_per_pixel)
        heif_image_handle_get_luma_bits_per_pixel = nullptr;
    decltype(&::heif_image_handle_get_raw_color_profile_size)
        heif_image_handle_get_raw_color_profile_size = nullptr;
    decltype(&::heif_image_handle_get_raw_color_profile) heif_image_handle_get_raw_color_profile =
        nullptr;
    decltype(&::heif_image_handle_get_nclx_color_profile) heif_image_handle_get_nclx_color_profile =
        nullptr;
    decltype(&::heif_nclx_color_profile_free) heif_nclx_color_profile_free = nullptr;
    decltype(&::heif_decode_image) heif_decode_image = nullptr;
    decltype(&::heif_image_get_plane_readonly) heif_image_get_plane_readonly = nullptr;
    decltype(&::heif_image_get_width) heif_image_get_width = nullptr;
    decltype(&::heif_image_get_height) heif_image_get_height = nullptr;
    decltype(&::heif_image_release) heif_image_release = nullptr;
    decltype(&::heif_image_get_bits_per_pixel_range) heif_image_get_bits_per_pixel_range = nullptr;
    decltype(&::heif_image_handle_get_number_of_thumbnails)
        heif_image_handle_get_number_of_thumbnails = nullptr;
    decltype(&::heif_image_handle_get_list_of_thumbnail_IDs)
        heif_image_handle_get_list_of_thumbnail_IDs = nullptr;
    decltype(&::heif_image_handle_get_thumbnail) heif_image_handle_get_thumbnail = nullptr;
    bool loaded = false;

    static const Heif& get() {
        static const Heif heif = load();
        return heif;
    }

private:
    static Heif load() {
        Heif h;
        const OptionalLibrary lib("libheif.so.1");
#define HUEMARK_BIND(name) HUEMARK_FIND(lib, h, name)
        h.loaded =
            HUEMARK_BIND(heif_context_alloc) && HUEMARK_BIND(heif_context_free) &&
            HUEMARK_BIND(heif_context_read_from_memory_without_copy) &&
            HUEMARK_BIND(heif_context_set_maximum_image_size_limit) &&
            HUEMARK_BIND(heif_context_get_primary_image_handle) &&
            HUEMARK_BIND(heif_image_handle_release) && HUEMARK_BIND(heif_image_handle_get_width) &&
            HUEMARK_BIND(heif_image_handle_get_height) &&
            HUEMARK_BIND(heif_image_handle_has_alpha_channel) &&
            HUEMARK_BIND(heif_image_handle_get_luma_bits_per_pixel) &&
            HUEMARK_BIND(heif_image_handle_get_raw_color_profile_size) &&
            HUEMARK_BIND(heif_image_handle_get_raw_color_profile) &&
            HUEMARK_BIND(heif_image_handle_get_nclx_color_profile) &&
            HUEMARK_BIND(heif_nclx_color_profile_free) && HUEMARK_BIND(heif_decode_image) &&
            HUEMARK_BIND(heif_image_get_plane_readonly) && HUEMARK_BIND(heif_image_get_width) &&
            HUEMARK_BIND(heif_image_get_height) && HUEMARK_BIND(heif_image_release) &&
            HUEMARK_BIND(heif_image_get_bits_per_pixel_range) &&
            HUEMARK_BIND(heif_image_handle_get_number_of_thumbnails) &&
            HUEMARK_BIND(heif_image_handle_get_list_of_thumbnail_IDs) &&
            HUEMARK_BIND(heif_image_handle_get_thumbnail);
#undef HUEMARK_BIND
        return h;
    }
};

void Check(const heif_error& error, const QString& format) {
    if (error.code != heif_error_Ok) {
        //: Put in for %2 of "the %1 picture is damaged (%2)." when the decoder gives no reason.
        ThrowDamaged(format, error.message != nullptr
                                 ? QString::fromUtf8(error.message).simplified()
                                 : QCoreApplication::translate("LoadPicture", "unknown error"));
    }
}

// Keeps in largest the largest picture size ({width, height}) that the file's item properties
// state: the ispe boxes in meta, iprp, ipco; the path is followed at those four levels only.
void FindStatedSize(const uchar* p, qint64 begin, qint64 end, int level,
                    std::pair<qint64, qint64>& largest) {
    static const char* const kPath[] = {"meta", "iprp", "ipco", "ispe"};
    for (qint64 at = begin; at + 8 <= end;) {
        qint64 size = qFromBigEndian<quint32>(p + at);
        qint64 body = at + 8;
        if (size == 1) { // a 64-bit size follows the type
            if (at + 16 > end || qFromBigEndian<quint64>(p + at + 8) > quint64(end - at)) {
                return;
            }
            size = qint64(qFromBigEndian<quint64>(p + at + 8));
            body += 8;
        } else if (size == 0) { // to the end
            size = end - at;
        }
        if (size < body - at || size > end - at) {
            return;
        }
        if (std::memcmp(p + at + 4, kPath[level], 4) == 0) {
            if (level == 3 && body + 12 <= at + size) { // version and flags, width, height
                const qint64 width = qFromBigEndian<quint32>(p + body + 4);
                const qint64 height = qFromBigEndian<quint32>(p + body + 8);
                if (quint64(width) * quint64(height) >
                    quint64(largest.first) * quint64(largest.second)) {
                    largest = {width, height};
                }
            } else if (level < 3) {
                FindStatedSize(p, level == 0 ? body + 4 : body, at + size, level + 1, largest);
            }
        }
        at += size;
    }
}

using Context = std::unique_ptr<heif_context, decltype(&::heif_context_free)>;
using Handle = std::unique_ptr<heif_image_handle, decltype(&::heif_image_handle_release)>;
using Image = std::unique_ptr<heif_image, decltype(&::heif_image_release)>;

// An 8-bit picture without alpha, decoded: its interleaved RGB plane, or null.
Image DecodeRgb(const Heif& h, heif_image_handle* handle, int width, int height,
                const uint8_t** plane, int* stride) {
    heif_image* raw = nullptr;
    if (h.heif_decode_image(handle, &raw, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr)
            .code != heif_error_Ok) {
        return Image(nullptr, h.heif_image_release);
    }
    Image image(raw, h.heif_image_release);
    *plane = h.heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, stride);
    if (*plane == nullptr ||
        h.heif_image_get_width(image.get(), heif_channel_interleaved) != width ||
        h.heif_image_get_height(image.get(), heif_channel_interleaved) != height ||
        h.heif_image_get_bits_per_pixel_range(image.get(), heif_channel_interleaved) != 8) {
        return Image(nullptr, h.heif_image_release);
    }
    return image;
}

// Whether a box at the top level of the file says it runs past the end of the data: the file
// was cut short.
bool EndsEarly(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qint64 n = data.size();
    for (qint64 at = 0; at < n;) {
        if (at + 8 > n) {
            return true;
        }
        qint64 size = qFromBigEndian<quint32>(p + at);
        if (size == 1) { // a 64-bit size follows the type
            if (at + 16 > n) {
                return true;
            }
            const quint64 large = qFromBigEndian<quint64>(p + at + 8);
            size = large > quint64(n) ? n + 1 : qint64(large);
        } else if (size == 0) { // to the end
            return false;
        }
        if (size < 8) {
            return false; // damage, not an end
        }
        if (size > n - at) {
            return true;
        }
        at += size;
    }
    return false;
}

// The picture decoded on a thread of its own, its thumbnail shown enlarged meanwhile.
class HeifJob final : public ArrivingRows {
public:
    static constexpr int kBand = 32;

    QByteArray data; // read in place by the context
    Context context{nullptr, nullptr};
    Handle handle{nullptr, nullptr};

    void run() {
        YieldToTheWindow();
        enlargeTheRest();
        if (!cancel.load() && !decode() && !cancel.load()) {
            greyTheRest();
            if (EndsEarly(data)) {
                endAt(0); // no row of the picture came, only its thumbnail
            }
        }
        handle.reset();
        context.reset();
        data = QByteArray();
        finish();
    }

private:
    // libheif cannot be stopped part-way: a picture let go meanwhile waits for its decoder.
    bool decode() {
        const Heif& h = Heif::get();
        const uint8_t* plane = nullptr;
        int stride = 0;
        const Image image = DecodeRgb(h, handle.get(), width(), height(), &plane, &stride);
        if (!image) {
            return false;
        }
        std::vector<QRgb> band(size_t(width()) * kBand);
        for (int y = 0; y < height() && !cancel.load(std::memory_order_relaxed); y += kBand) {
            const int rows = std::min(kBand, height() - y);
            for (int i = 0; i < rows; ++i) {
                const uint8_t* in = plane + qint64(y + i) * stride;
                QRgb* line = band.data() + size_t(i) * size_t(width());
                for (int x = 0; x < width(); ++x, in += 3) {
                    line[x] = qRgb(in[0], in[1], in[2]);
                }
            }
            replaceRows(y, rows, reinterpret_cast<const uchar*>(band.data()),
                        qsizetype(width()) * 4);
        }
        return true;
    }
};

// The first look at a picture larger than the view that carries a thumbnail of its own shape, 8
// bits and no alpha: the thumbnail, enlarged, shows at once, and the picture's rows replace it as
// a thread decodes them. Null, with context and handle untouched, when there is none to take.
ArrivingImage HeifFirstLook(const Heif& h, const QByteArray& data, const FirstLookArea& look,
                            Context& context, Handle& handle, int width, int height) {
    const QSize area = look.area;
    if (area.isEmpty() || !look.damageMayShow ||
        (width <= area.width() && height <= area.height()) ||
        h.heif_image_handle_get_number_of_thumbnails(handle.get()) < 1) {
        return {};
    }
    heif_item_id id = 0;
    heif_image_handle* rawThumbnail = nullptr;
    if (h.heif_image_handle_get_list_of_thumbnail_IDs(handle.get(), &id, 1) != 1 ||
        h.heif_image_handle_get_thumbnail(handle.get(), id, &rawThumbnail).code != heif_error_Ok) {
        return {};
    }
    const Handle thumbnail(rawThumbnail, h.heif_image_handle_release);
    const int w = h.heif_image_handle_get_width(thumbnail.get());
    const int t = h.heif_image_handle_get_height(thumbnail.get());
    // Of the picture's shape (within the two pixels an encoder's rounding to even sizes may take)
    // and smaller.
    if (w <= 0 || t <= 0 || w >= width || t >= height ||
        std::abs(qint64(w) * height - qint64(t) * width) > 2 * qint64(std::max(width, height)) ||
        h.heif_image_handle_has_alpha_channel(thumbnail.get()) != 0) {
        return {};
    }
    const uint8_t* plane = nullptr;
    int stride = 0;
    const Image small = DecodeRgb(h, thumbnail.get(), w, t, &plane, &stride);
    if (!small) {
        return {};
    }
    auto job = std::make_shared<HeifJob>();
    job->coarse = NewPicture(w, t, QImage::Format_RGB32);
    if (job->coarse.isNull() || !job->allocate(width, height)) {
        return {}; // the usual way says that memory ran out
    }
    for (int y = 0; y < t; ++y) {
        const uint8_t* in = plane + qint64(y) * stride;
        auto* line = reinterpret_cast<QRgb*>(job->coarse.scanLine(y));
        for (int x = 0; x < w; ++x, in += 3) {
            line[x] = qRgb(in[0], in[1], in[2]);
        }
    }
    job->data = data;
    job->context = std::move(context);
    job->handle = std::move(handle);
    job->preview = true;
    job->previewColumns = std::min(width, area.width());
    job->previewRows = std::min(height, area.height());
    ArrivingImage picture = ArrivingRows::PictureOver(job);
    job->enlargeBlock();
    HeifJob* running = job.get();
    job->start([running] { running->run(); });
    return picture;
}

// v × 255 / max, to the nearest.
inline int To8(uint v, uint max) {
    return int(std::min<uint>(255, (v * 255 + max / 2) / max));
}

} // namespace

ArrivingImage DecodeHeif(const QByteArray& data, const QString& format, ColorProfile* profile,
                         const FirstLookArea& look, StoredValuesKept* kept) {
    const Heif& h = Heif::get();
    if (!h.loaded) {
        //: %1: the pictures' format ("HEIF" or "AVIF").
        ThrowInvalidPicture(QCoreApplication::translate(
                                "LoadPicture", "%1 pictures need libheif, which is not installed.")
                                .arg(format));
    }
    Context context(h.heif_context_alloc(), h.heif_context_free);
    // libheif's own guard, which also holds for the tiles a picture is made of (ours below sees
    // only the whole): no side beyond 32768 pixels, nor beyond the pixel limit.
    const qint64 side = std::min<qint64>(MaxPictureBytes() / 4, 32768);
    h.heif_context_set_maximum_image_size_limit(context.get(), int(side));
    const heif_error read = h.heif_context_read_from_memory_without_copy(
        context.get(), data.constData(), size_t(data.size()), nullptr);
    if (read.code != heif_error_Ok) {
        // libheif refuses a picture beyond its own guard before it reports the size: a size
        // beyond our limit gets the loader's one message.
        std::pair<qint64, qint64> stated{0, 0};
        FindStatedSize(reinterpret_cast<const uchar*>(data.constData()), 0, data.size(), 0, stated);
        CheckPictureSize(stated.first, stated.second);
        Check(read, format);
    }
    heif_image_handle* rawHandle = nullptr;
    Check(h.heif_context_get_primary_image_handle(context.get(), &rawHandle), format);
    Handle handle(rawHandle, h.heif_image_handle_release);
    const int width = h.heif_image_handle_get_width(handle.get());
    const int height = h.heif_image_handle_get_height(handle.get());
    if (width <= 0 || height <= 0) {
        ThrowDamaged(format, QCoreApplication::translate("LoadPicture", "it has no size"));
    }
    const int bits = h.heif_image_handle_get_luma_bits_per_pixel(handle.get());
    const bool deep = bits > 8;
    CheckPictureSize(width, height);
    // Deep pictures are handed over at 8 bytes a pixel before they become 8 bits.
    if (deep && qint64(width) * height * 8 > MaxPictureBytes()) {
        ThrowNoMemory(width, height);
    }

    if (profile != nullptr) {
        *profile = {};
        if (const size_t size = h.heif_image_handle_get_raw_color_profile_size(handle.get());
            size > 0 && size < (16u << 20)) {
            QByteArray icc(qsizetype(size), Qt::Uninitialized);
            if (h.heif_image_handle_get_raw_color_profile(handle.get(), icc.data()).code ==
                heif_error_Ok) {
                profile->icc = icc;
            }
        } else {
            heif_color_profile_nclx* nclx = nullptr;
            if (h.heif_image_handle_get_nclx_color_profile(handle.get(), &nclx).code ==
                    heif_error_Ok &&
                nclx != nullptr) {
                *profile = ProfileFromCodePoints(CodePoint(nclx->color_primaries),
                                                 CodePoint(nclx->transfer_characteristics));
            }
            h.heif_nclx_color_profile_free(nclx);
        }
    }

    const bool alpha = h.heif_image_handle_has_alpha_channel(handle.get()) != 0;
    if (!alpha && !deep) {
        if (ArrivingImage first = HeifFirstLook(h, data, look, context, handle, width, height);
            !first.isNull()) {
            return first; // the thumbnail first; the picture follows
        }
    }
    const int channels = alpha ? 4 : 3;
    heif_image* rawImage = nullptr;
    const heif_chroma chroma =
        deep ? (alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
             : (alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
    Check(h.heif_decode_image(handle.get(), &rawImage, heif_colorspace_RGB, chroma, nullptr),
          format);
    const std::unique_ptr<heif_image, decltype(h.heif_image_release)> image(rawImage,
                                                                            h.heif_image_release);
    int stride = 0;
    const uint8_t* plane =
        h.heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int w = h.heif_image_get_width(image.get(), heif_channel_interleaved);
    const int hgt = h.heif_image_get_height(image.get(), heif_channel_interleaved);
    if (plane == nullptr || w != width || hgt != height) {
        ThrowDamaged(format,
                     QCoreApplication::translate("LoadPicture", "it decodes to no picture"));
    }
    QImage out = NewPicture(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (out.isNull()) {
        ThrowNoMemory(width, height);
    }
    // The depth of what was handed over, which the codec may differ from the handle's.
    const int depth = h.heif_image_get_bits_per_pixel_range(image.get(), heif_channel_interleaved);
    if (depth < 8 || depth > 16 || (depth > 8) != deep) {
        ThrowDamaged(format,
                     QCoreApplication::translate("LoadPicture", "it decodes to no picture"));
    }
    const uint max = (1u << depth) - 1;
    // The file's own integers kept where the load asks for them.
    QImage fine;
    if (deep && kept != nullptr) {
        fine = NewPicture(width, height, alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64);
        if (fine.isNull()) {
            ThrowNoMemory(width, height);
        }
    }
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = plane + qint64(y) * stride;
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (deep) {
            const auto* v = reinterpret_cast<const quint16*>(in);
            for (int x = 0; x < width; ++x, v += channels) {
                line[x] =
                    qRgba(To8(qFromLittleEndian(v[0]), max), To8(qFromLittleEndian(v[1]), max),
                          To8(qFromLittleEndian(v[2]), max),
                          alpha ? To8(qFromLittleEndian(v[3]), max) : 255);
            }
            if (!fine.isNull()) {
                auto* keep = reinterpret_cast<QRgba64*>(fine.scanLine(y));
                v = reinterpret_cast<const quint16*>(in);
                for (int x = 0; x < width; ++x, v += channels) {
                    keep[x] = QRgba64::fromRgba64(qFromLittleEndian(v[0]), qFromLittleEndian(v[1]),
                                                  qFromLittleEndian(v[2]),
                                                  alpha ? qFromLittleEndian(v[3]) : quint16(max));
                }
            }
        } else {
            for (int x = 0; x < width; ++x, in += channels) {
                line[x] = qRgba(in[0], in[1], in[2], alpha ? in[3] : 255);
            }
        }
    }
    if (!fine.isNull()) {
        kept->keep(StoredValues(std::move(fine), depth));
    }
    return out;
}
