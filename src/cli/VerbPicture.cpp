#include "cli/VerbPicture.h"

#include "input/LoadPicture.h"
#include "input/PictureRegion.h"
#include "pixels/PlatformError.h"
#include "pixels/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <new>

namespace Verbs {

namespace {
// Transparent pixels are laid over white, as on paper: there is no window's background here.
ShowOptions VerbShowing(bool stored, const QString& source) {
    ShowOptions options;
    options.asStored = stored;
    options.background = Qt::white;
    options.source = source;
    return options;
}

Failure NoMemory() {
    return Failure{
        1, QCoreApplication::translate("Verbs", "there is not enough memory to open the picture")};
}
} // namespace

PictureBytes ReadPictureBytes(const QByteArray& file,
                              const std::function<QByteArray(qint64, int&)>& readInput) {
    const qint64 limit = MaxEncodedPictureBytes();
    if (file == "-") {
        int error = 0;
        QByteArray bytes = readInput(limit, error);
        if (error == EISDIR) {
            throw Failure{1, QCoreApplication::translate("Verbs", "standard input is a folder")};
        }
        if (error == EBADF) {
            throw Failure{1, QCoreApplication::translate("Verbs", "standard input is closed")};
        }
        if (error != 0) {
            //: On standard error. %1: the system's reason.
            throw Failure{1, QCoreApplication::translate("Verbs", "cannot read standard input: %1")
                                 .arg(SystemErrorText(error))};
        }
        if (bytes.size() > limit) {
            //: On standard error. %1: the largest picture file taken, in MB.
            throw Failure{1, QCoreApplication::translate(
                                 "Verbs", "standard input holds more than a picture may (%1 MB)")
                                 .arg(limit / (1024 * 1024))};
        }
        if (bytes.isEmpty()) {
            throw Failure{1, QCoreApplication::translate("Verbs", "standard input is empty")};
        }
        return {bytes, nullptr};
    }
    const QString name = FileNameText(file);
    RegularFileRead read = MapRegularFile(name, limit);
    QString why;
    switch (read.outcome) {
    case RegularFileRead::Outcome::Read:
        if (read.bytes.isEmpty()) {
            why = QCoreApplication::translate("Verbs", "the file is empty");
            break;
        }
        return {read.bytes, read.mapping};
    case RegularFileRead::Outcome::Folder:
        why = QCoreApplication::translate("Verbs", "it is a folder");
        break;
    case RegularFileRead::Outcome::NotRegular:
        why = QCoreApplication::translate("Verbs", "it is not a regular file");
        break;
    case RegularFileRead::Outcome::TooLarge:
        //: On standard error, after "cannot read '%1': ". %1: the largest picture file taken,
        //: in MB.
        why =
            QCoreApplication::translate("Verbs", "the file is larger than a picture may be (%1 MB)")
                .arg(limit / (1024 * 1024));
        break;
    case RegularFileRead::Outcome::Failed:
        why = read.error;
        break;
    }
    //: On standard error. %1: the file name; %2: why, in lowercase ("it is a folder").
    throw Failure{1, QCoreApplication::translate("Verbs", "cannot read '%1': %2").arg(name, why)};
}

bool IsRasterPicture(const QByteArray& data) {
    const auto at = [&data](qsizetype offset, QByteArrayView magic) {
        return data.size() >= offset + magic.size() &&
               QByteArrayView(data).sliced(offset, magic.size()) == magic;
    };
    using namespace Qt::Literals::StringLiterals;
    return at(0, "\x89PNG"_ba) || at(0, "\xFF\xD8\xFF"_ba) || at(0, "GIF8"_ba) || at(0, "BM"_ba) ||
           (at(0, "RIFF"_ba) && at(8, "WEBP"_ba)) || at(0, "II*\0"_ba) || at(0, "MM\0*"_ba) ||
           at(0, QByteArrayView("\0\0\1\0", 4)) || at(0, QByteArrayView("\0\0\2\0", 4)) ||
           at(4, "ftyp"_ba) || at(0, "\xFF\x0A"_ba) || at(4, "JXL "_ba);
}

ShownPicture Shown(const QByteArray& data, bool stored, const QString& source, bool arriving,
                   bool fine) {
    try {
        // A large baseline JPEG's first row arrives at once, the rest on a thread. (Not a PNG's:
        // damage there must fail the command.)
        LoadOptions options;
        options.firstLook = {arriving ? QSize(1, 1) : QSize(), false};
        options.keepStoredValues = fine;
        LoadedPicture loaded = LoadPictureFromData(data, PictureSource::File, options);
        if (loaded.arriving && !loaded.profile.isEmpty()) {
            loaded.arriving->waitFor(loaded.picture.rect()); // a conversion reads every pixel
        }
        return ShownPicture(std::move(loaded), VerbShowing(stored, source));
    } catch (const PlatformError& e) {
        throw Failure{1, e.description()};
    } catch (const std::bad_alloc&) {
        throw NoMemory();
    }
}

Failure BeyondTheEnd(int row, const QString& what) {
    //: On standard error. %1: the row where the file ends; %2: the point or rectangle asked for
    //: ("the point 3,90", "the rectangle 0,0,10,200").
    return Failure{1, QCoreApplication::translate(
                          "Verbs", "the file ends at row %1: %2 reaches rows it does not hold")
                          .arg(row)
                          .arg(what)};
}

Failure BeforeTheStart(int first, int height, const QString& what) {
    //: On standard error. %1, %2: the first and last rows the file holds; %3: the point or
    //: rectangle asked for ("the point 3,90", "the rectangle 0,0,10,200").
    return Failure{1, QCoreApplication::translate("Verbs", "the file ends early and holds rows %1 "
                                                           "to %2 only: %3 reaches rows it does "
                                                           "not hold")
                          .arg(first)
                          .arg(height - 1)
                          .arg(what)};
}

std::optional<ShownParts> ShownPictureParts(const QByteArray& data, const QList<QRect>& areas,
                                            bool stored, const QString& source) {
    try {
        std::optional<PictureRegions> regions = DecodePictureRegions(data, areas);
        // A grey profile is applied to a grey picture only, which parts cannot tell.
        if (!regions || regions->profile.icc.mid(16, 4) == "GRAY") {
            return std::nullopt;
        }
        ShownParts shown{regions->pictureSize, {}, regions->placed, regions->endsAtRow};
        for (const QImage& part : regions->parts) {
            LoadedPicture loaded;
            loaded.picture = part;
            loaded.profile = regions->profile;
            shown.parts << (part.isNull()
                                ? ShownPicture()
                                : ShownPicture(std::move(loaded), VerbShowing(stored, source)));
        }
        return shown;
    } catch (const PlatformError& e) {
        throw Failure{1, e.description()};
    } catch (const std::bad_alloc&) {
        throw NoMemory();
    }
}

} // namespace Verbs
