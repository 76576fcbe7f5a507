// Parts of a picture decoded alone are the whole decode's pixels: for any bytes, when both the
// parts and the whole picture come back, every pixel of every part, the size and the colour
// profile must agree. A part from bytes the whole decode refuses, a crash, a sanitizer report or
// a hang is a finding too.

#include "input/LoadPicture.h"
#include "input/PictureRegion.h"
#include "pixels/PlatformError.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

[[noreturn]] void Finding(const char* what) {
    std::fprintf(stderr, "parts and whole disagree: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    (void)argc;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(Quiet);
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication app(qtArgc, qtArgv);
    SetMaxPictureBytes(qint64(16) << 20);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // A corner, a block edge, a part partly outside and one far down.
    const QList<QRect> areas{QRect(0, 0, 1, 1), QRect(15, 7, 3, 3), QRect(-4, 30, 9, 9),
                             QRect(40, 120, 2, 2)};
    std::optional<PictureRegions> regions;
    try {
        regions = DecodePictureRegions(bytes, areas);
    } catch (const PlatformError&) {
        return 0;
    }
    if (!regions) {
        return 0;
    }
    ColorProfile profile;
    QImage whole;
    try {
        LoadedPicture loaded = LoadPictureFromData(bytes);
        whole = std::move(loaded.picture);
        profile = std::move(loaded.profile);
    } catch (const PlatformError&) {
        Finding("the whole picture is refused");
    }
    if (whole.size() != regions->pictureSize) {
        Finding("size");
    }
    if (profile.icc != regions->profile.icc || profile.stated != regions->profile.stated ||
        profile.unusable != regions->profile.unusable) {
        Finding("profile");
    }
    for (qsizetype i = 0; i < areas.size(); ++i) {
        const QRect placed = areas[i].intersected(whole.rect());
        if (regions->placed[i] != placed) {
            Finding("placed");
        }
        const QImage& part = regions->parts[i];
        if (placed.isEmpty()) {
            continue;
        }
        if (part.format() != whole.format() || part.size() != placed.size()) {
            Finding("format");
        }
        for (int y = 0; y < placed.height(); ++y) {
            for (int x = 0; x < placed.width(); ++x) {
                if (part.pixel(x, y) != whole.pixel(placed.x() + x, placed.y() + y)) {
                    Finding("pixel");
                }
            }
        }
    }
    return 0;
}
