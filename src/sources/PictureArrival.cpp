#include "sources/PictureArrival.h"

#include "input/JpegFirstLook.h"
#include "input/LoadPicture.h"
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

PictureArrival Arrived(QImage picture, ColorProfile profile, QString caption,
                       StoredValues fine = {}) {
    return {true,     std::move(picture), std::move(profile), std::move(fine), std::move(caption),
            QString()};
}

// Messages break lines with a carriage return alone.
PictureArrival Refused(const QString& message) {
    return {false, QImage(), ColorProfile(), StoredValues(), QString(), message};
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
        // A large JPEG shows first what the picture control shows; the rest follows.
        const FirstLookArea look(firstLook);
        StoredValuesKept kept;
        ColorProfile profile;
        QImage picture = LoadPicture(readFrom.isEmpty() ? path : readFrom, &profile);
        return Arrived(std::move(picture), std::move(profile), path, kept.take());
    } catch (const PlatformError& e) {
        reason = e.description();
    } catch (const std::bad_alloc&) {
        reason = OutOfMemory();
    }
    //: A message box, its lines broken by carriage returns. %1: the file's path; %2: why (a
    //: sentence).
    return Refused(QCoreApplication::translate("PictureArrival",
                                               "The picture file cannot be opened:\r%1\r\r%2")
                       .arg(path, reason));
}

PictureArrival PictureFromClipboard(ClipboardService& clipboard, const QDeadlineTimer& deadline,
                                    QSize firstLook) {
    ClipboardPicture pasted;
    StoredValuesKept kept;
    try {
        const FirstLookArea look(firstLook);
        pasted = ReadClipboardPicture(clipboard, deadline);
    } catch (const std::bad_alloc&) {
        pasted = {ClipboardPicture::Outcome::Failed, QImage(), OutOfMemory(), {}};
    }
    if (pasted.outcome == ClipboardPicture::Outcome::Failed) {
        //: A message box, its lines broken by carriage returns. %1: why (a sentence).
        return Refused(QCoreApplication::translate(
                           "PictureArrival", "The clipboard's picture cannot be pasted.\r\r%1")
                           .arg(pasted.error));
    }
    // A clipboard without a picture pastes the empty picture.
    return Arrived(std::move(pasted.picture), std::move(pasted.profile),
                   //: The window's title while it shows the clipboard's picture.
                   QCoreApplication::translate("PictureArrival", "Pasted from clipboard"),
                   kept.take());
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
            StoredValuesKept kept;
            ColorProfile profile;
            const FirstLookArea look(firstLook);
            QImage picture = LoadPictureFromData(bytes, PictureSource::Clipboard, &profile);
            // Where it came from, when the drop says (a browser names the picture's address).
            const QList<QUrl> urls = data->urls();
            return Arrived(std::move(picture), std::move(profile),
                           //: The window's title while it shows a picture dropped on it whose
                           //: address the drop does not give.
                           urls.isEmpty()
                               ? QCoreApplication::translate("PictureArrival", "Dropped picture")
                               : urls.front().toString(),
                           kept.take());
        }
    } catch (const PlatformError& e) {
        reason = e.description();
    } catch (const std::bad_alloc&) {
        reason = OutOfMemory();
    }
    //: A message box, its lines broken by carriage returns. %1: why (a sentence).
    return Refused(
        QCoreApplication::translate("PictureArrival", "The dropped picture cannot be opened.\r\r%1")
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
        return Refused(
            QCoreApplication::translate("PictureArrival", "The screen cannot be captured.\r\r%1")
                .arg(captured.error));
    }
    // What the screen showed is already the screen's colours: no profile to apply.
    //: The window's title while it shows a capture of the screen.
    return Arrived(std::move(captured.picture), ColorProfile(),
                   QCoreApplication::translate("PictureArrival", "Screen capture"));
}
