#pragma once
// The picture on the clipboard, read with the loader's own decoders and limits.

#include "desktop/Clipboard.h"
#include "input/LoadPicture.h"

#include <QString>

struct ClipboardPicture {
    enum class Outcome {
        Picture,   // picture holds it
        NoPicture, // the clipboard holds something else, or nothing
        Failed     // it could not be read (no answer in time, too large, damaged): see error
    };
    Outcome outcome = Outcome::NoPicture;
    LoadedPicture picture; // with the picture's own profile, to be applied as for a file
    QString error;
};

// Reads the first picture format on offer that opens, in order of preference (lossless pictures
// first, then lossy ones, drawings, icons), all within the one deadline. Formats the loader does
// not read are left to the toolkit, with the same size limit. Each is loaded with options.
ClipboardPicture ReadClipboardPicture(ClipboardService& clipboard, const QDeadlineTimer& deadline,
                                      const LoadOptions& options = {});

// Where a MIME type (parameters allowed) stands among the picture formats the loader reads: 0 is
// the most faithful; -1 for a type that is no such picture. Drops of picture data rank them so.
int PictureFormatRank(const QString& mimeType);
