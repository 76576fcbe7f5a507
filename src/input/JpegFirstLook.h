#pragma once
// The first look at a large JPEG: the part a view shows at 100 % (the top-left corner) is decoded
// first, cropped to its columns; the whole picture follows on a thread of its own, into the same
// pixels. Until it has, the picture is enrolled as PendingPixels, so that every reader waits for
// the pixels it reads.

#include <QByteArray>
#include <QImage>
#include <QSize>

// While one lives, LoadPicture on this thread decodes a JPEG larger than the area this way; and a
// progressive JPEG, a PNG, a WebP, or a HEIF or AVIF picture with a thumbnail, too unless
// damageMayShow is false: their damage found after the first look shows as grey rows, where the
// command line must fail the load.
class FirstLookArea {
public:
    explicit FirstLookArea(QSize area, bool damageMayShow = true);
    ~FirstLookArea();
    FirstLookArea(const FirstLookArea&) = delete;
    FirstLookArea& operator=(const FirstLookArea&) = delete;
    static QSize current();
    static bool damageMayShow();

private:
    QSize m_previous;
    bool m_previousDamage = true;
};

// The picture (Format_RGB32) with its top-left area decoded and the rest on its way; null when
// the data do not suit (no area asked for, a picture no larger than it, a sequential JPEG in
// several scans, one in CMYK, a damaged header): the whole picture is then decoded as usual.
// A progressive JPEG shows instead, at once, a coarse look from its first scans (a preview, see
// PendingPixels), which final rows replace once all its scans have been read.
// Throws PlatformError when the picture is too large to open.
QImage DecodeJpegFirstLook(const QByteArray& data, QSize area = FirstLookArea::current());
