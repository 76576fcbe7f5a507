#include "input/PngFirstLook.h"

#include "input/LoadPicture.h"
#include "input/ModernDecoders.h"
#include "input/PictureLimits.h"
#include "input/PngRows.h"
#include "pixels/PendingPixels.h"
#include "pixels/PixelBuffer.h"

#include <QBuffer>
#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

namespace {

// Rows copied and published at a time.
constexpr int kBand = 64;

// The file's bytes, read by the decoder until the picture is let go: then every read fails, and
// the decoder gives up at once.
class CancellableBytes : public QBuffer {
public:
    explicit CancellableBytes(const std::atomic<bool>& cancel) : m_cancel(cancel) {}

protected:
    qint64 readData(char* data, qint64 length) override {
        return m_cancel.load(std::memory_order_relaxed) ? -1 : QBuffer::readData(data, length);
    }

private:
    const std::atomic<bool>& m_cancel;
};

class PngJob final : public ArrivingRows {
public:
    QByteArray data;
    uchar* bits = nullptr;
    qsizetype bytesPerLine = 0;
    void run() {
        YieldToTheWindow();
        QImage whole;
        {
            CancellableBytes file(cancel);
            file.setData(data);
            file.open(QIODevice::ReadOnly);
            try {
                whole = NormalizePicture(EightBitPicture(ReadPngAsLoaded(&file)));
            } catch (...) {
                whole = QImage(); // out of memory: shown as missing
            }
        }
        data = QByteArray(); // the file's bytes are not needed any more
        const int width = buffer.width();
        const int height = buffer.height();
        const bool same = whole.size() == buffer.size() && whole.format() == QImage::Format_RGB32;
        // Rows the first look holds only in part are finished first.
        for (int y = readyColumns < width ? 0 : readyRows;
             y < height && !cancel.load(std::memory_order_relaxed); y += kBand) {
            const int rows = std::min(kBand, height - y);
            for (int r = y; r < y + rows; ++r) {
                // The first look's block is in already: readers may be reading it.
                const int from = r < readyRows ? readyColumns : 0;
                auto* line = reinterpret_cast<QRgb*>(bits + r * bytesPerLine);
                if (same) {
                    std::memcpy(line + from,
                                reinterpret_cast<const QRgb*>(whole.constScanLine(r)) + from,
                                size_t(width - from) * 4);
                } else {
                    // What the file could not give (damage below the first look) shows
                    // mid-grey, as missing data does.
                    std::fill(line + from, line + width, qRgb(0x80, 0x80, 0x80));
                }
            }
            publish(y + rows);
        }
        finish();
    }
};

// The bytes a row of the PNG takes before its filter byte, for the header's colour types that a
// first look takes (no alpha, at most 8 bits a channel); 0 for any other.
qint64 RowBytes(const uchar* header, int width) {
    const int depth = header[24];
    const int type = header[25];
    const bool interlaced = header[28] != 0;
    if (interlaced || depth > 8) {
        return 0;
    }
    const int channels = type == 0 || type == 3 ? 1 : type == 2 ? 3 : 0;
    return channels == 0 ? 0 : (qint64(width) * channels * depth + 7) / 8;
}

// Whether a chunk before the pixels may make the picture transparent (tRNS).
bool MayBeTransparent(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    for (qsizetype at = 8; at + 12 <= data.size();) {
        const qint64 length = qFromBigEndian<quint32>(p + at);
        if (std::memcmp(p + at + 4, "IDAT", 4) == 0) {
            return false;
        }
        if (std::memcmp(p + at + 4, "tRNS", 4) == 0 || length > data.size() - at - 12) {
            return true;
        }
        at += 12 + length;
    }
    return true;
}

} // namespace

QImage DecodePngFirstLook(const QByteArray& data, QSize area) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    if (area.isEmpty() || data.size() < 33 || !data.startsWith("\x89PNG\r\n\x1a\n") ||
        std::memcmp(p + 12, "IHDR", 4) != 0) {
        return QImage();
    }
    const quint32 width = qFromBigEndian<quint32>(p + 16);
    const quint32 height = qFromBigEndian<quint32>(p + 20);
    CheckPictureSize(width, height);
    const qint64 rowBytes = RowBytes(p, int(width));
    if (int(height) <= area.height() || rowBytes == 0 || !FirstLookArea::damageMayShow() ||
        MayBeTransparent(data) || !PngChunksHold(data)) {
        return QImage();
    }
    const int rows = area.height();
    const int columns = std::min(int(width), area.width());
    auto job = std::make_shared<PngJob>();
    job->buffer = NewPicture(int(width), int(height), QImage::Format_RGB32);
    if (job->buffer.isNull()) {
        return QImage(); // the usual way says that memory ran out
    }
    job->data = data;
    job->bits = job->buffer.bits();
    job->bytesPerLine = job->buffer.bytesPerLine();
    job->readyColumns = columns;
    job->readyRows = rows;
    const QImage picture = ArrivingRows::PictureOver(job);
    // The whole decode starts at once, on another core, while this one decodes the top rows:
    // the last pixel comes no later than it would without a first look. Nobody sees the picture
    // before its top rows are in.
    PngJob* running = job.get();
    job->start([running] { running->run(); });
    const QImage top = NormalizePicture(EightBitPicture(
        ReadPngAsLoaded(PngFirstRows(data, rows, rowBytes, false, columns, RowBytes(p, columns)))));
    if (top.format() != QImage::Format_RGB32 || top.size() != QSize(columns, rows)) {
        return QImage(); // the picture goes, and its decoder stops
    }
    for (int y = 0; y < rows; ++y) {
        std::memcpy(job->bits + y * job->bytesPerLine, top.constScanLine(y), size_t(columns) * 4);
    }
    return picture;
}
