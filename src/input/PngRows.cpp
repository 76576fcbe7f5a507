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

// The filtered bytes of each pass of a picture (one pass when not interlaced), a filter byte
// before each row, and for each row of the picture where the bytes that complete it end.
struct PngLayout {
    qint64 total = 0;
    qint64 firstRow = 0; // the end of the first row of the first pass with pixels
    std::vector<qint64> rowEnds;
};

PngLayout Layout(qint64 width, qint64 height, int bitsPerPixel, bool interlaced) {
    const auto rowBytes = [bitsPerPixel](qint64 columns) {
        return 1 + (columns * bitsPerPixel + 7) / 8;
    };
    PngLayout layout;
    layout.rowEnds.assign(size_t(height), 0);
    if (!interlaced) {
        for (qint64 y = 0; y < height; ++y) {
            layout.rowEnds[size_t(y)] = (y + 1) * rowBytes(width);
        }
        layout.total = height * rowBytes(width);
        layout.firstRow = rowBytes(width);
        return layout;
    }
    // Adam7: each pass's first row and column, and the steps between its columns and rows.
    static const int kPasses[7][4] = {{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 4, 8}, {0, 2, 4, 4},
                                      {2, 0, 2, 4}, {0, 1, 2, 2}, {1, 0, 1, 2}};
    for (const auto& pass : kPasses) {
        const qint64 columns = width > pass[1] ? (width - pass[1] + pass[2] - 1) / pass[2] : 0;
        const qint64 rows = height > pass[0] ? (height - pass[0] + pass[3] - 1) / pass[3] : 0;
        if (columns == 0 || rows == 0) {
            continue;
        }
        if (layout.firstRow == 0) {
            layout.firstRow = layout.total + rowBytes(columns);
        }
        for (qint64 i = 0; i < rows; ++i) {
            layout.rowEnds[size_t(pass[0] + i * pass[3])] =
                layout.total + (i + 1) * rowBytes(columns);
        }
        layout.total += rows * rowBytes(columns);
    }
    return layout;
}

} // namespace

CutPng PngMadeWhole(const QByteArray& data) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    constexpr qsizetype kHeaderEnd = 8 + 12 + 13;
    if (n < kHeaderEnd || qFromBigEndian<quint32>(p + 8) != 13 ||
        std::memcmp(p + 12, "IHDR", 4) != 0 ||
        ChunkCrc(p + 8, 13) != qFromBigEndian<quint32>(p + 8 + 8 + 13)) {
        return {};
    }
    const qint64 width = qFromBigEndian<quint32>(p + 16);
    const qint64 height = qFromBigEndian<quint32>(p + 20);
    const int depth = p[24];
    const int type = p[25];
    const int channels = type == 0 || type == 3 ? 1
                         : type == 2            ? 3
                         : type == 4            ? 2
                         : type == 6            ? 4
                                                : 0;
    if (width <= 0 || height <= 0 || channels == 0 || depth < 1 || depth > 16 || p[28] > 1) {
        return {};
    }
    const PngLayout layout = Layout(width, height, channels * depth, p[28] == 1);
    QByteArray file = data.left(kHeaderEnd);
    QByteArray filtered;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        return {};
    }
    qint64 done = 0;
    int status = Z_OK;
    enum { Before, Pixels, After } stage = Before;
    bool cut = false;
    for (qsizetype at = kHeaderEnd; !cut;) {
        if (at + 12 > n) {
            cut = true; // between chunks, or in a chunk's length and type
            break;
        }
        const qint64 length = qFromBigEndian<quint32>(p + at);
        const uchar* type = p + at + 4;
        const bool pixels = std::memcmp(type, "IDAT", 4) == 0;
        if (std::memcmp(type, "IEND", 4) == 0) {
            break; // the file is whole: its damage is what failed
        }
        cut = length > n - at - 12;
        if (!cut &&
            ChunkCrc(p + at, quint32(length)) != qFromBigEndian<quint32>(p + at + 8 + length)) {
            status = Z_DATA_ERROR;
            break;
        }
        if (pixels && stage != After) {
            if (stage == Before) {
                filtered = QByteArray(layout.total, '\0');
                if (filtered.size() != layout.total) {
                    status = Z_MEM_ERROR;
                    break;
                }
            }
            stage = Pixels;
            stream.next_in = const_cast<uchar*>(p + at + 8);
            stream.avail_in = uInt(std::max<qint64>(0, std::min<qint64>(length, n - at - 8)));
            while (stream.avail_in > 0 && status == Z_OK && done < layout.total) {
                stream.next_out = reinterpret_cast<uchar*>(filtered.data()) + done;
                stream.avail_out = uInt(std::min<qint64>(layout.total - done, qint64(1) << 30));
                status = inflate(&stream, Z_NO_FLUSH);
                done = stream.next_out - reinterpret_cast<uchar*>(filtered.data());
            }
            if (status == Z_BUF_ERROR) {
                status = Z_OK; // no progress from the last bytes: the data stop here
            }
            if (status != Z_OK && status != Z_STREAM_END) {
                break;
            }
        } else if (stage == Before) {
            if (cut) {
                break; // the file stops before its pixels
            }
            file.append(data.mid(at, 12 + length));
        } else if (pixels || (type[0] & 0x20) == 0) {
            status = Z_DATA_ERROR; // more pixels after other chunks, or an unknown critical one
            break;
        } else {
            stage = After;
        }
        at += 12 + length;
    }
    inflateEnd(&stream);
    // Pixels that end on their own before the last row are damage; a file cut short whose pixels
    // all came holds every row.
    if (!cut || stage == Before || (status != Z_OK && status != Z_STREAM_END) ||
        (status == Z_STREAM_END && done < layout.total) || done < layout.firstRow) {
        return {};
    }
    CutPng cutPng;
    while (cutPng.rows < height && layout.rowEnds[size_t(cutPng.rows)] <= done) {
        ++cutPng.rows;
    }
    // The bytes as IDAT chunks of stored deflate blocks, one checksum of each kind over them.
    constexpr qint64 kBlock = 65535;
    constexpr qint64 kBlocksAChunk = 1024;
    const auto* in = reinterpret_cast<const uchar*>(filtered.constData());
    const quint32 adler = quint32(adler32_z(adler32(0, nullptr, 0), in, size_t(layout.total)));
    for (qint64 from = 0; from < layout.total || from == 0;) {
        QByteArray z;
        if (from == 0) {
            z.append("\x78\x01", 2); // deflate with a 32 KiB window, the header's check
        }
        for (int b = 0; b < kBlocksAChunk && from < layout.total; ++b) {
            const auto count = quint16(std::min(kBlock, layout.total - from));
            uchar head[5];
            head[0] = from + count >= layout.total ? 1 : 0; // the last block says so
            qToLittleEndian<quint16>(count, head + 1);
            qToLittleEndian<quint16>(quint16(~count), head + 3);
            z.append(reinterpret_cast<const char*>(head), 5);
            z.append(reinterpret_cast<const char*>(in + from), count);
            from += count;
        }
        if (from >= layout.total) {
            uchar check[4];
            qToBigEndian<quint32>(adler, check);
            z.append(reinterpret_cast<const char*>(check), 4);
        }
        AppendChunk(&file, "IDAT", reinterpret_cast<const uchar*>(z.constData()),
                    quint32(z.size()));
        if (from >= layout.total) {
            break;
        }
    }
    AppendChunk(&file, "IEND", nullptr, 0);
    cutPng.file = std::move(file);
    return cutPng;
}

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
