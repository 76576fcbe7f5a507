// JPEG XL through libjxl, opened on the first such picture.

#include "input/ModernDecoders.h"
#include "pixels/OptionalLibrary.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <algorithm>
#include <jxl/decode.h>
#include <jxl/thread_parallel_runner.h>
#include <memory>
#include <thread>

namespace {

struct Jxl {
    decltype(&::JxlDecoderCreate) JxlDecoderCreate = nullptr;
    decltype(&::JxlDecoderDestroy) JxlDecoderDestroy = nullptr;
    decltype(&::JxlDecoderSubscribeEvents) JxlDecoderSubscribeEvents = nullptr;
    decltype(&::JxlDecoderSetInput) JxlDecoderSetInput = nullptr;
    decltype(&::JxlDecoderProcessInput) JxlDecoderProcessInput = nullptr;
    decltype(&::JxlDecoderGetBasicInfo) JxlDecoderGetBasicInfo = nullptr;
    decltype(&::JxlDecoderGetColorAsEncodedProfile) JxlDecoderGetColorAsEncodedProfile = nullptr;
    decltype(&::JxlDecoderGetICCProfileSize) JxlDecoderGetICCProfileSize = nullptr;
    decltype(&::JxlDecoderGetColorAsICCProfile) JxlDecoderGetColorAsICCProfile = nullptr;
    decltype(&::JxlDecoderImageOutBufferSize) JxlDecoderImageOutBufferSize = nullptr;
    decltype(&::JxlDecoderSetImageOutBuffer) JxlDecoderSetImageOutBuffer = nullptr;
    decltype(&::JxlDecoderSetParallelRunner) JxlDecoderSetParallelRunner = nullptr;
    // Optional too: without it a file cut short is refused.
    decltype(&::JxlDecoderFlushImage) JxlDecoderFlushImage = nullptr;
    // The threads library is optional: without it the picture decodes on one core.
    decltype(&::JxlThreadParallelRunner) JxlThreadParallelRunner = nullptr;
    decltype(&::JxlThreadParallelRunnerCreate) JxlThreadParallelRunnerCreate = nullptr;
    decltype(&::JxlThreadParallelRunnerDestroy) JxlThreadParallelRunnerDestroy = nullptr;
    bool loaded = false;

    static const Jxl& get() {
        static const Jxl jxl = load();
        return jxl;
    }

private:
    static Jxl load() {
        Jxl j;
        const OptionalLibrary lib("libjxl.so.0.7");
#define HUEMARK_BIND(name) HUEMARK_FIND(lib, j, name)
        j.loaded = HUEMARK_BIND(JxlDecoderCreate) && HUEMARK_BIND(JxlDecoderDestroy) &&
                   HUEMARK_BIND(JxlDecoderSubscribeEvents) && HUEMARK_BIND(JxlDecoderSetInput) &&
                   HUEMARK_BIND(JxlDecoderProcessInput) && HUEMARK_BIND(JxlDecoderGetBasicInfo) &&
                   HUEMARK_BIND(JxlDecoderGetColorAsEncodedProfile) &&
                   HUEMARK_BIND(JxlDecoderGetICCProfileSize) &&
                   HUEMARK_BIND(JxlDecoderGetColorAsICCProfile) &&
                   HUEMARK_BIND(JxlDecoderImageOutBufferSize) &&
                   HUEMARK_BIND(JxlDecoderSetImageOutBuffer) &&
                   HUEMARK_BIND(JxlDecoderSetParallelRunner);
        HUEMARK_BIND(JxlDecoderFlushImage);
#undef HUEMARK_BIND
        const OptionalLibrary threads("libjxl_threads.so.0.7");
        if (!(HUEMARK_FIND(threads, j, JxlThreadParallelRunner) &&
              HUEMARK_FIND(threads, j, JxlThreadParallelRunnerCreate) &&
              HUEMARK_FIND(threads, j, JxlThreadParallelRunnerDestroy))) {
            j.JxlThreadParallelRunner = nullptr;
        }
        return j;
    }
};

const QString kFormat = QStringLiteral("JPEG XL");

bool IsSrgb(const JxlColorEncoding& e) {
    const bool srgbCurve = e.transfer_function == JXL_TRANSFER_FUNCTION_SRGB;
    if (e.color_space == JXL_COLOR_SPACE_GRAY) {
        return srgbCurve && e.white_point == JXL_WHITE_POINT_D65;
    }
    return e.color_space == JXL_COLOR_SPACE_RGB && srgbCurve &&
           e.white_point == JXL_WHITE_POINT_D65 && e.primaries == JXL_PRIMARIES_SRGB;
}

ColorProfile ProfileOfPixels(const Jxl& j, JxlDecoder* decoder) {
    JxlColorEncoding encoding{};
    if (j.JxlDecoderGetColorAsEncodedProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA,
                                             &encoding) == JXL_DEC_SUCCESS &&
        IsSrgb(encoding)) {
        return {};
    }
    size_t size = 0;
    if (j.JxlDecoderGetICCProfileSize(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &size) !=
            JXL_DEC_SUCCESS ||
        size == 0 || size > (16u << 20)) {
        return {};
    }
    QByteArray icc(qsizetype(size), Qt::Uninitialized);
    if (j.JxlDecoderGetColorAsICCProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA,
                                         reinterpret_cast<uint8_t*>(icc.data()),
                                         size) != JXL_DEC_SUCCESS) {
        return {};
    }
    ColorProfile profile;
    profile.icc = icc;
    return profile;
}

} // namespace

QImage DecodeJxl(const QByteArray& data, ColorProfile* profile, StoredValuesKept* kept,
                 std::optional<int>* endsAtRow) {
    const Jxl& j = Jxl::get();
    if (!j.loaded) {
        ThrowInvalidPicture(QCoreApplication::translate(
            "LoadPicture", "JPEG XL pictures need libjxl, which is not installed."));
    }
    const std::unique_ptr<JxlDecoder, decltype(j.JxlDecoderDestroy)> decoder(
        j.JxlDecoderCreate(nullptr), j.JxlDecoderDestroy);
    std::unique_ptr<void, decltype(j.JxlThreadParallelRunnerDestroy)> runner(
        nullptr, j.JxlThreadParallelRunnerDestroy);
    if (j.JxlThreadParallelRunner != nullptr) {
        runner.reset(j.JxlThreadParallelRunnerCreate(
            nullptr, std::max(1u, std::thread::hardware_concurrency())));
        if (runner) {
            j.JxlDecoderSetParallelRunner(decoder.get(), j.JxlThreadParallelRunner, runner.get());
        }
    }
    if (j.JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING |
                                                       JXL_DEC_FULL_IMAGE) != JXL_DEC_SUCCESS) {
        //: Put in for %2 of "the %1 picture is damaged (%2).": the step of decoding that failed.
        ThrowDamaged(kFormat, QCoreApplication::translate("LoadPicture", "decoder"));
    }
    // The input is left open: where it ends early the decoder asks for more instead of failing,
    // and what it has decoded can still be drawn.
    j.JxlDecoderSetInput(decoder.get(), reinterpret_cast<const uint8_t*>(data.constData()),
                         size_t(data.size()));

    JxlBasicInfo info{};
    JxlPixelFormat pixels{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    QImage image;
    ColorProfile colors;
    for (;;) {
        switch (j.JxlDecoderProcessInput(decoder.get())) {
        case JXL_DEC_BASIC_INFO: {
            if (j.JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS) {
                //: Put in for %2 of "the %1 picture is damaged (%2).": the step of decoding that
                //: failed (reading the picture's size and depth).
                ThrowDamaged(kFormat, QCoreApplication::translate("LoadPicture", "basic info"));
            }
            CheckPictureSize(info.xsize, info.ysize);
            if (info.bits_per_sample > 8) {
                pixels.data_type = JXL_TYPE_UINT16;
                if (qint64(info.xsize) * info.ysize * 8 > MaxPictureBytes()) {
                    ThrowNoMemory(info.xsize, info.ysize);
                }
            }
            break;
        }
        case JXL_DEC_COLOR_ENCODING:
            colors = ProfileOfPixels(j, decoder.get());
            break;
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            const bool deep = pixels.data_type == JXL_TYPE_UINT16;
            image = NewPicture(int(info.xsize), int(info.ysize),
                               deep ? QImage::Format_RGBA64 : QImage::Format_RGBA8888);
            if (image.isNull()) {
                ThrowNoMemory(info.xsize, info.ysize);
            }
            pixels.align = size_t(image.bytesPerLine());
            size_t needed = 0;
            if (j.JxlDecoderImageOutBufferSize(decoder.get(), &pixels, &needed) !=
                    JXL_DEC_SUCCESS ||
                needed > size_t(image.sizeInBytes()) ||
                j.JxlDecoderSetImageOutBuffer(decoder.get(), &pixels, image.bits(),
                                              size_t(image.sizeInBytes())) != JXL_DEC_SUCCESS) {
                //: Put in for %2 of "the %1 picture is damaged (%2).": the step of decoding that
                //: failed (handing over the pixels).
                ThrowDamaged(kFormat, QCoreApplication::translate("LoadPicture", "output"));
            }
            break;
        }
        case JXL_DEC_NEED_MORE_INPUT:
            // Cut short: the decoder draws what it has, the rest from coarser data or not at all,
            // and cannot tell which pixels are final, so no row is the picture's own.
            if (image.isNull() || j.JxlDecoderFlushImage == nullptr ||
                j.JxlDecoderFlushImage(decoder.get()) != JXL_DEC_SUCCESS) {
                ThrowDamaged(kFormat,
                             QCoreApplication::translate("LoadPicture", "the file ends early"));
            }
            if (endsAtRow != nullptr) {
                *endsAtRow = 0;
            }
            [[fallthrough]];
        case JXL_DEC_FULL_IMAGE: { // the first frame is the picture
            if (profile != nullptr) {
                *profile = colors;
            }
            if (image.format() == QImage::Format_RGBA64) {
                return EightBitPicture(std::move(image), kept,
                                       int(std::clamp(info.bits_per_sample, 9u, 16u)));
            }
            const bool alpha = info.alpha_bits > 0;
            image = ConvertPicture(std::move(image),
                                   alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
            if (image.isNull()) {
                ThrowNoMemory(info.xsize, info.ysize);
            }
            return image;
        }
        case JXL_DEC_SUCCESS:
            ThrowDamaged(kFormat,
                         QCoreApplication::translate("LoadPicture", "it holds no picture"));
        default:
            ThrowDamaged(kFormat,
                         QCoreApplication::translate("LoadPicture", "it cannot be decoded"));
        }
    }
}
