#pragma once
// The first look at a large JPEG: the part a view shows at 100 % (the top-left corner) is decoded
// first, cropped to its columns; the whole picture follows on a thread of its own, into the same
// pixels. Until it has, the picture comes with what says which pixels have arrived, so that
// every reader waits for the pixels it reads.

#include "input/FirstLookArea.h"
#include "pixels/PendingPixels.h"

#include <QByteArray>

// The picture (Format_RGB32) with the top-left block of look's area decoded and the rest on its
// way; null when the data do not suit (no area asked for, a picture no larger than it, a sequential
// JPEG in several scans, one in CMYK, a damaged header): the whole picture is then decoded as
// usual. A progressive JPEG shows instead, at once, a coarse look from its first scans (a preview,
// see PendingPixels), which final rows replace once all its scans have been read; only where its
// damage may show.
// Throws PlatformError when the picture is too large to open.
ArrivingImage DecodeJpegFirstLook(const QByteArray& data, const FirstLookArea& look);
