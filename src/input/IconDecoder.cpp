// ICO and CUR files: a directory of pictures, each a device-independent bitmap with an AND mask
// or a PNG. The largest picture that opens is shown; the directory's own sizes are only hints (0
// means 256 and some writers get them wrong), so sizes are taken from each picture's header.

#include "input/RasterDecoders.h"

#include "pixels/PlatformError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

namespace {

struct Candidate {
    qsizetype offset = -1;
    qint64 width = 0;
    qint64 height = 0;
    int depth = 0;
    bool png = false;
};

bool IsPng(const uchar* p, qsizetype size) {
    static const uchar magic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    return size >= 8 && std::equal(magic, magic + 8, p);
}

// What the picture at `offset` says of itself; nothing when it cannot say.
std::optional<Candidate> Inspect(const uchar* file, qsizetype size, qsizetype offset) {
    const uchar* p = file + offset;
    const qsizetype n = size - offset;
    Candidate c;
    c.offset = offset;
    if (IsPng(p, n)) {
        if (n < 24 || std::memcmp(p + 12, "IHDR", 4) != 0) {
            return std::nullopt;
        }
        c.png = true;
        // PNG sizes stop at 2^31 - 1; clamped so that ranking by area cannot overflow.
        c.width = std::min<qint64>(qFromBigEndian<quint32>(p + 16), INT_MAX);
        c.height = std::min<qint64>(qFromBigEndian<quint32>(p + 20), INT_MAX);
        c.depth = 32;
        return c;
    }
    if (n < 16) {
        return std::nullopt;
    }
    const quint32 headerSize = qFromLittleEndian<quint32>(p);
    if (headerSize == 12) {
        c.width = qFromLittleEndian<quint16>(p + 4);
        c.height = qFromLittleEndian<quint16>(p + 6) / 2;
        c.depth = qFromLittleEndian<quint16>(p + 10);
    } else {
        c.width = qFromLittleEndian<qint32>(p + 4);
        c.height = qAbs(qint64(qFromLittleEndian<qint32>(p + 8))) / 2;
        c.depth = qFromLittleEndian<quint16>(p + 14);
    }
    return c;
}

QImage Decode(const QByteArray& file, const Candidate& c, const QString& format, HeldRows* held) {
    CheckPictureSize(c.width, c.height);
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const qsizetype n = file.size();
    if (c.png) {
        QBuffer buffer;
        buffer.setData(QByteArray::fromRawData(file.constData() + c.offset, n - c.offset));
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "png");
        reader.setAutoDetectImageFormat(false);
        QImage image;
        if (!reader.read(&image)) {
            ThrowDamaged(format, reader.errorString().simplified());
        }
        image.convertTo(QImage::Format_ARGB32);
        return image;
    }
    DibSource src;
    src.data = p + c.offset;
    src.size = n - c.offset;
    src.icon = true;
    return DecodeDib(src, format, held);
}

} // namespace

QImage DecodeIcon(const QByteArray& file, HeldRows* held) {
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const qsizetype n = file.size();
    const QString format = n >= 4 && qFromLittleEndian<quint16>(p + 2) == 2 ? QStringLiteral("CUR")
                                                                            : QStringLiteral("ICO");
    if (n < 6) {
        ThrowDamaged(format,
                     QCoreApplication::translate("LoadPicture", "its header is incomplete"));
    }
    const int count = qFromLittleEndian<quint16>(p + 4);
    std::vector<Candidate> candidates;
    QSet<qsizetype> seen; // entries sharing a picture are tried once
    for (int k = 0; k < count; ++k) {
        const qsizetype entry = 6 + qsizetype(16) * k;
        if (entry + 16 > n) {
            break;
        }
        const qsizetype offset = qFromLittleEndian<quint32>(p + entry + 12);
        if (offset < 6 || offset >= n || seen.contains(offset)) {
            continue;
        }
        seen.insert(offset);
        const std::optional<Candidate> c = Inspect(p, n, offset);
        if (c && c->width > 0 && c->height > 0) {
            candidates.push_back(*c);
        }
    }
    if (candidates.empty()) {
        ThrowDamaged(format,
                     QCoreApplication::translate("LoadPicture", "it holds no readable picture"));
    }
    // Largest first, the deepest among equals; the first to fit and decode is the picture.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) {
                         const qint64 areaA = a.width * a.height;
                         const qint64 areaB = b.width * b.height;
                         return areaA != areaB ? areaA > areaB : a.depth > b.depth;
                     });
    // A few tries at most: a directory of many damaged pictures must not cost a decode each.
    constexpr size_t kMaxTries = 8;
    if (candidates.size() > kMaxTries) {
        candidates.resize(kMaxTries);
    }
    std::optional<PlatformError> firstError;
    for (const Candidate& c : candidates) {
        try {
            return Decode(file, c, format, held);
        } catch (const PlatformError& e) {
            // A damaged or oversized picture leaves the others; the largest one's error is told
            // when none opens.
            if (!firstError) {
                firstError = e;
            }
        }
    }
    throw *firstError;
}
