// The palette files of other programs: each written and opened again (told by its content, not
// its name) gives the same colours and descriptions, a Krita palette the exact values too; the
// other colour spaces these files hold converted; malformed files refused with the line or the
// byte at fault; and the files Python's zipfile and XML parsers check (read_swatches.py), and
// npm's readers of the two binary formats (read_swatches.mjs).

#include "palette/ListFiles.h"
#include "palette/ListFormats.h"
#include "palette/SwatchFormats.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstring>
#include <zlib.h>

Q_DECLARE_METATYPE(StoredColor)
Q_DECLARE_METATYPE(Color)

namespace {
// Descriptions that trip writers up, with what a palette's name makes of them.
struct Row {
    Pick pick;
    QString readBack; // the description opened again
};

QList<Row> AwkwardRows() {
    const QString longText = QString("0123456789").repeated(1000);
    return {
        {{{0, 0, 0}, ""}, ""},
        {{{255, 0, 0}, "Say \"hi\" <b> & 'you'"}, "Say \"hi\" <b> & 'you'"},
        {{{10, 20, 30}, "tab\there"}, "tab here"},
        {{{40, 50, 60}, "line one\r\nline two"}, "line one  line two"},
        {{{200, 0, 100}, "красный 赤 🎨"}, "красный 赤 🎨"},
        {{{0, 255, 0}, "  outer blanks  "}, "outer blanks"},
        {{{1, 2, 3}, "#FFFFFF"}, "#FFFFFF"}, // another colour's code stays a description
        {{{2, 2, 2}, "C:\\path\x01=SUM(A1)"}, "C:\\path =SUM(A1)"},
        {{{70, 80, 90}, longText}, longText},
        {{{255, 255, 255}, "#ffffff"}, ""}, // its own code: no description
    };
}

// Big-endian pieces of hand-made binary files.
QByteArray U16(quint16 v) {
    char b[2];
    qToBigEndian(v, b);
    return QByteArray(b, 2);
}
QByteArray U32(quint32 v) {
    char b[4];
    qToBigEndian(v, b);
    return QByteArray(b, 4);
}
QByteArray F32(float f) {
    quint32 bits = 0;
    std::memcpy(&bits, &f, 4);
    return U32(bits);
}
QByteArray Utf16(const QString& s) {
    QByteArray out;
    for (QChar c : s) {
        out += U16(c.unicode());
    }
    return out + U16(0);
}
QByteArray AseColor(const QString& name, const QByteArray& model, const QList<float>& values) {
    QByteArray body = U16(quint16(name.size() + 1)) + Utf16(name) + model;
    for (float v : values) {
        body += F32(v);
    }
    body += U16(2);
    return U16(1) + U32(quint32(body.size())) + body;
}
QByteArray Ase(const QList<QByteArray>& blocks, quint32 count) {
    return "ASEF" + U16(1) + U16(0) + U32(count) + blocks.join();
}
QByteArray AseGroup(const QString& name, const QList<QByteArray>& colours) {
    const QByteArray body = U16(quint16(name.size() + 1)) + Utf16(name);
    return U16(0xC001) + U32(quint32(body.size())) + body + colours.join() + U16(0xC002) + U32(0);
}
QByteArray AcoEntry(quint16 space, quint16 w, quint16 x, quint16 y, quint16 z) {
    return U16(space) + U16(w) + U16(x) + U16(y) + U16(z);
}

// A zip of one "mimetype" member and a colorset.xml, this one deflated; `claimed` overrides
// the inflated size the headers give.
QByteArray LittleU16(quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}
QByteArray LittleU32(quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}
QByteArray Deflated(const QByteArray& data) {
    z_stream s{};
    deflateInit2(&s, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&s, uLong(data.size()))), Qt::Uninitialized);
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    s.avail_in = uInt(data.size());
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    out.resize(qsizetype(s.total_out));
    deflateEnd(&s);
    return out;
}
QByteArray Zip(const QByteArray& colorset, qint64 claimed = -1, bool goodCrc = true) {
    struct Member {
        QByteArray name, data, packed;
        quint16 method;
    };
    const QList<Member> members{{"mimetype", "krita/x-colorset", "krita/x-colorset", 0},
                                {"colorset.xml", colorset, Deflated(colorset), 8}};
    QByteArray out, directory;
    for (const Member& m : members) {
        const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(m.data.constData()),
                                          uInt(m.data.size()))) ^
                            (goodCrc || m.method == 0 ? 0u : 1u);
        const quint32 size =
            m.method == 8 && claimed >= 0 ? quint32(claimed) : quint32(m.data.size());
        const QByteArray common = LittleU16(20) + LittleU16(0) + LittleU16(m.method) +
                                  LittleU32(0) + LittleU32(crc) +
                                  LittleU32(quint32(m.packed.size())) + LittleU32(size) +
                                  LittleU16(quint16(m.name.size())) + LittleU16(0);
        directory += LittleU32(0x02014b50) + LittleU16(20) + common + LittleU16(0) + LittleU16(0) +
                     LittleU16(0) + LittleU32(0) + LittleU32(quint32(out.size())) + m.name;
        out += LittleU32(0x04034b50) + common + m.name + m.packed;
    }
    const quint32 at = quint32(out.size());
    return out + directory + LittleU32(0x06054b50) + LittleU16(0) + LittleU16(0) + LittleU16(2) +
           LittleU16(2) + LittleU32(quint32(directory.size())) + LittleU32(at) + LittleU16(0);
}
QByteArray Colorset(const QByteArray& entries) {
    return "<?xml version=\"1.0\"?>\n<Colorset name=\"x\" columns=\"16\">\n" + entries +
           "\n</Colorset>\n";
}

// What a reader that owes nothing to the program makes of a saved file: Python's for the zip, XML
// and text formats, Node's with the npm libraries for the two binary ones.
struct IndependentRead {
    QJsonArray rows;
    QString error; // the reader's own, or why it could not run
};
IndependentRead Independently(const QString& kind, const QString& path) {
    QProcess reader;
    if (kind == "ase" || kind == "aco") {
        const QString node = QFileInfo::exists("/usr/bin/node")
                                 ? QStringLiteral("/usr/bin/node")
                                 : QStandardPaths::findExecutable("node");
        if (node.isEmpty()) {
            return {{}, "no Node to run the npm readers with (Debian's package nodejs)"};
        }
        reader.start(node, {HUEMARK_SWATCH_NODE_READER, kind, HUEMARK_NPM_MODULES, path});
    } else {
        reader.start("/usr/bin/python3", {HUEMARK_SWATCH_READER, kind, path});
    }
    if (!reader.waitForFinished(60000)) {
        return {{}, "the reader of " + kind + " did not finish: " + reader.errorString()};
    }
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0) {
        return {{}, QString::fromUtf8(reader.readAllStandardError())};
    }
    return {QJsonDocument::fromJson(reader.readAllStandardOutput()).array(), {}};
}

QString Rows(const QList<Pick>& rows) {
    QStringList out;
    for (const Pick& p : rows) {
        out << WebCode(p.color) + (p.description.isEmpty() ? "" : " " + p.description);
    }
    return out.join(";");
}
} // namespace

class TestSwatchFormats : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void reading_data();
    void reading();
    void refusals_data();
    void refusals();
    void independentReaders_data();
    void independentReaders();
    void kplStoredInProfile_data();
    void kplStoredInProfile();

private:
    QTemporaryDir m_dir;
};

void TestSwatchFormats::roundTrip_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("names"); // whether the format keeps descriptions
    QTest::newRow("ase") << int(ListFormat::Ase) << true;
    QTest::newRow("aco") << int(ListFormat::Aco) << true;
    QTest::newRow("kpl") << int(ListFormat::Kpl) << true;
    QTest::newRow("soc") << int(ListFormat::Soc) << true;
    QTest::newRow("scribus") << int(ListFormat::Scribus) << true;
    QTest::newRow("hex") << int(ListFormat::Hex) << false;
}

// Written, saved under a name that says nothing of the format, and opened again.
void TestSwatchFormats::roundTrip() {
    QFETCH(int, format);
    QFETCH(bool, names);
    QList<Row> rows = AwkwardRows();
    // Exact values beyond 8 bits, one outside sRGB's gamut: a Krita palette keeps them.
    PickOrigin deep;
    deep.precise = EncodedRgb{0.50196078431372548, 0.123456789012345, 1.25};
    rows.append({{{128, 31, 255}, "deep", deep}, "deep"});
    QList<Pick> picks;
    for (const Row& row : rows) {
        picks.append(row.pick);
    }
    const QString path = m_dir.filePath("list.txt");
    QCOMPARE(SaveListFile(path, WriteList(ListFormat(format), picks, "Awkward <&>")), QString());
    const ListRead read = OpenListFile(path);
    QVERIFY2(read.ok(), qPrintable(OpenFailureMessage(path, read)));
    QCOMPARE(read.rows.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(read.rows[i].color, rows[i].pick.color);
        QCOMPARE(read.rows[i].description, names ? rows[i].readBack : QString());
        QCOMPARE(read.rows[i].origin.precise,
                 format == int(ListFormat::Kpl) ? rows[i].pick.origin.precise : std::nullopt);
    }
}

void TestSwatchFormats::reading_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("rows"); // "#RRGGBB description;..."

    // Adobe swatch exchange: every model, groups read in order, names in UTF-16 with a pair.
    QTest::newRow("ase models and groups")
        << Ase({AseColor("loose", "RGB ", {1, 0.5, 0}),
                AseGroup("warm", {AseColor("lab white", "LAB ", {1, 0, 0}),
                                  AseColor("lab mid", "LAB ", {0.5f, 0, 0}),
                                  AseColor("cmyk red", "CMYK", {0, 1, 1, 0})}),
                AseColor("grey 🎨", "Gray", {0.2f})},
               7)
        << "#FF8000 loose;#FFFFFF lab white;#777777 lab mid;#FF0000 cmyk red;#333333 grey 🎨";
    // Photoshop swatches: version 1 alone (no names), 16-bit values to the nearest 8-bit one.
    QTest::newRow("aco version 1 rounding")
        << U16(1) + U16(3) + AcoEntry(0, 386, 383, 32768, 0) + AcoEntry(0, 32767, 65535, 257, 0) +
               AcoEntry(0, 65535, 65280, 65151, 0)
        << "#020180;#7FFF01;#FFFEFE";
    // Version 2 after version 1: its names are taken.
    QTest::newRow("aco versions 1 and 2")
        << U16(1) + U16(1) + AcoEntry(0, 0, 0, 0, 0) + U16(2) + U16(1) + AcoEntry(0, 0, 0, 0, 0) +
               U32(5) + Utf16("dark")
        << "#000000 dark";
    QTest::newRow("aco other spaces")
        << U16(2) + U16(5) + AcoEntry(1, 21845, 65535, 65535, 0) + U32(1) + U16(0) +
               AcoEntry(2, 65535, 0, 0, 65535) + U32(1) + U16(0) + AcoEntry(7, 10000, 0, 0, 0) +
               U32(1) + U16(0) + AcoEntry(7, 5000, quint16(qint16(0)), quint16(qint16(0)), 0) +
               U32(1) + U16(0) + AcoEntry(8, 2500, 0, 0, 0) + U32(1) + U16(0)
        << "#00FF00;#FF0000;#FFFFFF;#777777;#BFBFBF";
    // Krita: entries in and out of groups, Lab, CMYK and grey; deflated.
    QTest::newRow("kpl deflated, groups and spaces")
        << Zip(Colorset(
               "<ColorSetEntry name=\"a\" bitdepth=\"U8\"><Position row=\"0\" column=\"0\"/>"
               "<RGB space=\"sRGB-elle-V2-srgbtrc.icc\" r=\"1\" g=\"0\" b=\"0\"/>"
               "</ColorSetEntry>"
               "<Group name=\"g\" rows=\"1\">"
               "<ColorSetEntry name=\"b\" bitdepth=\"U16\"><Lab L=\"50\" a=\"0\" b=\"0\""
               " space=\"x\"/></ColorSetEntry>"
               "<ColorSetEntry name=\"c\"><CMYK c=\"0\" m=\"0\" y=\"1\" k=\"0\"/>"
               "</ColorSetEntry></Group>"
               "<ColorSetEntry name=\"#808080\"><Gray g=\"0.5019607843\"/>"
               "</ColorSetEntry>"))
        << "#FF0000 a;#777777 b;#FFFF00 c;#808080";
    QTest::newRow("soc")
        << QByteArray("<?xml version=\"1.0\"?>\n<ooo:color-table "
                      "xmlns:ooo=\"http://openoffice.org/2004/office\" "
                      "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">\n"
                      "<draw:color draw:name=\"Dark Red 2\" draw:color=\"#a51d2d\"/>\n"
                      "<draw:color draw:name=\"Gold\" draw:color=\"#FFBF00\"/>\n"
                      "</ooo:color-table>\n")
        << "#A51D2D Dark Red 2;#FFBF00 Gold";
    QTest::newRow("scribus with CMYK")
        << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<SCRIBUSCOLORS Name=\"x\">\n<COLOR NAME=\"Red\" RGB=\"#ff0000\"/>\n"
                      "<COLOR NAME=\"Cyan\" CMYK=\"#ff000000\" Spot=\"0\"/>\n"
                      "<COLOR NAME=\"Black\" CMYK=\"#000000ff\"/>\n</SCRIBUSCOLORS>\n")
        << "#FF0000 Red;#00FFFF Cyan;#000000 Black";
    QTest::newRow("hex with and without #, CRLF, blank lines")
        << QByteArray("\xEF\xBB\xBF\nff8000\r\n\r\n#00FF00\r\n  0000ff  \n")
        << "#FF8000;#00FF00;#0000FF";
}

void TestSwatchFormats::reading() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, rows);
    const ListRead read = ReadList(bytes);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(Rows(read.rows), rows);
}

void TestSwatchFormats::refusals_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("place"); // "At byte N" or "Line N"
    QTest::addColumn<QString>("words");

    const QByteArray ase = WriteAse({Pick({1, 2, 3}, "a"), Pick({4, 5, 6}, "b")}, "t");
    QTest::newRow("ase cut short") << ase.left(40) << "At byte 40"
                                   << "ends in the middle";
    QTest::newRow("ase bad version") << "ASEF" + U16(2) + U16(0) + U32(0) << "At byte 4"
                                     << "version 1";
    QTest::newRow("ase more blocks than data")
        << Ase({AseColor("x", "RGB ", {1, 1, 1})}, 3) << "At byte 42"
        << "3 blocks";
    QTest::newRow("ase unknown model") << Ase({AseColor("x", "HSV ", {1, 1, 1})}, 1) << "At byte 24"
                                       << "\"HSV \"";
    QTest::newRow("ase value not a number")
        << Ase({AseColor("x", "RGB ", {1, std::numeric_limits<float>::quiet_NaN(), 1})}, 1)
        << "At byte 32"
        << "not a number";
    // The version word is what tells the format: another one is no file known.
    QTest::newRow("aco bad version") << U16(3) + U16(0) << "Line 1"
                                     << "no palette";
    QTest::newRow("aco more colours than data")
        << U16(1) + U16(2) + AcoEntry(0, 0, 0, 0, 0) << "At byte 14"
        << "2 colours";
    QTest::newRow("aco colour book")
        << U16(1) + U16(2) + AcoEntry(0, 0, 0, 0, 0) + AcoEntry(3, 1, 2, 3, 4) << "At byte 14"
        << "colour space 3";
    QTest::newRow("aco name beyond the data")
        << U16(2) + U16(1) + AcoEntry(0, 0, 0, 0, 0) + U32(1000) + Utf16("ab") << "At byte 14"
        << "name is longer";
    QTest::newRow("aco version 2 broken after version 1")
        << U16(1) + U16(1) + AcoEntry(0, 0, 0, 0, 0) + U16(2) + U16(1) + AcoEntry(0, 0, 0, 0, 0)
        << "At byte 28"
        << "ends in the middle";
    const QByteArray colorset =
        Colorset("<ColorSetEntry name=\"a\"><sRGB r=\"1\" g=\"0\" b=\"0\"/></ColorSetEntry>");
    const QByteArray kpl = Zip(colorset);
    QTest::newRow("kpl cut short") << kpl.left(kpl.size() - 10) << "At byte"
                                   << "cut short";
    QTest::newRow("kpl checksum") << Zip(colorset, -1, false) << "At byte"
                                  << "checksum";
    // A member that inflates beyond what its headers say, and one that says it is huge.
    QTest::newRow("kpl bomb, lying") << Zip(Colorset(QByteArray(1 << 20, ' ')), 100) << "At byte"
                                     << "does not inflate";
    QTest::newRow("kpl bomb, huge") << Zip(colorset, kMaxListFileBytes + 1) << "At byte"
                                    << "larger than 64 MiB";
    QTest::newRow("kpl entry without colour")
        << Zip(Colorset("<ColorSetEntry name=\"a\">\n<Position row=\"0\" column=\"0\"/>\n"
                        "</ColorSetEntry>"))
        << "Line 5"
        << "holds no colour";
    QTest::newRow("kpl bad number")
        << Zip(Colorset("<ColorSetEntry>\n<RGB r=\"x\" g=\"0\" b=\"0\"/></ColorSetEntry>"))
        << "Line 4"
        << "\"r\" must be a number";
    QTest::newRow("kpl not XML") << Zip("<Colorset>\n<ColorSetEntry>\n</Colorset>") << "Line 3"
                                 << "In colorset.xml";
    QTest::newRow("soc bad colour")
        << QByteArray("<ooo:color-table>\n<draw:color draw:name=\"a\" draw:color=\"#12345\"/>\n"
                      "</ooo:color-table>")
        << "Line 2"
        << "draw:color must be";
    QTest::newRow("scribus no value")
        << QByteArray("<SCRIBUSCOLORS>\n\n<COLOR NAME=\"a\"/>\n</SCRIBUSCOLORS>") << "Line 3"
        << "RGB or a CMYK";
    QTest::newRow("scribus unclosed")
        << QByteArray("<SCRIBUSCOLORS>\n<COLOR NAME=\"a\" RGB=\"#000000\">\n") << "Line 3"
        << "";
    QTest::newRow("other XML") << QByteArray("<svg>\n</svg>") << "Line 1"
                               << "XML palette";
    QTest::newRow("more colours than a list takes")
        << QByteArray("000000\n").repeated(kMaxListRows + 1) << "Line 100001"
        << "more than 100000";
    QTest::newRow("hex bad line") << QByteArray("ff8000\n00ff0\n") << "Line 2"
                                  << "one colour";
    QTest::newRow("nothing known") << QByteArray("hello\n") << "Line 1"
                                   << "no palette";
}

void TestSwatchFormats::refusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, place);
    QFETCH(QString, words);
    const ListRead read = ReadList(bytes);
    QVERIFY(!read.ok());
    QVERIFY(read.rows.isEmpty());
    const QString message = OpenFailureMessage("/tmp/x", read);
    QVERIFY2(message.contains("\r" + place), qPrintable(message));
    QVERIFY2(message.contains(words), qPrintable(message));
}

void TestSwatchFormats::independentReaders_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("kind");
    QTest::newRow("kpl") << int(ListFormat::Kpl) << "kpl";
    QTest::newRow("soc") << int(ListFormat::Soc) << "soc";
    QTest::newRow("scribus") << int(ListFormat::Scribus) << "scribus";
    QTest::newRow("hex") << int(ListFormat::Hex) << "hex";
    // npm's ase-utils and adobe-aco, run by Node (read_swatches.mjs).
    QTest::newRow("ase") << int(ListFormat::Ase) << "ase";
    QTest::newRow("aco") << int(ListFormat::Aco) << "aco";
}

// Python's zipfile (members, their order, compression and checksums) and its XML parser read
// what the writers write; so do npm's readers of the two binary formats, which also give the
// swatch exchange file's group (named after the title) and the Photoshop file's version 1 colours.
void TestSwatchFormats::independentReaders() {
    QFETCH(int, format);
    QFETCH(QString, kind);
    QList<Pick> picks;
    for (const Row& row : AwkwardRows()) {
        picks.append(row.pick);
    }
    const QString path = m_dir.filePath("palette." + kind);
    QCOMPARE(SaveListFile(path, WriteList(ListFormat(format), picks, "Awkward")), QString());
    const IndependentRead independent = Independently(kind, path);
    QVERIFY2(independent.error.isEmpty(), qPrintable(independent.error));
    const QJsonArray& read = independent.rows;
    QCOMPARE(read.size(), picks.size());
    const QList<Row> rows = AwkwardRows();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QJsonArray got = read[i].toArray();
        const Color color = rows[i].pick.color;
        QCOMPARE(Color(got[0].toInt(), got[1].toInt(), got[2].toInt()), color);
        if (format != int(ListFormat::Hex)) {
            QCOMPARE(got[3].toString(), PaletteName(rows[i].pick));
        }
        if (format == int(ListFormat::Ase)) {
            QCOMPARE(got[4].toString(), QString("Awkward"));
        } else if (format == int(ListFormat::Aco)) {
            QCOMPARE(got[4].toArray(), QJsonArray({color.red(), color.green(), color.blue()}));
        }
    }
}

void TestSwatchFormats::kplStoredInProfile_data() {
    QTest::addColumn<StoredColor>("stored");
    QTest::addColumn<QString>("profile"); // the profile the zip holds; empty: none
    QTest::addColumn<Color>("color");     // the sRGB colour read back, worked out independently
    QTest::newRow("display-p3 floats")
        << StoredColor{StoredColor::kFloat, {0.6, 0.4, 0.2}, "display-p3"} << "Display P3"
        << Color(162, 99, 38);
    QTest::newRow("display-p3 16 bits") << StoredColor{16, {40000, 20000, 10000}, "display-p3"}
                                        << "Display P3" << Color(167, 72, 25);
    // Rec. 2020 (no profile of its curve is written), sRGB, and a profile CSS names not: the
    // exact sRGB value, as without a stored value.
    QTest::newRow("rec2020") << StoredColor{StoredColor::kFloat, {0.5, 0.4, 0.3}, "rec2020"} << ""
                             << Color(156, 78, 39);
    QTest::newRow("srgb") << StoredColor{16, {40000, 20000, 10000}, "srgb"} << ""
                          << Color(156, 78, 39);
    QTest::newRow("another profile") << StoredColor{8, {1, 2, 3}, ""} << "" << Color(156, 78, 39);
}

// A stored value in Display P3 goes into the palette as it is, in that space's profile,
// which the zip holds; Python's reader finds the profile listed, whole and named as the entry
// says, and the entry at the stored value; read back, the palette gives the stored value and its
// colour in sRGB.
void TestSwatchFormats::kplStoredInProfile() {
    QFETCH(StoredColor, stored);
    QFETCH(QString, profile);
    QFETCH(Color, color);
    PickOrigin origin;
    origin.stored = stored;
    origin.precise = EncodedRgb{156 / 255.0, 78 / 255.0, 39 / 255.0};
    // The plain row beside it keeps Krita's sRGB, and the profile is held once for two rows.
    const QList<Pick> picks{Pick(color, "stored", origin), Pick({1, 2, 3}, "plain"),
                            Pick(color, "again", origin)};
    const QString path = m_dir.filePath("stored.kpl");
    QCOMPARE(SaveListFile(path, WriteKpl(picks, "Stored")), QString());

    const IndependentRead independent = Independently("kpl", path);
    QVERIFY2(independent.error.isEmpty(), qPrintable(independent.error));
    QCOMPARE(independent.rows.size(), 3);
    const std::array<double, 3> fractions = stored.fractions();
    const QJsonArray first = independent.rows[0].toArray();
    if (profile.isEmpty()) {
        QCOMPARE(first.size(), 4);
    } else {
        const QJsonObject held = first[4].toObject();
        QCOMPARE(held["space"].toString(), profile);
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(held["values"].toArray()[c].toDouble(), fractions[c]);
        }
    }
    QCOMPARE(independent.rows[1].toArray().size(), 4);

    const ListRead read = OpenListFile(path);
    QVERIFY2(read.ok(), qPrintable(OpenFailureMessage(path, read)));
    QCOMPARE(read.rows.size(), 3);
    for (const qsizetype i : {0, 2}) {
        const Pick& back = read.rows[i];
        QCOMPARE(back.color, color);
        if (profile.isEmpty()) {
            QVERIFY(!back.origin.stored.has_value());
            QCOMPARE(back.origin.precise, origin.precise);
            continue;
        }
        QVERIFY(back.origin.stored.has_value());
        QCOMPARE(back.origin.stored->space, stored.space);
        QCOMPARE(back.origin.stored->values, fractions);
    }
    QVERIFY(!read.rows[1].origin.stored.has_value());
}

QTEST_GUILESS_MAIN(TestSwatchFormats)
#include "test_swatchformats.moc"
