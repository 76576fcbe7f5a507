#include "sources/ScreenPicture.h"

#include "input/LoadPicture.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <QFile>

namespace {
ScreenPicture Failed(const QString& error) {
    return {ScreenPicture::Outcome::Failed, QImage(), error};
}
} // namespace

ScreenPicture PictureFromCapture(const ScreenCaptureResult& capture, bool deleteFile) {
    switch (capture.outcome) {
    case ScreenCaptureResult::Outcome::Refused:
        return {ScreenPicture::Outcome::Refused, QImage(), capture.error};
    case ScreenCaptureResult::Outcome::Failed:
        return Failed(capture.error);
    case ScreenCaptureResult::Outcome::File: {
        // The desktop's file for us goes, whatever it holds.
        struct Remove {
            QString path;
            ~Remove() {
                if (!path.isEmpty()) {
                    QFile::remove(path);
                }
            }
        } remove{deleteFile ? capture.file : QString()};
        try {
            return {ScreenPicture::Outcome::Picture,
                    LoadPicture(capture.file, PictureSource::Screen).picture, QString()};
        } catch (const PlatformError& e) {
            return Failed(e.description());
        }
    }
    case ScreenCaptureResult::Outcome::Picture:
        break;
    }
    try {
        if (capture.picture.isNull()) {
            return Failed(QCoreApplication::translate("ScreenPicture",
                                                      "The screen capture holds no picture."));
        }
        CheckPictureSize(capture.picture.width(), capture.picture.height());
        return {ScreenPicture::Outcome::Picture, NormalizePicture(capture.picture), QString()};
    } catch (const PlatformError& e) {
        return Failed(e.description());
    }
}
