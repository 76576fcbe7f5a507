// Adobe's swatch exchange files and Photoshop's swatch files: big-endian binary, names in
// UTF-16BE. A refusal names the byte where reading stopped.

#include "palette/ListFormats.h"
#include "palette/SwatchFormats.h"

#include "pixels/Perceptual.h"
#include "pixels/WebCode.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
struct ByteRefusal {
    qint64 offset;
    QString message;
};

QString Said(const char* message) {
    return QCoreApplication::translate("SwatchFormats", message);
}

// Reads big-endian values from the bytes; asking for more than is left refuses the file at the
// place it ends.
class BigEndianReader {
public:
    explicit BigEndianReader(const QByteArray& bytes) : m_bytes(bytes) {}

    qint64 at() const { return m_at; }
    qint64 left() const { return m_bytes.size() - m_at; }

    void need(qint64 count) const {
        if (count < 0 || count > left()) {
            throw ByteRefusal{m_bytes.size(),
                              Said(QT_TRANSLATE_NOOP("SwatchFormats",
                                                     "the file ends in the middle of an entry."))};
        }
    }
    quint16 u16() {
        need(2);
        const quint16 value = qFromBigEndian<quint16>(m_bytes.constData() + m_at);
        m_at += 2;
        return value;
    }
    quint32 u32() {
        need(4);
        const quint32 value = qFromBigEndian<quint32>(m_bytes.constData() + m_at);
        m_at += 4;
        return value;
    }
    float f32() {
        const qint64 start = m_at;
        const quint32 bits = u32();
        float value = 0;
        static_assert(sizeof(value) == sizeof(bits));
        std::memcpy(&value, &bits, sizeof(value));
        if (!std::isfinite(value)) {
            throw ByteRefusal{
                start, Said(QT_TRANSLATE_NOOP("SwatchFormats", "a colour value is not a number."))};
        }
        return value;
    }
    QByteArray bytes(qint64 count) {
        need(count);
        const QByteArray out = m_bytes.mid(m_at, count);
        m_at += count;
        return out;
    }
    // A name of `units` UTF-16 code units, its terminating zero (if any) dropped.
    QString utf16(qint64 units) {
        need(units * 2);
        QString name(units, Qt::Uninitialized);
        for (qint64 i = 0; i < units; ++i) {
            name[i] = QChar(qFromBigEndian<quint16>(m_bytes.constData() + m_at + 2 * i));
        }
        m_at += units * 2;
        while (!name.isEmpty() && name.back().isNull()) {
            name.chop(1);
        }
        return name;
    }
    void skipTo(qint64 offset) { m_at = offset; }

private:
    const QByteArray& m_bytes;
    qint64 m_at = 0;
};

void PutU16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToBigEndian(value, bytes);
    out.append(bytes, 2);
}

void PutU32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void PutF32(QByteArray& out, float value) {
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    PutU32(out, bits);
}

// A name as UTF-16 code units with its terminating zero, at most `limit` units in all; a name cut
// there does not end in half a surrogate pair.
QList<char16_t> NameUnits(const QString& name, qsizetype limit) {
    QString kept = name.left(limit - 1);
    if (!kept.isEmpty() && kept.back().isHighSurrogate()) {
        kept.chop(1);
    }
    QList<char16_t> units;
    units.reserve(kept.size() + 1);
    for (QChar ch : kept) {
        units.append(ch.unicode());
    }
    units.append(0);
    return units;
}

void PutUnits(QByteArray& out, const QList<char16_t>& units) {
    for (char16_t unit : units) {
        PutU16(out, unit);
    }
}

template <typename Read> ListRead GuardedBytes(Read read) {
    ListRead result;
    try {
        result.rows = read();
    } catch (const ByteRefusal& refusal) {
        result.rows.clear();
        result.error = refusal.message;
        result.offset = refusal.offset;
    }
    return result;
}

void CheckCount(const QList<Pick>& rows, qint64 offset) {
    if (rows.size() >= kMaxListRows) {
        //: Why a list file is refused. %1: the most colours a list takes (100000).
        throw ByteRefusal{offset, QCoreApplication::translate(
                                      "SwatchFormats", "the file holds more than %1 colours.")
                                      .arg(kMaxListRows)};
    }
}

// ---- Adobe swatch exchange --------------------------------------------------------------------

constexpr quint16 kAseGroupStart = 0xC001;
constexpr quint16 kAseGroupEnd = 0xC002;
constexpr quint16 kAseColor = 0x0001;
constexpr quint16 kAseNormalColor = 2; // neither global nor spot

QList<Pick> AseRows(const QByteArray& bytes) {
    BigEndianReader in(bytes);
    if (!bytes.startsWith("ASEF")) {
        throw ByteRefusal{
            0, Said(QT_TRANSLATE_NOOP("SwatchFormats",
                                      "an Adobe swatch exchange file starts with \"ASEF\"."))};
    }
    in.skipTo(4);
    const qint64 versionAt = in.at();
    if (in.u16() != 1) {
        throw ByteRefusal{versionAt, Said(QT_TRANSLATE_NOOP(
                                         "SwatchFormats",
                                         "only version 1 of the swatch exchange format is read."))};
    }
    in.u16(); // the minor version
    const quint32 blocks = in.u32();
    QList<Pick> rows;
    for (quint32 i = 0; i < blocks; ++i) {
        const qint64 blockAt = in.at();
        if (in.left() == 0) {
            //: Why a list file is refused. %1: the number of blocks the file says it holds.
            throw ByteRefusal{blockAt, QCoreApplication::translate(
                                           "SwatchFormats",
                                           "the file ends before the %1 blocks it says it holds.")
                                           .arg(blocks)};
        }
        const quint16 type = in.u16();
        const quint32 length = in.u32();
        in.need(length);
        const qint64 end = in.at() + length;
        if (type != kAseColor) {
            // Groups only frame their colours, which are read in order; names of groups are not
            // kept, and blocks of kinds this reader does not know are passed over.
            in.skipTo(end);
            continue;
        }
        CheckCount(rows, blockAt);
        const quint16 units = in.u16();
        const QString name = in.utf16(units);
        const QByteArray model = in.bytes(4);
        Color color;
        if (model == "RGB ") {
            const float r = in.f32();
            const float g = in.f32();
            const float b = in.f32();
            color = Color(ChannelOfFraction(r), ChannelOfFraction(g), ChannelOfFraction(b));
        } else if (model == "LAB ") {
            // L as a fraction of 100, a and b as they are.
            const float l = in.f32();
            const float a = in.f32();
            const float b = in.f32();
            color = ColorOfLabD50(l * 100.0, a, b);
        } else if (model == "CMYK") {
            const float c = in.f32();
            const float m = in.f32();
            const float y = in.f32();
            const float k = in.f32();
            color = ColorOfCmyk(c, m, y, k);
        } else if (model == "Gray") {
            const int grey = ChannelOfFraction(in.f32());
            color = Color(grey, grey, grey);
        } else {
            //: Why a list file is refused. %1: the four letters naming a colour model.
            throw ByteRefusal{
                end - length + 2 + 2 * units,
                QCoreApplication::translate("SwatchFormats", "the colour model \"%1\" is not read.")
                    .arg(QString::fromLatin1(model))};
        }
        in.u16(); // global, spot or normal: the list has no such kinds
        if (in.at() > end) {
            throw ByteRefusal{
                blockAt, Said(QT_TRANSLATE_NOOP("SwatchFormats",
                                                "a colour runs beyond the length of its block."))};
        }
        in.skipTo(end);
        rows.append(Pick(color, DescriptionOfName(name, color)));
    }
    return rows;
}

// ---- Photoshop swatches -----------------------------------------------------------------------

enum AcoSpace : quint16 { Rgb = 0, Hsb = 1, Cmyk = 2, Lab = 7, Grey = 8 };

Color AcoColor(quint16 space, const quint16 (&w)[4], qint64 at) {
    const auto full = [](quint16 v) { return v / 65535.0; };
    switch (space) {
    case Rgb: {
        // 0 to 65535 to 0 to 255, rounded to the nearest: exact for the values written.
        const auto channel = [](quint16 v) { return (v * 255 + 32767) / 65535; };
        return Color(channel(w[0]), channel(w[1]), channel(w[2]));
    }
    case Hsb:
        return ColorOfHsb(full(w[0]) * 360.0, full(w[1]), full(w[2]));
    case Cmyk:
        // 0 is full ink, 65535 none.
        return ColorOfCmyk(1 - full(w[0]), 1 - full(w[1]), 1 - full(w[2]), 1 - full(w[3]));
    case Lab:
        // L 0 to 10000; a and b signed hundredths.
        return ColorOfLabD50(w[0] / 100.0, static_cast<qint16>(w[1]) / 100.0,
                             static_cast<qint16>(w[2]) / 100.0);
    case Grey: {
        // 0 to 10000 of black ink.
        const int grey = ChannelOfFraction(1 - std::min(w[0], quint16(10000)) / 10000.0);
        return Color(grey, grey, grey);
    }
    default:
        //: Why a list file is refused. %1: the number of a colour space in a swatch file.
        throw ByteRefusal{
            at, QCoreApplication::translate(
                    "SwatchFormats", "colour space %1 (a colour book's or another's) is not read.")
                    .arg(space)};
    }
}

// One version's colours from the reader's place; names only in version 2.
QList<Pick> AcoSection(BigEndianReader& in, quint16 version) {
    const quint16 count = in.u16();
    QList<Pick> rows;
    for (quint16 i = 0; i < count; ++i) {
        const qint64 entryAt = in.at();
        if (in.left() == 0) {
            //: Why a list file is refused. %1: the number of colours the file says it holds.
            throw ByteRefusal{entryAt, QCoreApplication::translate(
                                           "SwatchFormats",
                                           "the file ends before the %1 colours it says it holds.")
                                           .arg(count)};
        }
        const quint16 space = in.u16();
        quint16 w[4];
        for (quint16& value : w) {
            value = in.u16();
        }
        const Color color = AcoColor(space, w, entryAt);
        QString name;
        if (version == 2) {
            const qint64 lengthAt = in.at();
            const quint32 units = in.u32();
            if (units > static_cast<quint64>(in.left()) / 2) {
                throw ByteRefusal{
                    lengthAt, Said(QT_TRANSLATE_NOOP(
                                  "SwatchFormats", "a name is longer than the rest of the file."))};
            }
            name = in.utf16(units);
        }
        rows.append(Pick(color, DescriptionOfName(name, color)));
    }
    return rows;
}

QList<Pick> AcoRows(const QByteArray& bytes) {
    BigEndianReader in(bytes);
    const quint16 version = bytes.size() >= 2 ? in.u16() : 0;
    if (version != 1 && version != 2) {
        throw ByteRefusal{
            0, Said(QT_TRANSLATE_NOOP("SwatchFormats",
                                      "a Photoshop swatch file starts with its version, 1 or 2."))};
    }
    QList<Pick> rows = AcoSection(in, version);
    // Version 1 may be followed by version 2, with the same colours and their names.
    if (version == 1 && in.left() >= 4) {
        const qint64 secondAt = in.at();
        if (in.u16() != 2) {
            throw ByteRefusal{
                secondAt,
                Said(QT_TRANSLATE_NOOP("SwatchFormats",
                                       "only version 2 may follow the colours of version 1."))};
        }
        rows = AcoSection(in, 2);
    }
    return rows;
}
} // namespace

Color ColorOfLabD50(double l, double a, double b) {
    const auto inverse = [](double t) {
        constexpr double kDelta = 6.0 / 29.0;
        return t > kDelta ? t * t * t : 3 * kDelta * kDelta * (t - 4.0 / 29.0);
    };
    const double fy = (l + 16) / 116;
    const double x = 0.96422 * inverse(fy + a / 500);
    const double y = inverse(fy);
    const double z = 0.82521 * inverse(fy - b / 200);
    // XYZ under D50 to linear sRGB, the Bradford adaptation to D65 folded in.
    const LinearRgb rgb{3.1338561 * x - 1.6168667 * y - 0.4906146 * z,
                        -0.9787684 * x + 1.9161415 * y + 0.0334540 * z,
                        0.0719453 * x - 0.2289914 * y + 1.4052427 * z};
    return ColorOfLinear(rgb);
}

Color ColorOfCmyk(double c, double m, double y, double k) {
    const auto channel = [k](double ink) {
        return ChannelOfFraction((1 - std::clamp(ink, 0.0, 1.0)) * (1 - std::clamp(k, 0.0, 1.0)));
    };
    return Color(channel(c), channel(m), channel(y));
}

Color ColorOfHsb(double hue, double saturation, double brightness) {
    const double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 60.0;
    const double s = std::clamp(saturation, 0.0, 1.0);
    const double v = std::clamp(brightness, 0.0, 1.0);
    const double chroma = v * s;
    const double second = chroma * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    const double m = v - chroma;
    double rgb[3] = {0, 0, 0};
    switch (static_cast<int>(h)) {
    case 0:
        rgb[0] = chroma, rgb[1] = second;
        break;
    case 1:
        rgb[0] = second, rgb[1] = chroma;
        break;
    case 2:
        rgb[1] = chroma, rgb[2] = second;
        break;
    case 3:
        rgb[1] = second, rgb[2] = chroma;
        break;
    case 4:
        rgb[0] = second, rgb[2] = chroma;
        break;
    default:
        rgb[0] = chroma, rgb[2] = second;
    }
    return Color(ChannelOfFraction(rgb[0] + m), ChannelOfFraction(rgb[1] + m),
                 ChannelOfFraction(rgb[2] + m));
}

int ChannelOfFraction(double fraction) {
    if (!(fraction > 0)) {
        return 0;
    }
    return static_cast<int>(std::lround(std::min(fraction, 1.0) * 255));
}

QByteArray WriteAse(const QList<Pick>& rows, const QString& title) {
    QString group = title.simplified();
    if (group.isEmpty()) {
        group = QStringLiteral("Huemark");
    }
    QByteArray out("ASEF");
    PutU16(out, 1);
    PutU16(out, 0);
    PutU32(out, static_cast<quint32>(rows.size() + 2));
    const QList<char16_t> groupName = NameUnits(group, 0xFFFF);
    PutU16(out, kAseGroupStart);
    PutU32(out, static_cast<quint32>(2 + 2 * groupName.size()));
    PutU16(out, static_cast<quint16>(groupName.size()));
    PutUnits(out, groupName);
    for (const Pick& row : rows) {
        const QList<char16_t> name = NameUnits(PaletteName(row), 0xFFFF);
        PutU16(out, kAseColor);
        PutU32(out, static_cast<quint32>(2 + 2 * name.size() + 4 + 3 * 4 + 2));
        PutU16(out, static_cast<quint16>(name.size()));
        PutUnits(out, name);
        out.append("RGB ");
        for (const int channel : {row.color.red(), row.color.green(), row.color.blue()}) {
            PutF32(out, static_cast<float>(channel / 255.0));
        }
        PutU16(out, kAseNormalColor);
    }
    PutU16(out, kAseGroupEnd);
    PutU32(out, 0);
    return out;
}

ListRead ReadAse(const QByteArray& bytes) {
    return GuardedBytes([&bytes] { return AseRows(bytes); });
}

QByteArray WriteAco(const QList<Pick>& rows) {
    // A version's count has 16 bits: a longer list keeps its first 65535 colours.
    const QList<Pick> kept = rows.mid(0, 0xFFFF);
    QByteArray out;
    for (const quint16 version : {quint16(1), quint16(2)}) {
        PutU16(out, version);
        PutU16(out, static_cast<quint16>(kept.size()));
        for (const Pick& row : kept) {
            PutU16(out, Rgb);
            for (const int channel : {row.color.red(), row.color.green(), row.color.blue()}) {
                PutU16(out, static_cast<quint16>(channel * 257));
            }
            PutU16(out, 0);
            if (version == 2) {
                const QList<char16_t> name = NameUnits(PaletteName(row), 0xFFFF);
                PutU32(out, static_cast<quint32>(name.size()));
                PutUnits(out, name);
            }
        }
    }
    return out;
}

ListRead ReadAco(const QByteArray& bytes) {
    return GuardedBytes([&bytes] { return AcoRows(bytes); });
}
