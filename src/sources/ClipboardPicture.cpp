#include "sources/ClipboardPicture.h"

#include "input/LoadPicture.h"
#include "pixels/PlatformError.h"

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
    {"image/tiff", 2},
    {"image/jxl", 3},
    {"image/webp", 4},
    {"image/avif", 5},
    {"image/heic", 5},
    {"image/heif", 5},
    {"image/gif", 6},
    {"image/jpeg", 7},
    {"image/jpg", 7},
    {"image/pjpeg", 7},
    {"image/svg+xml", 8},
    {"image/emf", 9},
    {"image/x-emf", 9},
    {"application/x-openoffice-emf", 9},
    {"image/wmf", 10},
    {"image/x-wmf", 10},
    {"application/x-openoffice-wmf", 10},
    {"image/x-icon", 11},
    {"image/vnd.microsoft.icon", 11},
};

} // namespace

int PictureFormatRank(const QString& format) {
    const QString type = format.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    for (const auto& [name, rank] : kPreferred) {
        if (type == QLatin1String(name)) {
            return rank;
        }
    }
    return -1;
}

namespace {

ClipboardPicture Failed(const QString& error) {
    return {ClipboardPicture::Outcome::Failed, LoadedPicture(), error};
}

QString NoAnswer() {
    return QCoreApplication::translate(
        "ClipboardPicture",
        "The program that holds the clipboard did not answer in time (it may be busy or stopped).");
}

} // namespace

ClipboardPicture ReadClipboardPicture(ClipboardService& clipboard, const QDeadlineTimer& deadline,
                                      const LoadOptions& options) {
    const std::optional<QStringList> offered = clipboard.formats(deadline);
    if (!offered) {
        return Failed(NoAnswer());
    }
    std::vector<std::pair<int, QString>> candidates;
    for (const QString& format : *offered) {
        if (const int rank = PictureFormatRank(format); rank >= 0) {
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
            return Failed(NoAnswer());
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
                    LoadPictureFromData(data.bytes, PictureSource::Clipboard, options), QString()};
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
    // Never a drawing in a kind of SVG the loader does not take: the toolkit's own SVG reader
    // draws the files a drawing names.
    const bool drawing = std::any_of(offered->begin(), offered->end(), [](const QString& f) {
        return f.contains(QLatin1String("svg"), Qt::CaseInsensitive);
    });
    if (drawing) {
        return {};
    }
    try {
        const QImage image = clipboard.image();
        if (image.isNull()) {
            return {};
        }
        CheckPictureSize(image.width(), image.height());
        LoadedPicture picture;
        picture.picture = NormalizePicture(image);
        return {ClipboardPicture::Outcome::Picture, std::move(picture), QString()};
    } catch (const PlatformError& e) {
        return Failed(e.description());
    }
}
