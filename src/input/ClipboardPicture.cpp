#include "input/ClipboardPicture.h"

#include "input/LoadPicture.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

// MIME types (before any parameters) of the formats the loader reads, most faithful first:
// lossless pictures, then the lossy and the drawn ones.
const std::pair<const char*, int> kPreferred[] = {
    {"image/png", 0},
    {"image/bmp", 1},
    {"image/x-bmp", 1},
    {"image/x-ms-bmp", 1},
    {"image/x-win-bitmap", 1},
    {"image/gif", 2},
    {"image/jpeg", 3},
    {"image/jpg", 3},
    {"image/pjpeg", 3},
    {"image/emf", 4},
    {"image/x-emf", 4},
    {"application/x-openoffice-emf", 4},
    {"image/wmf", 5},
    {"image/x-wmf", 5},
    {"application/x-openoffice-wmf", 5},
    {"image/x-icon", 6},
    {"image/vnd.microsoft.icon", 6},
};

int Rank(const QString& format) {
    const QString type = format.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    for (const auto& [name, rank] : kPreferred) {
        if (type == QLatin1String(name)) {
            return rank;
        }
    }
    return -1;
}

ClipboardPicture Failed(const QString& error) {
    return {ClipboardPicture::Outcome::Failed, QImage(), error};
}

const QString kNoAnswer = QStringLiteral(
    "The program that holds the clipboard did not answer in time (it may be busy or stopped).");

} // namespace

ClipboardPicture ReadClipboardPicture(ClipboardService& clipboard, const QDeadlineTimer& deadline) {
    const std::optional<QStringList> offered = clipboard.formats(deadline);
    if (!offered) {
        return Failed(kNoAnswer);
    }
    std::vector<std::pair<int, QString>> candidates;
    for (const QString& format : *offered) {
        if (const int rank = Rank(format); rank >= 0) {
            candidates.emplace_back(rank, format);
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    // The first that opens is the picture; when none does, the first one's failure is told.
    QString error;
    for (const auto& [rank, format] : candidates) {
        const ClipboardData data = clipboard.data(format, EncodedPictureLimit, deadline);
        switch (data.status) {
        case ClipboardData::Status::NoAnswer:
            return Failed(kNoAnswer);
        case ClipboardData::Status::Refused:
            continue;
        case ClipboardData::Status::TooLarge:
            if (error.isEmpty()) {
                error = QCoreApplication::translate(
                    "LoadPicture", "The picture on the clipboard is too large to open.");
            }
            continue;
        case ClipboardData::Status::Read:
            break;
        }
        try {
            return {ClipboardPicture::Outcome::Picture,
                    LoadPictureFromData(data.bytes, PictureSource::Clipboard), QString()};
        } catch (const PlatformError& e) {
            if (error.isEmpty()) {
                error = e.description();
            }
        }
    }
    if (!error.isEmpty()) {
        return Failed(error);
    }
    // Nothing the loader reads: a picture the toolkit holds or reads itself, under the same
    // limits (its readers were given the loader's allocation limit before anything was decoded).
    try {
        const QImage image = clipboard.image();
        if (image.isNull()) {
            return {};
        }
        CheckPictureSize(image.width(), image.height());
        return {ClipboardPicture::Outcome::Picture, NormalizePicture(image), QString()};
    } catch (const PlatformError& e) {
        return Failed(e.description());
    }
}
