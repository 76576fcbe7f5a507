#pragma once
// A new picture, whichever way it arrives (a file, the clipboard, a drop, the screen), in one
// form: the picture with its colour profile and the title to show it under, or the message that
// says why there is none. The window shows every one the same way.

#include "desktop/Clipboard.h"
#include "desktop/capture/ScreenCapture.h"
#include "input/LoadPicture.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QImage>
#include <QSize>
#include <QString>

class QMimeData;

struct PictureArrival {
    bool ok = false;
    // The stored values (an empty clipboard gives the empty picture), the rows still arriving,
    // the profile, and the values at the file's precision for a picture stored finer than 8 bits
    // a channel.
    LoadedPicture picture;
    QString caption; // the window's title while it is shown
    QString reason;  // why it could not be had (not ok), in a sentence
    QString message; // the same as a message box's whole text
};

// The picture in a file the user chose (its name is the caption). Its bytes are read from
// readFrom where that is given: a name the system cannot give back as text is read through a
// descriptor. A large JPEG or PNG shows first the part a control of firstLook's size shows; so
// do the clipboard's and a drop's.
PictureArrival PictureFromFile(const QString& path, const QString& readFrom, QSize firstLook);

// The clipboard's picture, waited for until the deadline.
PictureArrival PictureFromClipboard(ClipboardService& clipboard, const QDeadlineTimer& deadline,
                                    QSize firstLook = QSize());

// Picture data dropped from another program (a browser's picture): the most faithful format it
// offers. None when it offers no picture format.
bool OffersPictureData(const QMimeData* data);
PictureArrival PictureFromDroppedData(const QMimeData* data, QSize firstLook = QSize());

// What a capture of the screen gave, asked for at `asked`. A file the desktop wrote is read, and
// deleted only when it can be told to be the one the desktop made for this capture.
PictureArrival PictureFromScreen(const ScreenCaptureResult& capture, const QDateTime& asked);
