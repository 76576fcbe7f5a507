#include "sources/PictureArrival.h"

#include "pixels/PlatformError.h"
#include "sources/ClipboardPicture.h"
#include "sources/PortalFile.h"
#include "sources/ScreenPicture.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QUrl>

namespace {
QString OutOfMemory() {
    return QCoreApplication::translate("PictureArrival",
                                       "Out of memory: the picture does not fit in memory.");
}

PictureArrival Arrived(LoadedPicture picture, QString caption) {
    return {true, std::move(picture), std::move(caption), QString(), QString()};
}

// The message says the reason in a message box's words; they break lines with a carriage return
// alone.
PictureArrival Refused(const QString& reason, const QString& message) {
    return {false, LoadedPicture(), QString(), reason, message};
}

// What the window loads: a large picture's first look for a control of firstLook's size, and
// the values of a picture stored finer than 8 bits.
LoadOptions ShownLoad(QSize firstLook) {
    LoadOptions options;
    options.firstLook.area = firstLook;
    options.keepStoredValues = true;
    return options;
}

// The most faithful picture format a drop offers as data, or nothing.
QString DroppedPictureFormat(const QMimeData* data) {
    QString best;
    int bestRank = -1;
    for (const QString& format : data != nullptr ? data->formats() : QStringList()) {
        const int rank = PictureFormatRank(format);
        if (rank >= 0 && (bestRank < 0 || rank < bestRank)) {
            best = format;
            bestRank = rank;
        }
    }
    return best;
}
} // namespace

PictureArrival PictureFromFile(const QString& path, const QString& readFrom, QSize firstLook) {
    QString reason;
    try {
        // A large picture shows first what the picture control shows; the rest follows.
        return Arrived(LoadPicture(readFrom.isEmpty() ? path : readFrom, PictureSource::File,
                                   ShownLoad(firstLook)),
                       path);
    } catch (const PlatformError& e) {
        reason = e.description();
    } catch (const std::bad_alloc&) {
        reason = OutOfMemory();
    }
    //: A message box, its lines broken by carriage returns. %1: the file's path; %2: why (a
    //: sentence).
    return Refused(reason, QCoreApplication::translate(
                               "PictureArrival", "The picture file cannot be opened:\r%1\r\r%2")
                               .arg(path, reason));
}

PictureArrival PictureFromClipboard(ClipboardService& clipboard, const QDeadlineTimer& deadline,
                                    QSize firstLook) {
    ClipboardPicture pasted;
    try {
        pasted = ReadClipboardPicture(clipboard, deadline, ShownLoad(firstLook));
    } catch (const std::bad_alloc&) {
        pasted = {ClipboardPicture::Outcome::Failed, LoadedPicture(), OutOfMemory()};
    }
    if (pasted.outcome == ClipboardPicture::Outcome::Failed) {
        //: A message box, its lines broken by carriage returns. %1: why (a sentence).
        return Refused(pasted.error,
                       QCoreApplication::translate(
                           "PictureArrival", "The clipboard's picture cannot be pasted.\r\r%1")
                           .arg(pasted.error));
    }
    // A clipboard without a picture pastes the empty picture.
    return Arrived(std::move(pasted.picture),
                   //: The window's title while it shows the clipboard's picture.
                   QCoreApplication::translate("PictureArrival", "Pasted from clipboard"));
}

bool OffersPictureData(const QMimeData* data) {
    return !DroppedPictureFormat(data).isEmpty();
}

PictureArrival PictureFromDroppedData(const QMimeData* data, QSize firstLook) {
    const QString format = DroppedPictureFormat(data);
    QString reason;
    try {
        const QByteArray bytes = data->data(format);
        if (bytes.size() > MaxEncodedPictureBytes()) {
            reason = QCoreApplication::translate(
                "PictureArrival", "Out of memory: the picture is too large to open.");
        } else {
            LoadedPicture picture =
                LoadPictureFromData(bytes, PictureSource::Clipboard, ShownLoad(firstLook));
            // Where it came from, when the drop says (a browser names the picture's address).
            const QList<QUrl> urls = data->urls();
            return Arrived(std::move(picture),
                           //: The window's title while it shows a picture dropped on it whose
                           //: address the drop does not give.
                           urls.isEmpty()
                               ? QCoreApplication::translate("PictureArrival", "Dropped picture")
                               : urls.front().toString());
        }
    } catch (const PlatformError& e) {
        reason = e.description();
    } catch (const std::bad_alloc&) {
        reason = OutOfMemory();
    }
    //: A message box, its lines broken by carriage returns. %1: why (a sentence).
    return Refused(reason, QCoreApplication::translate(
                               "PictureArrival", "The dropped picture cannot be opened.\r\r%1")
                               .arg(reason));
}

PictureArrival PictureFromScreen(const ScreenCaptureResult& capture, const QDateTime& asked) {
    ScreenPicture captured;
    try {
        const bool desktopsOwn = capture.outcome == ScreenCaptureResult::Outcome::File &&
                                 IsPortalsOwnFile(capture.file, asked);
        captured = PictureFromCapture(capture, desktopsOwn);
    } catch (const std::bad_alloc&) {
        captured = {ScreenPicture::Outcome::Failed, QImage(), OutOfMemory()};
    }
    if (captured.outcome != ScreenPicture::Outcome::Picture) {
        //: A message box, its lines broken by carriage returns. %1: why (a sentence).
        return Refused(captured.error, QCoreApplication::translate(
                                           "PictureArrival", "The screen cannot be captured.\r\r%1")
                                           .arg(captured.error));
    }
    // What the screen showed is already the screen's colours: no profile to apply.
    LoadedPicture picture;
    picture.picture = std::move(captured.picture);
    //: The window's title while it shows a capture of the screen.
    return Arrived(std::move(picture),
                   QCoreApplication::translate("PictureArrival", "Screen capture"));
}
