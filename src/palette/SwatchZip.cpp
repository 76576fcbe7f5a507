// Krita's palettes: a zip with the palette's XML. Written with stored members only; read with
// stored or deflated members (zlib), every size checked against the file before it is used and
// the inflated bytes counted against the list files' size limit.

#include "palette/ListFiles.h"
#include "palette/ListFormats.h"
#include "palette/SwatchFormats.h"

#include "pixels/WebCode.h"

#include <QColorSpace>
#include <QColorTransform>
#include <QCoreApplication>
#include <QHash>
#include <QRgbaFloat32>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <optional>
#include <zlib.h>

namespace {
const QByteArray kMimeType("krita/x-colorset");
// Krita's documents give this one as well.
const QByteArray kOtherMimeType("application/x-krita-palette");
// The profile Krita has built in for sRGB: a reader needs no file for it.
const QString kSrgbProfile = QStringLiteral("sRGB-elle-V2-srgbtrc.icc");
constexpr int kColumns = 16;

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
// 1 January 1980, the earliest a zip can say: the same list gives the same bytes.
constexpr quint16 kDosDate = (1 << 5) | 1;

struct Refusal {
    qint64 offset; // in the zip, or -1 with a line of colorset.xml
    int line;
    QString message;
};

QString Said(const char* message) {
    return QCoreApplication::translate("SwatchFormats", message);
}

[[noreturn]] void RefuseAt(qint64 offset, const char* message) {
    throw Refusal{offset, 0, Said(message)};
}

void PutU16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void PutU32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

quint32 Crc(const QByteArray& data) {
    return static_cast<quint32>(
        crc32(0, reinterpret_cast<const Bytef*>(data.constData()), static_cast<uInt>(data.size())));
}

// The members in their order, stored.
QByteArray StoredZip(const QList<std::pair<QByteArray, QByteArray>>& members) {
    QByteArray out;
    QByteArray directory;
    for (const auto& member : members) {
        const QByteArray& name = member.first;
        const QByteArray& data = member.second;
        const quint32 offset = static_cast<quint32>(out.size());
        const quint32 crc = Crc(data);
        const auto common = [&](QByteArray& to) {
            PutU16(to, 10);      // version needed: 1.0, stored
            PutU16(to, 0);       // flags
            PutU16(to, kStored); // method
            PutU16(to, 0);       // time
            PutU16(to, kDosDate);
            PutU32(to, crc);
            PutU32(to, static_cast<quint32>(data.size())); // compressed
            PutU32(to, static_cast<quint32>(data.size())); // uncompressed
            PutU16(to, static_cast<quint16>(name.size()));
            PutU16(to, 0); // extra field
        };
        PutU32(out, kLocalHeader);
        common(out);
        out += name;
        out += data;
        PutU32(directory, kCentralHeader);
        PutU16(directory, 20); // made by: version 2.0
        common(directory);
        PutU16(directory, 0); // comment
        PutU16(directory, 0); // disk
        PutU16(directory, 0); // internal attributes
        PutU32(directory, 0); // external attributes
        PutU32(directory, offset);
        directory += name;
    }
    const quint32 directoryAt = static_cast<quint32>(out.size());
    out += directory;
    PutU32(out, kEndOfDirectory);
    PutU16(out, 0);
    PutU16(out, 0);
    PutU16(out, static_cast<quint16>(members.size()));
    PutU16(out, static_cast<quint16>(members.size()));
    PutU32(out, static_cast<quint32>(directory.size()));
    PutU32(out, directoryAt);
    PutU16(out, 0);
    return out;
}

// Reads members of a zip held in memory.
class ZipReader {
public:
    explicit ZipReader(const QByteArray& bytes)
        : m_bytes(bytes), m_data(reinterpret_cast<const uchar*>(bytes.constData())) {}

    // The member's bytes, or nothing when the zip has no member of that name.
    std::optional<QByteArray> member(const QByteArray& wanted) {
        const qint64 end = endOfDirectory();
        const quint16 entries = u16(end + 10);
        qint64 at = u32(end + 16);
        for (quint16 i = 0; i < entries; ++i) {
            if (u32(at) != kCentralHeader) {
                RefuseAt(at, QT_TRANSLATE_NOOP("SwatchFormats", "the zip's directory is damaged."));
            }
            const quint16 nameLength = u16(at + 28);
            const qint64 next = at + 46 + nameLength + u16(at + 30) + u16(at + 32);
            if (bytes(at + 46, nameLength) == wanted) {
                return data(at);
            }
            at = next;
        }
        return std::nullopt;
    }

private:
    void need(qint64 at, qint64 count) const {
        if (at < 0 || count < 0 || at > m_bytes.size() - count) {
            RefuseAt(
                std::clamp<qint64>(at, 0, m_bytes.size()),
                QT_TRANSLATE_NOOP("SwatchFormats",
                                  "the zip points beyond its end: it is cut short or damaged."));
        }
    }
    quint16 u16(qint64 at) const {
        need(at, 2);
        return static_cast<quint16>(m_data[at] | m_data[at + 1] << 8);
    }
    quint32 u32(qint64 at) const {
        need(at, 4);
        return static_cast<quint32>(u16(at) | static_cast<quint32>(u16(at + 2)) << 16);
    }
    QByteArray bytes(qint64 at, qint64 count) const {
        need(at, count);
        return m_bytes.mid(at, count);
    }

    qint64 endOfDirectory() const {
        // The record is 22 bytes and may be followed by a comment of up to 65535.
        const qint64 last = m_bytes.size() - 22;
        for (qint64 at = last; at >= 0 && at >= last - 0xFFFF; --at) {
            if (u32(at) == kEndOfDirectory) {
                return at;
            }
        }
        RefuseAt(m_bytes.size(),
                 QT_TRANSLATE_NOOP("SwatchFormats",
                                   "the zip has no directory at its end: it is cut short."));
    }

    // The data of the member the directory entry at `entry` names.
    QByteArray data(qint64 entry) {
        const quint16 method = u16(entry + 10);
        const quint32 crc = u32(entry + 16);
        const qint64 packed = u32(entry + 20);
        const qint64 size = u32(entry + 24);
        const qint64 local = u32(entry + 42);
        if (u32(local) != kLocalHeader) {
            RefuseAt(local,
                     QT_TRANSLATE_NOOP("SwatchFormats",
                                       "a member of the zip is not where it is said to be."));
        }
        if ((u16(local + 6) & 1) != 0) {
            RefuseAt(local, QT_TRANSLATE_NOOP("SwatchFormats", "the zip is encrypted."));
        }
        const qint64 start = local + 30 + u16(local + 26) + u16(local + 28);
        need(start, packed);
        if (size > kMaxListFileBytes - m_inflated) {
            //: Why a list file is refused. %1: the largest size a list may have, in MiB.
            throw Refusal{entry, 0,
                          QCoreApplication::translate("SwatchFormats",
                                                      "the zip's contents are larger than %1 MiB.")
                              .arg(kMaxListFileBytes >> 20)};
        }
        QByteArray out;
        if (method == kStored) {
            if (packed != size) {
                RefuseAt(entry,
                         QT_TRANSLATE_NOOP("SwatchFormats",
                                           "a stored member of the zip has two different sizes."));
            }
            out = m_bytes.mid(start, size);
        } else if (method == kDeflated) {
            out = inflated(start, packed, size);
        } else {
            RefuseAt(entry, QT_TRANSLATE_NOOP(
                                "SwatchFormats",
                                "a member of the zip is compressed in a way this program does not "
                                "read."));
        }
        m_inflated += out.size();
        if (Crc(out) != crc) {
            RefuseAt(start, QT_TRANSLATE_NOOP("SwatchFormats",
                                              "a member of the zip is damaged (its checksum "
                                              "differs)."));
        }
        return out;
    }

    // Deflated data, inflated to at most the size the directory says: a member that inflates to
    // more (a zip bomb's way) is refused before it is all inflated.
    QByteArray inflated(qint64 start, qint64 packed, qint64 size) {
        QByteArray out(size, Qt::Uninitialized);
        z_stream stream{};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
            RefuseAt(start, QT_TRANSLATE_NOOP("SwatchFormats", "the zip cannot be inflated."));
        }
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(m_bytes.constData() + start));
        stream.avail_in = static_cast<uInt>(packed);
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(size);
        int result = inflate(&stream, Z_FINISH);
        // Room for one more byte tells an end from a member that goes on past its size.
        Bytef extra = 0;
        if (result == Z_BUF_ERROR && stream.avail_out == 0) {
            stream.next_out = &extra;
            stream.avail_out = 1;
            result = inflate(&stream, Z_FINISH);
        }
        const bool whole = result == Z_STREAM_END && stream.total_out == static_cast<uLong>(size);
        inflateEnd(&stream);
        if (!whole) {
            RefuseAt(start, QT_TRANSLATE_NOOP("SwatchFormats",
                                              "a member of the zip does not inflate to the size "
                                              "its directory gives."));
        }
        return out;
    }

    const QByteArray& m_bytes;
    const uchar* m_data;
    qint64 m_inflated = 0;
};

QString Number(double value) {
    return QString::number(value, 'g', 17);
}

// A stored value's space that the palette holds a profile of: the stored value goes into the
// palette as it is, in that profile. The name is the profile's own description, which a reader
// of the palette finds it by. Display P3 only: Qt writes no profile of Rec. 2020's curve, whose
// values therefore go in as their exact sRGB value.
struct EmbeddedSpace {
    QString css;  // the stored value's space as CSS names it
    QString name; // the profile's description, and its name in profiles.xml and the entries
    QByteArray file;
    QColorSpace::NamedColorSpace profile;
};

const QList<EmbeddedSpace>& EmbeddedSpaces() {
    static const QList<EmbeddedSpace> spaces{{QStringLiteral("display-p3"),
                                              QStringLiteral("Display P3"), "display-p3.icc",
                                              QColorSpace::DisplayP3}};
    return spaces;
}

const EmbeddedSpace* EmbeddedSpaceOf(const Pick& row) {
    const std::optional<StoredColor>& stored = row.origin.stored;
    if (!stored || !Finite(stored->fractions())) {
        return nullptr;
    }
    for (const EmbeddedSpace& space : EmbeddedSpaces()) {
        if (space.css == stored->space) {
            return &space;
        }
    }
    return nullptr;
}

QColorSpace ProfileOf(const EmbeddedSpace& space) {
    QColorSpace profile(space.profile);
    profile.setDescription(space.name);
    return profile;
}

QByteArray ColorsetXml(const QList<Pick>& rows, const QString& title) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Colorset"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    xml.writeAttribute(QStringLiteral("name"), title);
    xml.writeAttribute(QStringLiteral("comment"), QString());
    xml.writeAttribute(QStringLiteral("readonly"), QStringLiteral("false"));
    xml.writeAttribute(QStringLiteral("columns"), QString::number(kColumns));
    xml.writeAttribute(QStringLiteral("rows"), QString::number(std::max<qsizetype>(
                                                   1, (rows.size() + kColumns - 1) / kColumns)));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Pick& row = rows[i];
        const std::optional<EncodedRgb>& precise = row.origin.precise;
        const EmbeddedSpace* embedded = EmbeddedSpaceOf(row);
        const bool exact = embedded != nullptr || (precise && Finite(*precise));
        xml.writeStartElement(QStringLiteral("ColorSetEntry"));
        xml.writeAttribute(QStringLiteral("name"), PaletteName(row));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i + 1));
        xml.writeAttribute(QStringLiteral("spot"), QStringLiteral("false"));
        xml.writeAttribute(QStringLiteral("bitdepth"),
                           exact ? QStringLiteral("F32") : QStringLiteral("U8"));
        xml.writeStartElement(QStringLiteral("RGB"));
        xml.writeAttribute(QStringLiteral("space"), embedded ? embedded->name : kSrgbProfile);
        const std::array<double, 3> values =
            embedded ? row.origin.stored->fractions()
            : exact  ? *precise
                     : std::array<double, 3>{row.color.red() / 255.0, row.color.green() / 255.0,
                                             row.color.blue() / 255.0};
        xml.writeAttribute(QStringLiteral("r"), Number(values[0]));
        xml.writeAttribute(QStringLiteral("g"), Number(values[1]));
        xml.writeAttribute(QStringLiteral("b"), Number(values[2]));
        xml.writeEndElement();
        xml.writeEmptyElement(QStringLiteral("Position"));
        xml.writeAttribute(QStringLiteral("row"), QString::number(i / kColumns));
        xml.writeAttribute(QStringLiteral("column"), QString::number(i % kColumns));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

// A profile the palette holds, by the name its entries give.
struct HeldProfile {
    QColorTransform toSrgb;
    QString css; // the space as CSS names it, where it is one this writer writes; else empty
};
using HeldProfiles = QHash<QString, HeldProfile>;

// The RGB profiles profiles.xml lists and the zip holds. One that is missing, damaged or of
// another model is passed over: its entries' values are then taken as sRGB, an approximation.
HeldProfiles ProfilesOf(ZipReader& zip) {
    HeldProfiles held;
    const std::optional<QByteArray> list = zip.member("profiles.xml");
    if (!list) {
        return held;
    }
    QXmlStreamReader xml(*list);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Profiles")) {
        return held;
    }
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes a = xml.attributes();
        const QString name = a.value(QLatin1String("name")).toString();
        const QByteArray file = a.value(QLatin1String("filename")).toUtf8();
        xml.skipCurrentElement();
        if (held.contains(name) || name == kSrgbProfile || file.isEmpty()) {
            continue;
        }
        const std::optional<QByteArray> icc = zip.member(file);
        const QColorSpace profile = icc ? QColorSpace::fromIccProfile(*icc) : QColorSpace();
        if (!profile.isValid()) {
            continue;
        }
        HeldProfile p{profile.transformationToColorSpace(QColorSpace::SRgb), QString()};
        for (const EmbeddedSpace& space : EmbeddedSpaces()) {
            if (space.name == name && ProfileOf(space) == profile) {
                p.css = space.css;
            }
        }
        held.insert(name, p);
    }
    return held;
}

// colorset.xml's entries, ungrouped and in groups, in the document's order.
class ColorsetReader {
public:
    ColorsetReader(const QByteArray& xml, HeldProfiles profiles)
        : m_xml(xml), m_profiles(std::move(profiles)) {}

    QList<Pick> rows() {
        if (!m_xml.readNextStartElement() || m_xml.name() != QLatin1String("Colorset")) {
            fail(QT_TRANSLATE_NOOP("SwatchFormats",
                                   "a Krita palette's colorset.xml holds a <Colorset> element."));
        }
        QList<Pick> rows;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("Group")) {
                while (m_xml.readNextStartElement()) {
                    entry(rows);
                }
            } else {
                entry(rows);
            }
        }
        if (m_xml.hasError()) {
            fail(m_xml.errorString());
        }
        return rows;
    }

private:
    [[noreturn]] void fail(const QString& message) const {
        throw Refusal{-1, static_cast<int>(m_xml.lineNumber()), message};
    }
    [[noreturn]] void fail(const char* message) const { fail(Said(message)); }

    double value(const char* name) {
        bool ok = false;
        const double v = m_xml.attributes().value(QLatin1String(name)).toDouble(&ok);
        if (!ok || !std::isfinite(v)) {
            //: Why a list file is refused. %1: an XML attribute's name, which stays as it is.
            fail(QCoreApplication::translate("SwatchFormats", "\"%1\" must be a number.")
                     .arg(QLatin1String(name)));
        }
        return v;
    }

    void entry(QList<Pick>& rows) {
        if (m_xml.name() != QLatin1String("ColorSetEntry")) {
            m_xml.skipCurrentElement();
            return;
        }
        if (rows.size() >= kMaxListRows) {
            fail(
                QCoreApplication::translate("SwatchFormats", "the file holds more than %1 colours.")
                    .arg(kMaxListRows));
        }
        const QString name = m_xml.attributes().value(QLatin1String("name")).toString();
        const QStringView depth = m_xml.attributes().value(QLatin1String("bitdepth"));
        const bool floating = depth.startsWith(QLatin1Char('F'));
        std::optional<Pick> pick;
        while (m_xml.readNextStartElement()) {
            const QStringView tag = m_xml.name();
            if (pick || tag == QLatin1String("Position")) {
                m_xml.skipCurrentElement();
                continue;
            }
            Pick read;
            if (tag == QLatin1String("RGB") || tag == QLatin1String("sRGB")) {
                const EncodedRgb stored{value("r"), value("g"), value("b")};
                EncodedRgb rgb = stored;
                const auto held = m_profiles.constFind(
                    m_xml.attributes().value(QLatin1String("space")).toString());
                if (held != m_profiles.cend()) {
                    const QRgbaFloat32 srgb = held->toSrgb.map(
                        QRgbaFloat32{float(stored[0]), float(stored[1]), float(stored[2]), 1});
                    rgb = {srgb.r, srgb.g, srgb.b};
                    if (floating) {
                        read.origin.stored = StoredColor{StoredColor::kFloat, stored, held->css};
                    }
                }
                // Values in RGB profiles the palette does not hold are taken as sRGB: an
                // approximation.
                read.color = Color(ChannelOfFraction(rgb[0]), ChannelOfFraction(rgb[1]),
                                   ChannelOfFraction(rgb[2]));
                if (floating) {
                    read.origin.precise = rgb;
                }
            } else if (tag == QLatin1String("Lab")) {
                read.color = ColorOfLabD50(value("L"), value("a"), value("b"));
            } else if (tag == QLatin1String("CMYK")) {
                read.color = ColorOfCmyk(value("c"), value("m"), value("y"), value("k"));
            } else if (tag == QLatin1String("Gray")) {
                const int grey = ChannelOfFraction(value("g"));
                read.color = Color(grey, grey, grey);
            } else {
                //: Why a list file is refused. %1: an XML element's name, which stays as it is.
                fail(QCoreApplication::translate("SwatchFormats",
                                                 "colours given as <%1> are not read.")
                         .arg(tag));
            }
            pick = read;
            m_xml.skipCurrentElement();
        }
        if (m_xml.hasError()) {
            fail(m_xml.errorString());
        }
        if (!pick) {
            fail(QT_TRANSLATE_NOOP("SwatchFormats", "a <ColorSetEntry> holds no colour."));
        }
        pick->description = DescriptionOfName(name, pick->color);
        rows.append(*pick);
    }

    QXmlStreamReader m_xml;
    HeldProfiles m_profiles;
};

QList<Pick> KplRows(const QByteArray& bytes) {
    if (!IsKpl(bytes)) {
        RefuseAt(0, QT_TRANSLATE_NOOP("SwatchFormats",
                                      "a Krita palette is a zip whose first member is its "
                                      "mimetype."));
    }
    ZipReader zip(bytes);
    const std::optional<QByteArray> colorset = zip.member("colorset.xml");
    if (!colorset) {
        RefuseAt(0, QT_TRANSLATE_NOOP("SwatchFormats", "the Krita palette has no colorset.xml."));
    }
    return ColorsetReader(*colorset, ProfilesOf(zip)).rows();
}
} // namespace

// GCC 12 with the sanitizers cannot see that the size checked first keeps the reads below inside
// the bytes, and takes an empty array's one byte for their bounds.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
bool IsKpl(const QByteArray& bytes) {
    // The first member, stored, named "mimetype", holding the type.
    if (bytes.size() < 30 || qFromLittleEndian<quint32>(bytes.constData()) != kLocalHeader ||
        qFromLittleEndian<quint16>(bytes.constData() + 8) != kStored) {
        return false;
    }
    const qint64 size = qFromLittleEndian<quint32>(bytes.constData() + 18);
    const qint64 nameLength = qFromLittleEndian<quint16>(bytes.constData() + 26);
    const qint64 extra = qFromLittleEndian<quint16>(bytes.constData() + 28);
    if (bytes.mid(30, nameLength) != "mimetype" || size > 64) {
        return false;
    }
    const QByteArray type = bytes.mid(30 + nameLength + extra, size).trimmed();
    return type == kMimeType || type == kOtherMimeType;
}
#pragma GCC diagnostic pop

QByteArray WriteKpl(const QList<Pick>& rows, const QString& title) {
    QString name = title.simplified();
    if (name.isEmpty()) {
        name = QStringLiteral("Huemark");
    }
    // Krita's own sRGB needs no profile in the file; the spaces of stored values written as they
    // are do, each once.
    QList<std::pair<QByteArray, QByteArray>> members{{"mimetype", kMimeType},
                                                     {"colorset.xml", ColorsetXml(rows, name)}};
    QByteArray profiles;
    QXmlStreamWriter xml(&profiles);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Profiles"));
    QList<std::pair<QByteArray, QByteArray>> files;
    for (const EmbeddedSpace& space : EmbeddedSpaces()) {
        if (std::none_of(rows.begin(), rows.end(),
                         [&space](const Pick& row) { return EmbeddedSpaceOf(row) == &space; })) {
            continue;
        }
        xml.writeEmptyElement(QStringLiteral("Profile"));
        xml.writeAttribute(QStringLiteral("name"), space.name);
        xml.writeAttribute(QStringLiteral("filename"), QString::fromLatin1(space.file));
        xml.writeAttribute(QStringLiteral("colorModelId"), QStringLiteral("RGBA"));
        xml.writeAttribute(QStringLiteral("colorDepthId"), QStringLiteral("F32"));
        files.append({space.file, ProfileOf(space).iccProfile()});
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    members.append({"profiles.xml", profiles});
    return StoredZip(members + files);
}

ListRead ReadKpl(const QByteArray& bytes) {
    ListRead read;
    try {
        read.rows = KplRows(bytes);
    } catch (const Refusal& refusal) {
        read.rows.clear();
        read.offset = refusal.offset;
        read.line = refusal.line;
        //: Why a Krita palette is refused: the member of its zip at fault. %1: what is wrong.
        read.error = refusal.offset < 0
                         ? QCoreApplication::translate("SwatchFormats", "In colorset.xml: %1")
                               .arg(refusal.message)
                         : refusal.message;
    }
    return read;
}
