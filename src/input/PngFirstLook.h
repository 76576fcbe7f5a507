#pragma once
// The first look at a large PNG: the rows a view at 100 % shows (from the top) are decoded first,
// on their own; the whole picture is decoded on a thread of its own and its other rows are
// copied into the same pixels. Until they have arrived, the picture comes with what says which
// have, so that every reader waits for the pixels it reads.

#include "input/FirstLookArea.h"
#include "pixels/PendingPixels.h"

#include <QByteArray>

// The picture (Format_RGB32) with the top rows of look's area decoded and the rest on its way;
// null when the data do not suit (no area asked for, or one where damage may not show; a picture no
// taller than it, an interlaced PNG, one that may be transparent or has more than 8 bits a channel;
// a chunk that fails its checksum, a file cut short, damage in the top rows): the whole picture is
// then decoded as usual, which refuses a damaged file. Compressed pixels damaged below the top rows
// in a way that keeps every checksum show mid-grey there. Throws PlatformError when the picture is
// too large to open.
ArrivingImage DecodePngFirstLook(const QByteArray& data, const FirstLookArea& look);
