#include "input/GifRows.h"

#include <QtEndian>
#include <algorithm>
#include <array>

namespace {

constexpr int kMaxCodes = 4096;

// Where the frame's codes stopped.
struct FrameCodes {
    qint64 pixels = 0;   // given by whole codes
    bool ranOut = false; // the data ended before the frame's last block
};

// The LZW codes of the frame's blocks from `at` (its code size byte), as far as the data hold
// them whole: only how many pixels each code stands for is kept.
FrameCodes CountPixels(const uchar* p, qsizetype n, qsizetype at, qint64 wanted) {
    FrameCodes out;
    if (at >= n) {
        out.ranOut = true;
        return out;
    }
    const int minimum = p[at++];
    if (minimum < 1 || minimum > 11) {
        return out; // damage: no codes to follow
    }
    const int clear = 1 << minimum;
    const int end = clear + 1;
    std::array<quint16, kMaxCodes> lengths{};
    std::fill(lengths.begin(), lengths.begin() + clear, quint16(1));
    int size = minimum + 1;
    int next = clear + 2;
    int previous = -1;
    quint32 bits = 0;
    int held = 0;
    qsizetype block = 0; // bytes left in the current block
    for (;;) {
        while (held < size) {
            if (block == 0) {
                if (at >= n) {
                    out.ranOut = true;
                    return out;
                }
                block = p[at++];
                if (block == 0) {
                    return out; // the frame's last block
                }
            }
            if (at >= n) {
                out.ranOut = true;
                return out;
            }
            bits |= quint32(p[at++]) << held;
            held += 8;
            --block;
        }
        const int code = int(bits & ((1u << size) - 1));
        bits >>= size;
        held -= size;
        if (code == clear) {
            size = minimum + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end) {
            return out;
        }
        int length = 0;
        if (code < next) {
            length = lengths[size_t(code)];
        } else if (code == next && previous >= 0) {
            length = lengths[size_t(previous)] + 1; // the previous string and its own first
        } else {
            return out; // a code not yet defined: damage
        }
        if (previous >= 0 && next < kMaxCodes) {
            lengths[size_t(next)] = quint16(std::min(lengths[size_t(previous)] + 1, 0xffff));
            ++next;
            if (next == (1 << size) && size < 12) {
                ++size;
            }
        }
        previous = code;
        out.pixels += length;
        if (out.pixels >= wanted) {
            return out;
        }
    }
}

// Skips a run of blocks ending in an empty one; -1 when the data end first.
qsizetype SkipBlocks(const uchar* p, qsizetype n, qsizetype at) {
    while (at < n) {
        const int length = p[at];
        if (length == 0) {
            return at + 1;
        }
        at += 1 + length;
    }
    return -1;
}

// The rows of an interlaced frame of `height` rows whole from the top, given `rows` rows in the
// order of its passes: every eighth from 0, every eighth from 4, every fourth from 2, then every
// second from 1.
int InterlacedRowsFromTop(int height, qint64 rows) {
    const qint64 first = (height + 7) / 8;
    const qint64 second = (height + 3) / 8;
    const qint64 third = (height + 1) / 4;
    const qint64 last = rows - first - second - third;
    if (last <= 0) {
        return 0;
    }
    // Rows 1, 3, …, 2 last − 1 have come, and every even row before them.
    return int(std::min<qint64>(height, 2 * last + 1));
}

} // namespace

std::optional<int> GifRowsBeforeItsEnd(const QByteArray& data, int pictureHeight) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    const qsizetype n = data.size();
    if (n < 13 || !(data.startsWith("GIF87a") || data.startsWith("GIF89a"))) {
        return std::nullopt;
    }
    qsizetype at = 13;
    if ((p[10] & 0x80) != 0) {
        at += 3 * (qsizetype(2) << (p[10] & 7));
    }
    for (;;) {
        if (at >= n) {
            return 0; // no frame yet
        }
        if (p[at] == 0x21) { // an extension: its label, then its blocks
            at = at + 2 > n ? -1 : SkipBlocks(p, n, at + 2);
            if (at < 0) {
                return 0;
            }
            continue;
        }
        if (p[at] != 0x2c) {
            return std::nullopt; // the trailer, or damage, before any frame
        }
        break;
    }
    if (at + 10 > n) {
        return 0;
    }
    const int top = qFromLittleEndian<quint16>(p + at + 3);
    const int width = qFromLittleEndian<quint16>(p + at + 5);
    const int height = qFromLittleEndian<quint16>(p + at + 7);
    const uchar flags = p[at + 9];
    at += 10;
    if ((flags & 0x80) != 0) {
        at += 3 * (qsizetype(2) << (flags & 7));
    }
    if (width == 0 || height == 0) {
        return std::nullopt;
    }
    const FrameCodes codes = CountPixels(p, n, at, qint64(width) * height);
    if (!codes.ranOut || codes.pixels >= qint64(width) * height) {
        return std::nullopt;
    }
    const qint64 rows = codes.pixels / width;
    const int whole = (flags & 0x40) != 0 ? InterlacedRowsFromTop(height, rows) : int(rows);
    const qint64 ends = qint64(top) + whole;
    if (ends >= pictureHeight) {
        return std::nullopt; // the rows it lacks lie below the picture
    }
    return int(ends);
}
