// Any bytes either open as a picture in one of the two formats LoadPictureFromData promises, or
// are refused with PlatformError; the colour profile the bytes name is applied as the window
// applies it. Anything else (a crash, a sanitizer report, a hang, a picture in another format, a
// conversion that changes the picture's size or format) is a finding.

#include "input/LoadPicture.h"
#include "input/RasterDecoders.h"
#include "input/cms/SrgbConversion.h"
#include "pixels/PendingPixels.h"
#include "pixels/PlatformError.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

bool OpaqueAlphaBytes(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                std::fprintf(stderr, "RGB32 pixel (%d, %d) is %08x\n", x, y, line[x]);
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    (void)argc;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet); // damaged inputs make Qt's readers chatty
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication app(qtArgc, qtArgv);
    // Pictures 2048 × 2048 at most (progressive JPEGs less, for their coefficients), to keep
    // each run small; metafiles beyond that are drawn smaller.
    SetMaxPictureBytes(qint64(16) << 20);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        // Every JPEG larger than this takes the first look's way too, the rest on its thread.
        LoadOptions look;
        look.firstLook.area = QSize(8, 8);
        const LoadedPicture loaded = LoadPictureFromData(bytes, PictureSource::File, look);
        const QImage& image = loaded.picture;
        const ColorProfile& profile = loaded.profile;
        if (loaded.arriving) {
            loaded.arriving->waitFor(image.rect());
        }
        const bool opaque = image.format() == QImage::Format_RGB32;
        if (image.isNull() || (!opaque && image.format() != QImage::Format_ARGB32_Premultiplied) ||
            (opaque && !OpaqueAlphaBytes(image))) {
            std::fprintf(stderr, "broken promise: %d×%d picture in format %d\n", image.width(),
                         image.height(), int(image.format()));
            std::abort();
        }
        const ShownColors shown = ColorsAsShown(image, profile);
        if (shown.picture.image.size() != image.size() ||
            shown.picture.image.format() != image.format()) {
            std::fprintf(stderr, "conversion changed the picture\n");
            std::abort();
        }
    } catch (const PlatformError&) {
    }
    return 0;
}
