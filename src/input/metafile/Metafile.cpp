#include "input/metafile/Metafile.h"

#include "input/metafile/ByteReader.h"
#include "input/metafile/Players.h"
#include "pixels/PixelBuffer.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace gdi {

namespace {

constexpr double MaxSide = 20000;

bool isEmf(QByteArrayView data) {
    ByteReader r(data);
    const quint32 type = r.u32();
    r.seek(40);
    return type == 1 && r.u32() == 0x464d4520; // " EMF"
}

bool isWmf(QByteArrayView data) {
    ByteReader r(data);
    if (r.u32() == 0x9ac6cdd7) {
        return r.ok();
    }
    r.seek(0);
    const quint16 type = r.u16();
    const quint16 headerWords = r.u16();
    const quint16 version = r.u16();
    return r.ok() && (type == 1 || type == 2) && headerWords == 9 &&
           (version == 0x300 || version == 0x100);
}

} // namespace

void setError(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

std::optional<QImage> newPicture(double width, double height, qint64 maxPixels, QSizeF* scale,
                                 QString* error) {
    if (!(width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height))) {
        setError(error, QCoreApplication::translate("Metafile", "The metafile's picture is empty"));
        return std::nullopt;
    }
    const double limit = double(std::max<qint64>(maxPixels, 1));
    double w = std::max(1.0, std::round(width));
    double h = std::max(1.0, std::round(height));
    *scale = QSizeF(1, 1);
    if (w > MaxSide || h > MaxSide || w * h > limit) {
        // Rounded down, so the smaller picture stays within the limits.
        const double f =
            std::min({MaxSide / width, MaxSide / height, std::sqrt(limit / width / height)});
        w = std::clamp(std::floor(width * f), 1.0, MaxSide);
        h = std::clamp(std::floor(height * f), 1.0, MaxSide);
        *scale = QSizeF(w / width, h / height);
    }
    QImage picture = NewPicture(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) {
        setError(error, QCoreApplication::translate(
                            "Metafile", "Not enough memory for the metafile's picture"));
        return std::nullopt;
    }
    picture.fill(Qt::transparent);
    return picture;
}

QString decodeAnsi(QByteArrayView bytes) {
    // Only 0x80-0x9f differ from Latin-1.
    static const char16_t high[32] = {
        0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
        0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const quint8 b = quint8(c);
        text.append(QChar(b >= 0x80 && b < 0xa0 ? high[b - 0x80] : char16_t(b)));
    }
    return text;
}

} // namespace gdi

bool LooksLikeMetafile(const QByteArray& data) {
    return gdi::isEmf(data) || gdi::isWmf(data);
}

std::optional<QImage> RenderMetafile(const QByteArray& data, double dpi, QString* error,
                                     qint64 maxPixels) {
    if (!(dpi > 0 && dpi <= 10000)) {
        gdi::setError(error, QCoreApplication::translate(
                                 "Metafile", "Invalid resolution for drawing a metafile"));
        return std::nullopt;
    }
    if (gdi::isEmf(data)) {
        return gdi::playEmf(data, dpi, maxPixels, error);
    }
    if (gdi::isWmf(data)) {
        return gdi::playWmf(data, dpi, maxPixels, error);
    }
    gdi::setError(error,
                  QCoreApplication::translate("Metafile", "The file is not a Windows metafile"));
    return std::nullopt;
}
