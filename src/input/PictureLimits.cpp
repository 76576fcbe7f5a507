#include "input/PictureLimits.h"

#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <QImageReader>

namespace {

// 1 GiB of pixels: a 16384 × 16384 picture, or a 50-megapixel photo several times over.
qint64 g_maxPictureBytes = qint64(1) << 30;

constexpr int kErrInvalidPicture = 481;

// Qt's readers refuse more than 128 MiB by default; ours is the limit that counts. The setting is
// process-wide and made before anything is decoded, so the clipboard's pictures, which the
// toolkit may decode on its own, meet the same limit as files from the first paste on.
void ApplyAllocationLimit() {
    QImageReader::setAllocationLimit(int((g_maxPictureBytes + (1 << 20) - 1) >> 20));
}
[[maybe_unused]] const bool g_allocationLimitApplied = (ApplyAllocationLimit(), true);

} // namespace

qint64 MaxPictureBytes() {
    return g_maxPictureBytes;
}

void SetMaxPictureBytes(qint64 bytes) {
    g_maxPictureBytes = bytes;
    ApplyAllocationLimit();
}

qint64 MaxEncodedPictureBytes() {
    // No picture we open is much larger encoded than in memory.
    return g_maxPictureBytes + (qint64(1) << 20);
}

void CheckPictureSize(qint64 width, qint64 height) {
    const qint64 pixels = g_maxPictureBytes / 4;
    if (width > 0 && height > 0 && (width > pixels || height > pixels / width)) {
        ThrowTooLarge(width, height);
    }
}

void ThrowTooLarge(qint64 width, qint64 height) {
    //: %1 × %2: the picture's width and height in pixels.
    throw PlatformError(
        kErrOutOfMemory,
        QCoreApplication::translate(
            "LoadPicture", "Out of memory: the picture is %1 × %2 pixels, too large to open.")
            .arg(width)
            .arg(height));
}

void ThrowNoMemory(qint64 width, qint64 height) {
    //: %1 × %2: the picture's width and height in pixels.
    throw PlatformError(
        kErrOutOfMemory,
        QCoreApplication::translate(
            "LoadPicture", "Out of memory: the picture (%1 × %2 pixels) does not fit in memory.")
            .arg(width)
            .arg(height));
}

void ThrowInvalidPicture(const QString& detail) {
    //: %1: what is wrong with the picture, a sentence that starts in lowercase ("the file is
    //: empty.").
    throw PlatformError(
        kErrInvalidPicture,
        QCoreApplication::translate("LoadPicture", "Invalid picture: %1").arg(detail));
}

void ThrowDamaged(const QString& format, const QString& detail) {
    //: %1: the picture's format ("PNG", "JPEG XL"); %2: what is damaged, in a few words that start
    //: in lowercase ("its header is incomplete").
    ThrowInvalidPicture(
        QCoreApplication::translate("LoadPicture", "the %1 picture is damaged (%2).")
            .arg(format, detail));
}
