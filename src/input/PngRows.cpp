#include "input/PngRows.h"

#include "pixels/PixelBuffer.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <vector>

#include <libdeflate.h>
#include <zlib.h>

namespace {

// libdeflate's checksum runs on the processor's carry-less multiply, a few times zlib's speed:
// every chunk of a large PNG is checked before its first look.
quint32 ChunkCrc(const uchar* chunk, quint32 length) {
    return quint32(libdeflate_crc32(0, chunk + 4, size_t(length) + 4));
}

void AppendChunk(QByteArray* file, const char* type, const uchar* data, quint32 length) {
    QByteArray chunk(qsizetype(12 + length), Qt::Uninitialized);
    auto* p = reinterpret_cast<uchar*>(chunk.data());
    qToBigEndian<quint32>(length, p);
    std::memcpy(p + 4, type, 4);
    if (length > 0) {
        std::memcpy(p + 8, data, length);
    }
    qToBigEndian<quint32>(ChunkCrc(p, length), p + 8 + length);
    file->append(chunk);
}

} // namespace

QByteArray PngFirstRows(const QByteArray& data, int rows, qint64 rowBytes, bool checkRest) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    constexpr qsizetype kHeaderEnd = 8 + 12 + 13;
    if (n < kHeaderEnd || qFromBigEndian<quint32>(p + 8) != 13 ||
        std::memcmp(p + 12, "IHDR", 4) != 0 ||
        ChunkCrc(p + 8, 13) != qFromBigEndian<quint32>(p + 8 + 8 + 13)) {
        return {};
    }
    QByteArray file = data.left(8);
    uchar header[13];
    std::memcpy(header, p + 16, 13);
    qToBigEndian<quint32>(quint32(rows), header + 4);
    AppendChunk(&file, "IHDR", header, 13);

    const qint64 wanted = rows * (rowBytes + 1); // a filter byte before each row
    const qint64 all = qint64(qFromBigEndian<quint32>(p + 20)) * (rowBytes + 1);
    QByteArray filtered(wanted, Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(filtered.data());
    // The rows beyond are inflated here and dropped.
    std::vector<uchar> beyond(std::size_t(1) << 16);
    qint64 dropped = 0;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return {};
    }
    qint64 done = 0;
    int status = Z_OK;
    enum { Before, Pixels, After } stage = Before;
    bool end = false;
    const auto more = [&] { return checkRest || done < wanted; };
    for (qsizetype at = kHeaderEnd; !end && (status == Z_OK || status == Z_STREAM_END) && more();) {
        const qint64 length = at + 12 <= n ? qint64(qFromBigEndian<quint32>(p + at)) : -1;
        if (length < 0 || length > n - at - 12 ||
            ChunkCrc(p + at, quint32(length)) != qFromBigEndian<quint32>(p + at + 8 + length)) {
            status = Z_DATA_ERROR;
            break;
        }
        const uchar* type = p + at + 4;
        const bool pixels = std::memcmp(type, "IDAT", 4) == 0;
        end = std::memcmp(type, "IEND", 4) == 0;
        if (pixels && stage != After) {
            stage = Pixels;
            stream.next_in = const_cast<uchar*>(p + at + 8);
            stream.avail_in = uInt(length);
            while (stream.avail_in > 0 && status == Z_OK && more()) {
                const bool rowsWanted = done < wanted;
                stream.next_out = rowsWanted ? out + done : beyond.data();
                stream.avail_out = rowsWanted
                                       ? uInt(std::min<qint64>(wanted - done, qint64(1) << 30))
                                       : uInt(beyond.size());
                status = inflate(&stream, Z_NO_FLUSH);
                if (rowsWanted) {
                    done = stream.next_out - out;
                } else {
                    dropped += stream.next_out - beyond.data();
                }
            }
        } else if (stage == Before && !end) {
            file.append(data.mid(at, 12 + length));
        } else if (stage != Before && !end && (pixels || (type[0] & 0x20) == 0)) {
            status = Z_DATA_ERROR; // more pixels after other chunks, or an unknown critical one
        } else if (stage == Pixels) {
            stage = After;
        }
        at += 12 + length;
    }
    inflateEnd(&stream);
    if (done < wanted || (checkRest && (!end || status != Z_STREAM_END || done + dropped < all))) {
        return {};
    }
    // The rows' bytes as one chunk of stored deflate blocks, written in place: no compressing,
    // one checksum of each kind over them.
    constexpr qint64 kBlock = 65535;
    const qint64 blocks = (wanted + kBlock - 1) / kBlock;
    const qint64 length = 2 + wanted + 5 * blocks + 4;
    if (wanted <= 0 || length > 0x7FFFFFFF) {
        return {};
    }
    const qsizetype base = file.size();
    file.resize(base + 12 + length + 12);
    auto* chunk = reinterpret_cast<uchar*>(file.data()) + base;
    qToBigEndian<quint32>(quint32(length), chunk);
    std::memcpy(chunk + 4, "IDAT", 4);
    uchar* z = chunk + 8;
    z[0] = 0x78; // deflate with a 32 KiB window; 0x7801 is a multiple of 31, as the header's check
    z[1] = 0x01;
    uchar* o = z + 2;
    const auto* in = reinterpret_cast<const uchar*>(filtered.constData());
    for (qint64 from = 0; from < wanted; from += kBlock) {
        const auto n = quint16(std::min(kBlock, wanted - from));
        o[0] = from + n >= wanted ? 1 : 0; // the last block says so; stored, not compressed
        qToLittleEndian<quint16>(n, o + 1);
        qToLittleEndian<quint16>(quint16(~n), o + 3);
        std::memcpy(o + 5, in + from, n);
        o += 5 + n;
    }
    qToBigEndian<quint32>(quint32(adler32_z(adler32(0, nullptr, 0), in, size_t(wanted))), o);
    qToBigEndian<quint32>(ChunkCrc(chunk, quint32(length)), chunk + 8 + length);
    uchar* last = chunk + 12 + length;
    qToBigEndian<quint32>(0, last);
    std::memcpy(last + 4, "IEND", 4);
    qToBigEndian<quint32>(ChunkCrc(last, 0), last + 8);
    return file;
}

bool PngChunksHold(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    enum { Before, Pixels, After } stage = Before;
    for (qsizetype at = 8; at + 12 <= n;) {
        const qint64 length = qFromBigEndian<quint32>(p + at);
        if (length > n - at - 12 ||
            ChunkCrc(p + at, quint32(length)) != qFromBigEndian<quint32>(p + at + 8 + length)) {
            return false;
        }
        const uchar* type = p + at + 4;
        const bool pixels = std::memcmp(type, "IDAT", 4) == 0;
        if (std::memcmp(type, "IEND", 4) == 0) {
            return stage != Before;
        }
        if (pixels) {
            if (stage == After) {
                return false;
            }
            stage = Pixels;
        } else if (stage != Before) {
            if ((type[0] & 0x20) == 0) {
                return false; // a critical chunk after the pixels
            }
            stage = After;
        }
        at += 12 + length;
    }
    return false;
}

QImage ReadPngAsLoaded(const QByteArray& file) {
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    return ReadPngAsLoaded(&buffer);
}

QImage ReadPngAsLoaded(QIODevice* file) {
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    const QImage::Format format = reader.imageFormat();
    QImage image;
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
        format == QImage::Format_ARGB32_Premultiplied) {
        image = NewPicture(reader.size(), format); // as the loader prepares it
    }
    if (!reader.read(&image)) {
        return QImage();
    }
    return image;
}
