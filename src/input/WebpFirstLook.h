#pragma once
// The first look at a large WebP: the part a view at 100 % shows (the top-left corner) is decoded
// first, cropped; on a thread of its own, the first look's rows are decoded whole and the rows
// below them straight into the picture, a step of its data at a time. Until they have arrived,
// the picture comes with what says which have, so that every reader waits for the pixels it
// reads.

#include "input/FirstLookArea.h"
#include "pixels/PendingPixels.h"

#include <QByteArray>

// The picture (Format_RGB32) with the top-left part of look's area decoded and the rest on its way;
// null when the data do not suit (no area asked for, or one where damage must fail the load; a
// picture no taller than it, an animation, one that may be transparent, a file cut short): the
// whole picture is then decoded as usual. Pixels damaged below the top rows show mid-grey there.
// Throws PlatformError when the picture is too large to open.
ArrivingImage DecodeWebpFirstLook(const QByteArray& data, const FirstLookArea& look);

// A WebP whose data stop short (its RIFF size runs past them), decoded as far as they go with
// libwebp's incremental decoder, as the toolkit's reader decodes the whole (Format_ARGB32 with
// alpha, otherwise Format_RGB32 with the alpha bytes the decoder writes): the rows from the top
// it gives, and *rows says how many; the rest mid-grey. Null when the data are not cut short,
// hold an animation, fail to decode or give no row.
QImage DecodeCutWebp(const QByteArray& data, int* rows);
