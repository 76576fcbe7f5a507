#pragma once
// The picture on the clipboard, read with the loader's own decoders and limits.

#include "platform/Services.h"

#include <QImage>
#include <QString>

struct ClipboardPicture {
    enum class Outcome {
        Picture,   // picture holds it
        NoPicture, // the clipboard holds something else, or nothing
        Failed     // it could not be read (no answer in time, too large, damaged): see error
    };
    Outcome outcome = Outcome::NoPicture;
    QImage picture;
    QString error;
};

// Reads the first picture format on offer that opens, in order of preference (PNG, BMP, GIF,
// JPEG, EMF, WMF, icons), all within the one deadline. Formats the loader does not read are left
// to the toolkit, with the same size limit.
ClipboardPicture ReadClipboardPicture(ClipboardService& clipboard, const QDeadlineTimer& deadline);
