#pragma once
// A capture of the screen as a picture like any other: the same loader, the same size limit.

#include "desktop/capture/ScreenCapture.h"

#include <QImage>
#include <QString>

struct ScreenPicture {
    enum class Outcome {
        Picture, // picture holds the screen
        Refused, // the user declined the desktop's request: see error
        Failed   // see error
    };
    Outcome outcome = Outcome::Failed;
    QImage picture;
    QString error;
};

// The capture's picture, checked against the picture limit; a file the desktop wrote is read
// through the loader, and then deleted, whether it opened or not, when it is the desktop's own
// file for this capture (deleteFile): any other file is left where it is.
ScreenPicture PictureFromCapture(const ScreenCaptureResult& capture, bool deleteFile);
