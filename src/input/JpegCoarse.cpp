#include "input/JpegCoarse.h"

#include "input/PictureLimits.h"
#include "pixels/PixelBuffer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

// The codes of one Huffman table, decoded a length at a time (ITU T.81, F.2.2.3).
struct Huffman {
    std::array<int, 17> maxCode{};
    std::array<int, 17> minCode{};
    std::array<int, 17> first{}; // index in values of the first code of each length
    std::array<uint8_t, 256> values{};
    bool defined = false;

    bool define(const uchar* counts, const uchar* symbols, int total) {
        int code = 0;
        int k = 0;
        for (int length = 1; length <= 16; ++length) {
            const int n = counts[length - 1];
            minCode[size_t(length)] = code;
            first[size_t(length)] = k;
            code += n;
            k += n;
            maxCode[size_t(length)] = n == 0 ? -1 : code - 1;
            if (code > (1 << length)) {
                return false; // more codes than the length holds
            }
            code <<= 1;
        }
        std::copy_n(symbols, total, values.begin());
        defined = true;
        return true;
    }
};

// The bits of a scan's entropy-coded data: stuffed zero bytes taken out, zeros past its end.
class Bits {
public:
    Bits(const uchar* data, qsizetype size, qsizetype at) : m_data(data), m_size(size), m_at(at) {}

    int take(int n) {
        fill();
        const int value = int(m_buffer >> (32 - n));
        m_buffer <<= n;
        m_count -= n;
        return value;
    }
    // Decodes one symbol; -1 for a code no table holds.
    int decode(const Huffman& table) {
        int code = take(1);
        for (int length = 1; length <= 16; ++length) {
            if (code <= table.maxCode[size_t(length)]) {
                const int index =
                    table.first[size_t(length)] + code - table.minCode[size_t(length)];
                return index < 256 ? table.values[size_t(index)] : -1;
            }
            code = (code << 1) | take(1);
        }
        return -1;
    }
    // At a restart: the bits left go, and the data go on after the next restart marker.
    bool restart() {
        m_buffer = 0;
        m_count = 0;
        m_marker = false;
        for (qsizetype i = m_at; i + 1 < m_size; ++i) {
            if (m_data[i] == 0xFF && m_data[i + 1] >= 0xD0 && m_data[i + 1] <= 0xD7) {
                m_at = i + 2;
                return true;
            }
        }
        return false;
    }
    qsizetype position() const { return m_at; }

private:
    void fill() {
        while (m_count <= 24) {
            uint32_t byte = 0;
            if (!m_marker && m_at < m_size) {
                byte = m_data[m_at];
                if (byte != 0xFF) {
                    ++m_at;
                } else if (m_at + 1 < m_size && m_data[m_at + 1] == 0x00) {
                    m_at += 2;
                } else {
                    m_marker = true; // the data end here
                    byte = 0;
                }
            }
            m_buffer |= byte << (24 - m_count);
            m_count += 8;
        }
    }

    const uchar* m_data;
    qsizetype m_size;
    qsizetype m_at;
    uint32_t m_buffer = 0;
    int m_count = 0;
    bool m_marker = false;
};

struct Component {
    int id = 0;
    int h = 1;
    int v = 1;
    int quant = 0;
    int stride = 0; // blocks a row in dc, whole MCUs
    int wide = 0;   // the component's own blocks across and down
    int high = 0;
    std::vector<int> dc; // each block's average coefficient
    bool known = false;
};

struct Frame {
    int width = 0;
    int height = 0;
    int hMax = 1;
    int vMax = 1;
    std::vector<Component> components;
    std::array<Huffman, 4> dcTables;
    std::array<int, 4> quant{};
    std::array<bool, 4> quantDefined{};
    int interval = 0;
};

// Where the next marker's code is, past entropy-coded data, stuffed bytes, restart markers and
// fill bytes; size when there is none.
qsizetype NextMarker(const uchar* data, qsizetype size, qsizetype at) {
    while (at < size) {
        if (data[at] != 0xFF) {
            ++at;
            continue;
        }
        while (at < size && data[at] == 0xFF) {
            ++at;
        }
        if (at < size && data[at] != 0x00 && (data[at] < 0xD0 || data[at] > 0xD7)) {
            return at;
        }
    }
    return size;
}

int Extend(int bits, int s) {
    return bits < (1 << (s - 1)) ? bits - (1 << s) + 1 : bits;
}

// A first scan of DC coefficients (successive approximation's first part): each block's average,
// into its component. False on codes no table holds.
bool DecodeAverages(Frame& frame, const std::vector<Component*>& scan,
                    const std::vector<const Huffman*>& tables, int shift, Bits& bits) {
    std::vector<int> predicted(scan.size(), 0);
    int left = frame.interval;
    const auto restart = [&] {
        if (frame.interval == 0) {
            return true;
        }
        if (left == 0) {
            if (!bits.restart()) {
                return false;
            }
            std::fill(predicted.begin(), predicted.end(), 0);
            left = frame.interval;
        }
        --left;
        return true;
    };
    const auto block = [&](size_t i, int x, int y) {
        const int s = bits.decode(*tables[i]);
        if (s < 0 || s > 11) {
            return false;
        }
        // A valid scan stays within +-2048; damage is held near that, clear of overflow.
        predicted[i] =
            std::clamp(predicted[i] + (s == 0 ? 0 : Extend(bits.take(s), s)), -65536, 65536);
        Component& c = *scan[i];
        c.dc[size_t(y) * size_t(c.stride) + size_t(x)] = predicted[i] * (1 << shift);
        return true;
    };
    if (scan.size() == 1) {
        // One component: its own blocks in order, one an MCU.
        const Component& c = *scan[0];
        for (int y = 0; y < c.high; ++y) {
            for (int x = 0; x < c.wide; ++x) {
                if (!restart() || !block(0, x, y)) {
                    return false;
                }
            }
        }
        return true;
    }
    const int across = (frame.width + 8 * frame.hMax - 1) / (8 * frame.hMax);
    const int down = (frame.height + 8 * frame.vMax - 1) / (8 * frame.vMax);
    for (int my = 0; my < down; ++my) {
        for (int mx = 0; mx < across; ++mx) {
            if (!restart()) {
                return false;
            }
            for (size_t i = 0; i < scan.size(); ++i) {
                const Component& c = *scan[i];
                for (int v = 0; v < c.v; ++v) {
                    for (int h = 0; h < c.h; ++h) {
                        if (!block(i, mx * c.h + h, my * c.v + v)) {
                            return false;
                        }
                    }
                }
            }
        }
    }
    return true;
}

bool ReadFrame(Frame& frame, const uchar* s, int n) {
    if (n < 6 || s[0] != 8) {
        return false;
    }
    frame.height = (s[1] << 8) | s[2];
    frame.width = (s[3] << 8) | s[4];
    const int count = s[5];
    // A picture the loader would refuse for its size is not read: its averages stay small.
    if (frame.width == 0 || frame.height == 0 || (count != 1 && count != 3) || n != 6 + 3 * count ||
        qint64(frame.width) * frame.height > MaxPictureBytes() / 4) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        Component c;
        c.id = s[6 + 3 * i];
        c.h = s[7 + 3 * i] >> 4;
        c.v = s[7 + 3 * i] & 15;
        c.quant = s[8 + 3 * i];
        if (c.h < 1 || c.h > 4 || c.v < 1 || c.v > 4 || c.quant > 3) {
            return false;
        }
        frame.hMax = std::max(frame.hMax, c.h);
        frame.vMax = std::max(frame.vMax, c.v);
        frame.components.push_back(std::move(c));
    }
    if (count == 1) {
        // A single component's MCU is one block, whatever its factors say.
        frame.components[0].h = frame.components[0].v = frame.hMax = frame.vMax = 1;
    }
    const int across = (frame.width + 8 * frame.hMax - 1) / (8 * frame.hMax);
    const int down = (frame.height + 8 * frame.vMax - 1) / (8 * frame.vMax);
    for (Component& c : frame.components) {
        c.stride = across * c.h;
        c.wide = ((frame.width * c.h + frame.hMax - 1) / frame.hMax + 7) / 8;
        c.high = ((frame.height * c.v + frame.vMax - 1) / frame.vMax + 7) / 8;
        c.dc.assign(size_t(c.stride) * size_t(down * c.v), 0);
    }
    return true;
}

bool ReadTables(Frame& frame, const uchar* s, int n) {
    for (int p = 0; p < n;) {
        const int kind = s[p] >> 4;
        const int id = s[p] & 15;
        if (kind > 1 || id > 3 || p + 17 > n) {
            return false;
        }
        int total = 0;
        for (int i = 0; i < 16; ++i) {
            total += s[p + 1 + i];
        }
        if (total > 256 || p + 17 + total > n) {
            return false;
        }
        if (kind == 0 && !frame.dcTables[size_t(id)].define(s + p + 1, s + p + 17, total)) {
            return false;
        }
        p += 17 + total;
    }
    return true;
}

bool ReadQuantization(Frame& frame, const uchar* s, int n) {
    for (int p = 0; p < n;) {
        const int precision = s[p] >> 4;
        const int id = s[p] & 15;
        const int bytes = 64 * (precision + 1);
        if (precision > 1 || id > 3 || p + 1 + bytes > n) {
            return false;
        }
        frame.quant[size_t(id)] = precision == 0 ? s[p + 1] : (s[p + 1] << 8) | s[p + 2];
        frame.quantDefined[size_t(id)] = true;
        p += 1 + bytes;
    }
    return true;
}

QImage Draw(const Frame& frame, bool rgb) {
    for (const Component& c : frame.components) {
        if (!frame.quantDefined[size_t(c.quant)]) {
            return QImage();
        }
    }
    QImage out = NewPicture((frame.width + 7) / 8, (frame.height + 7) / 8, QImage::Format_RGB32);
    if (out.isNull()) {
        return out;
    }
    // A block's average sample, as an inverse DCT of its DC coefficient alone gives it.
    const auto sample = [&frame](const Component& c, int x, int y) {
        const int bx = x * c.h / frame.hMax;
        const int by = y * c.v / frame.vMax;
        const qint64 dc = c.dc[size_t(by) * size_t(c.stride) + size_t(bx)];
        return double(((dc * frame.quant[size_t(c.quant)] + 4) >> 3) + 128);
    };
    const auto byte = [](double v) { return int(std::clamp(v + 0.5, 0.0, 255.0)); };
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const double luma = sample(frame.components[0], x, y);
            if (frame.components.size() == 1) {
                const int g = byte(luma);
                line[x] = qRgb(g, g, g);
                continue;
            }
            const double cb = sample(frame.components[1], x, y) - 128;
            const double cr = sample(frame.components[2], x, y) - 128;
            if (rgb) {
                line[x] = qRgb(byte(luma), byte(cb + 128), byte(cr + 128));
                continue;
            }
            line[x] = qRgb(byte(luma + 1.402 * cr), byte(luma - 0.344136 * cb - 0.714136 * cr),
                           byte(luma + 1.772 * cb));
        }
    }
    return out;
}

} // namespace

QImage DecodeJpegCoarse(const uchar* data, qsizetype size, bool rgb) {
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) {
        return QImage();
    }
    Frame frame;
    bool framed = false;
    for (qsizetype at = 2;;) {
        at = NextMarker(data, size, at);
        if (at >= size) {
            return QImage();
        }
        const int marker = data[at++];
        if (marker == 0xD9) {
            return QImage(); // ended before every component's averages
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            continue; // no length
        }
        if (at + 2 > size) {
            return QImage();
        }
        const int length = (data[at] << 8) | data[at + 1];
        if (length < 2 || at + length > size) {
            return QImage();
        }
        const uchar* s = data + at + 2;
        const int n = length - 2;
        const qsizetype next = at + length;
        if (marker == 0xC2) {
            if (framed || !ReadFrame(frame, s, n)) {
                return QImage();
            }
            framed = true;
        } else if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                   marker != 0xCC) {
            return QImage(); // not progressive with Huffman codes
        } else if (marker == 0xC4) {
            if (!ReadTables(frame, s, n)) {
                return QImage();
            }
        } else if (marker == 0xDB) {
            if (!ReadQuantization(frame, s, n)) {
                return QImage();
            }
        } else if (marker == 0xDD) {
            if (n < 2) {
                return QImage();
            }
            frame.interval = (s[0] << 8) | s[1];
        } else if (marker == 0xDA) {
            const int count = n > 0 ? s[0] : 0;
            if (!framed || count < 1 || count > 4 || n != 4 + 2 * count) {
                return QImage();
            }
            const int from = s[1 + 2 * count];
            const int to = s[2 + 2 * count];
            const int high = s[3 + 2 * count] >> 4;
            const int shift = s[3 + 2 * count] & 15;
            if (from == 0 && to == 0 && high == 0 && shift <= 13) {
                std::vector<Component*> scan;
                std::vector<const Huffman*> tables;
                for (int i = 0; i < count; ++i) {
                    const auto c = std::find_if(
                        frame.components.begin(), frame.components.end(),
                        [id = s[1 + 2 * i]](const Component& k) { return k.id == id; });
                    const int table = s[2 + 2 * i] >> 4;
                    if (c == frame.components.end() || table > 3 ||
                        !frame.dcTables[size_t(table)].defined) {
                        return QImage();
                    }
                    scan.push_back(&*c);
                    tables.push_back(&frame.dcTables[size_t(table)]);
                }
                Bits bits(data, size, next);
                if (!DecodeAverages(frame, scan, tables, shift, bits)) {
                    return QImage();
                }
                for (Component* c : scan) {
                    c->known = true;
                }
                if (std::all_of(frame.components.begin(), frame.components.end(),
                                [](const Component& c) { return c.known; })) {
                    return Draw(frame, rgb);
                }
                at = bits.position();
                continue;
            }
        }
        at = next;
    }
}
