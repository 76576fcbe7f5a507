// Saved lists read back by readers that share nothing with the program (GIMP's documented
// palette grammar, a CSS parser, Python's json and csv), and by the program's own readers;
// malformed palettes and JSON refused with the line at fault; writes that fail keep the old file.

#include "list/PickList.h"
#include "palette/ListFiles.h"
#include "palette/ListFormats.h"
#include "pixels/RegularFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct Awkward {
    Pick swatch;
    QString gimpName;     // what a palette line holds
    QString cssName;      // the custom property, without "--"
    QString csvName = {}; // what a spreadsheet shows, when it is not the description
};

// Descriptions that trip writers up, with what each format must make of them.
QList<Awkward> AwkwardRows() {
    const QString digits = QString("0123456789").repeated(1000);
    return {
        {{{0, 0, 0}, ""}, "#000000", "000000"},
        {{{255, 0, 0}, "Say \"hi\""}, "Say \"hi\"", "say-hi"},
        {{{1, 2, 3}, "a, b; c"}, "a, b; c", "a-b-c"},
        {{{10, 20, 30}, "tab\there"}, "tab here", "tab-here"},
        {{{40, 50, 60}, "line one\r\nline two"}, "line one  line two", "line-one-line-two"},
        {{{70, 80, 90}, digits}, digits, digits},
        {{{200, 0, 100}, "красный 赤 🎨"}, "красный 赤 🎨", "красный-赤-🎨"},
        {{{135, 206, 235}, "Sky Blue"}, "Sky Blue", "sky-blue"},
        {{{135, 206, 236}, "sky-blue"}, "sky-blue", "sky-blue-2"},
        {{{135, 206, 237}, "SKY BLUE!"}, "SKY BLUE!", "sky-blue-3"},
        {{{0, 255, 0}, "  outer blanks  "}, "outer blanks", "outer-blanks"},
        {{{1, 1, 1}, "!!!"}, "!!!", "010101"},
        {{{2, 2, 2}, "C:\\path\x01=SUM(A1)"}, "C:\\path =SUM(A1)", "c-path-sum-a1"},
        // Formulas a spreadsheet would run are written as text.
        {{{3, 3, 3}, "=HYPERLINK(\"http://x\",\"y\")"},
         "=HYPERLINK(\"http://x\",\"y\")",
         "hyperlink-http-x-y",
         "'=HYPERLINK(\"http://x\",\"y\")"},
        {{{4, 4, 4}, "+1"}, "+1", "1", "'+1"},
        {{{5, 5, 5}, "-2 warm"}, "-2 warm", "2-warm", "'-2 warm"},
        {{{6, 6, 6}, "@SUM(A1)"}, "@SUM(A1)", "sum-a1", "'@SUM(A1)"},
        {{{7, 7, 7}, "\t=1"}, "=1", "1-2", "'\t=1"},
        {{{8, 8, 8}, "a=b-c"}, "a=b-c", "a-b-c-2"},
    };
}

QList<Pick> SwatchesOf(const QList<Awkward>& rows) {
    QList<Pick> swatches;
    for (const Awkward& row : rows) {
        swatches.append(row.swatch);
    }
    return swatches;
}

// By the system's bytes for the name, so that a name that is not UTF-8 is read too.
QByteArray ReadAll(const QString& path) {
    const RegularFileRead read = ReadRegularFile(path, 1 << 24);
    return read.outcome == RegularFileRead::Outcome::Read ? read.bytes : QByteArray();
}

// The files in a folder (not its folders), by the system's bytes for their names: the toolkit
// leaves out names that are not UTF-8.
QList<QByteArray> Files(const QString& folder) {
    QList<QByteArray> names;
    if (DIR* d = ::opendir(SystemFileName(folder).constData())) {
        while (const dirent* e = ::readdir(d)) {
            if (e->d_type != DT_DIR) {
                names.append(QByteArray(e->d_name));
            }
        }
        ::closedir(d);
    }
    return names;
}

// Removes what a case left in its folder, one level deep, names not in UTF-8 included (which
// the toolkit cannot remove).
void Empty(const QString& folder) {
    const QByteArray path = SystemFileName(folder);
    if (DIR* d = ::opendir(path.constData())) {
        while (const dirent* e = ::readdir(d)) {
            const QByteArray name(e->d_name);
            if (name != "." && name != "..") {
                const QByteArray entry = path + '/' + name;
                if (::unlink(entry.constData()) != 0) {
                    ::rmdir(entry.constData());
                }
            }
        }
        ::closedir(d);
    }
}

// A file in the folder by the system's bytes for its name.
QString Named(const QTemporaryDir& dir, const QByteArray& name) {
    return FileNameText(SystemFileName(dir.path()) + '/' + name);
}
} // namespace

class TestListFormats : public QObject {
    Q_OBJECT
private slots:
    void readBack_data();
    void readBack();
    void reading_data();
    void reading();
    void listRoundTrip_data();
    void listRoundTrip();
    void extremeValues_data();
    void extremeValues();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void unreadableFilesAreRefused();
    void savedUnderTheSystemsName_data();
    void savedUnderTheSystemsName();

private:
    QTemporaryDir m_dir;
};

void TestListFormats::readBack_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("extension");
    QTest::newRow("GIMP palette") << int(ListFormat::GimpPalette) << "gpl";
    QTest::newRow("CSS") << int(ListFormat::Css) << "css";
    QTest::newRow("JSON") << int(ListFormat::Json) << "json";
    QTest::newRow("CSV") << int(ListFormat::Csv) << "csv";
}

void TestListFormats::readBack() {
    QFETCH(int, format);
    QFETCH(QString, extension);
    const QList<Awkward> rows = AwkwardRows();
    const QString path = m_dir.filePath("list." + extension);
    QCOMPARE(SaveListFile(path, WriteList(ListFormat(format), SwatchesOf(rows), "Awkward")),
             QString());

    QProcess reader;
    reader.start("/usr/bin/python3", {HUEMARK_LIST_READER, extension, path});
    QVERIFY(reader.waitForFinished(30000));
    QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());
    const QJsonArray read = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    QCOMPARE(read.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        const Awkward& row = rows[i];
        const QString name = format == int(ListFormat::GimpPalette) ? row.gimpName
                             : format == int(ListFormat::Css)       ? row.cssName
                             : format == int(ListFormat::Csv) && !row.csvName.isEmpty()
                                 ? row.csvName
                                 : row.swatch.description;
        const QJsonArray got = read[i].toArray();
        QCOMPARE(Color({got[0].toInt(), got[1].toInt(), got[2].toInt()}), row.swatch.color);
        QCOMPARE(got[3].toString(), name);
    }

    // JSON carries each colour's nearest CSS name for other programs (the program skips it).
    if (format == int(ListFormat::Json)) {
        const QJsonArray objects = QJsonDocument::fromJson(ReadAll(path)).array();
        const QList<std::pair<int, QString>> names{
            {0, "black"}, {1, "red"}, {7, "skyblue"}, {9, "≈ skyblue"}, {10, "lime"}};
        for (const auto& [index, cssName] : names) {
            QCOMPARE(objects[index].toObject()["name"].toString(), cssName);
        }
    }

    // What the program opens again: JSON as it was; a palette as its lines hold it, where a
    // name that is the colour's own web code stands for no description.
    if (format == int(ListFormat::Json) || format == int(ListFormat::GimpPalette)) {
        const ListRead ours = OpenListFile(path);
        QVERIFY2(ours.ok(), qPrintable(ours.error));
        QCOMPARE(ours.rows.size(), rows.size());
        for (int i = 0; i < rows.size(); ++i) {
            const bool json = format == int(ListFormat::Json);
            QCOMPARE(ours.rows[i].description, json || rows[i].swatch.description.isEmpty()
                                                   ? rows[i].swatch.description
                                                   : rows[i].gimpName);
            QCOMPARE(ours.rows[i].color, rows[i].swatch.color);
        }
    }
}

void TestListFormats::reading_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");     // of the refusal; 0 when the file reads
    QTest::addColumn<QString>("seen"); // a refusal's words, or the rows "r g b name;..."

    QTest::newRow("palette, Windows lines, comments, blank lines")
        << QByteArray("GIMP Palette\r\nName: x\r\nColumns: 4\r\n# note\r\n\r\n255 0 0\tRed\r\n"
                      "  0 128 255 Sky blue \r\n")
        << 0 << "255 0 0 Red;0 128 255 Sky blue;";
    QTest::newRow("palette of the old kind, names missing or the own code")
        << QByteArray("GIMP Palette\n1 2 3\n255 0 0 #ff0000\n") << 0 << "1 2 3 ;255 0 0 ;";
    QTest::newRow("no magic line")
        << QByteArray("GIMP Palet\n1 2 3 x\n") << 1 << "no palette or list file";
    QTest::newRow("letters for a value")
        << QByteArray("GIMP Palette\nName: a\n1 2 3 ok\n1 2 x\n") << 4 << "expected red";
    QTest::newRow("value above 255") << QByteArray("GIMP Palette\n1 2 300 big\n") << 2 << "300";
    QTest::newRow("two values") << QByteArray("GIMP Palette\n\n1 2\n") << 3 << "expected red";
    QTest::newRow("negative value") << QByteArray("GIMP Palette\n-1 2 3\n") << 2 << "expected red";
    QTest::newRow("empty JSON") << QByteArray(" []\n") << 0 << "";
    QTest::newRow("JSON with a byte order mark, escapes, other members")
        << QByteArray("\xEF\xBB\xBF[{\"web\": \"#ff8000\", \"description\": \"a\\u00e9\\\"\\n\"},\n"
                      " {\"r\": 1, \"g\": 2.0, \"b\": 3e0, \"x\": {\"y\": [1, null, true]}}]")
        << 0 << "255 128 0 aé\"\n;1 2 3 ;";
    QTest::newRow("bad web code") << QByteArray(
                                         "[\n{\"web\": \"#FF0000\"},\n{\"web\": \"#GG0000\"}\n]")
                                  << 3 << "#GG0000";
    QTest::newRow("b missing") << QByteArray("[\n{\"r\": 1, \"g\": 2}\n]") << 2 << "\"b\"";
    QTest::newRow("channel above 255")
        << QByteArray("[\n\n{\"r\": 256, \"g\": 0, \"b\": 0}]") << 3 << "0 to 255";
    QTest::newRow("code and channels disagree")
        << QByteArray("[{\"web\": \"#000000\", \"r\": 1, \"g\": 0, \"b\": 0}]") << 1
        << "not the colour";
    QTest::newRow("no closing bracket")
        << QByteArray("[\n{\"web\": \"#FF0000\"}\n") << 3 << "\"]\"";
    QTest::newRow("raw line break in a text")
        << QByteArray("[{\"web\": \"#FF0000\",\n \"description\": \"a\nb\"}]") << 2 << "escaped";
    QTest::newRow("nested too deeply")
        << "[{\"x\": " + QByteArray(100, '[') + QByteArray(100, ']') + "}]" << 1 << "deeply";
    QTest::newRow("something after the array") << QByteArray("[]\n\nx") << 3 << "follow";
    QTest::newRow("a number beyond a double")
        << QByteArray("[{\"web\": \"#000000\",\n \"origin\": {\"stored\": {\"bits\": 32, "
                      "\"values\": [1e999, -1e999, 5]}}}]")
        << 2 << "too large";
    QTest::newRow("JSON's words for infinities are no JSON")
        << QByteArray("[{\"web\": \"#000000\", \"origin\": {\"srgb\": [Infinity, 0, 0]}}]") << 1
        << "three numbers";
    QTest::newRow("an object, not an array")
        << QByteArray("{\"web\": \"#FF0000\"}") << 1 << "no palette";
}

void TestListFormats::reading() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, seen);
    const ListRead read = ReadList(bytes);
    QCOMPARE(read.line, line);
    if (line > 0) {
        QVERIFY2(read.error.contains(seen), qPrintable(read.error));
        QVERIFY(read.rows.isEmpty());
        return;
    }
    QVERIFY2(read.ok(), qPrintable(read.error));
    QString rows;
    for (const Pick& s : read.rows) {
        rows += QStringLiteral("%1 %2 %3 ")
                    .arg(s.color.red())
                    .arg(s.color.green())
                    .arg(s.color.blue()) +
                s.description + ';';
    }
    QCOMPARE(rows, seen);
}

// A list saved and opened into another list holds the same rows: the colours and descriptions,
// top first, above what that list held, the empty last row still last.
void TestListFormats::listRoundTrip_data() {
    QTest::addColumn<int>("format");
    QTest::newRow("GIMP palette") << int(ListFormat::GimpPalette);
    QTest::newRow("JSON") << int(ListFormat::Json);
}

void TestListFormats::listRoundTrip() {
    QFETCH(int, format);
    // Where each came from: a pick of a square of a 16-bit wide-gamut picture, clipped, with its
    // stored mean and exact value (numbers that need all 17 digits); an area's mean of floats;
    // nothing known.
    PickOrigin square{"/photos/kite \"blue\".png",
                      QPoint(12, 7),
                      2,
                      {},
                      "Display P3",
                      StoredColor{16, {65535, 4660.25, 0}, "display-p3"},
                      EncodedRgb{1.0930513770446968, -0.22674, 0.1 + 0.2}};
    PickOrigin area{"Pasted from clipboard",
                    QPoint(3, 4),
                    0,
                    QRect(3, 4, 50, 20),
                    {},
                    StoredColor{StoredColor::kFloat, {1.5, -0.125, 1e-7}, {}},
                    std::nullopt,
                    true}; // over rows the file did not hold
    PickList saved;
    saved.addOnTop(Pick{{10, 20, 30}, "first picked", square});
    saved.addOnTop(Pick{{0, 0, 0}, "", area});
    saved.addOnTop(Pick{{255, 128, 0}, "Orange, \"bright\""});
    saved.setDescription(saved.count(), "not a colour: the empty row's");
    const QString path = m_dir.filePath("round trip");
    QCOMPARE(SaveListFile(path, WriteList(ListFormat(format), saved.picks(), "Trip")), QString());

    PickList opened;
    opened.addOnTop(Pick{{1, 2, 3}, "already there"});
    const ListRead read = OpenListFile(path);
    QVERIFY2(read.ok(), qPrintable(read.error));
    opened.addOnTop(read.rows);
    // JSON keeps the provenance, a palette has no room for it.
    const bool json = format == int(ListFormat::Json);
    QCOMPARE(read.rows.at(1).origin, json ? area : PickOrigin());
    QCOMPARE(read.rows.at(2).origin, json ? square : PickOrigin());
    QCOMPARE(read.rows.at(0).origin, PickOrigin());
    QStringList rows;
    for (int r = 0; r < opened.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < PickList::kColumns; ++c) {
            cells << opened.index(r, c).data().toString();
        }
        rows << cells.join('|');
    }
    QCOMPARE(rows,
             (QStringList{"#FF8000|#007FFF| 255| 128| 0|Orange, \"bright\"",
                          "#000000|#FFFFFF| 0| 0| 0|", "#0A141E|#F5EBE1| 10| 20| 30|first picked",
                          "#010203|#FEFDFC| 1| 2| 3|already there", "|||||"}));
}

// Values a floating-point picture may store, or a list file may hold: the JSON written is read by
// a strict independent parser and by the program, and comes back the same, a value that is not
// finite as null; the CSV gives no clipping figure for a colour that is not finite.
void TestListFormats::extremeValues_data() {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double big = std::numeric_limits<double>::max();
    const double tiny = std::numeric_limits<double>::denorm_min();
    QTest::addColumn<QList<double>>("values"); // stored, and the exact sRGB value the same
    QTest::addColumn<QString>("json");         // the stored values as written
    QTest::addColumn<QString>("clipped");      // the CSV's last field
    QTest::newRow("plus infinity") << QList<double>{inf, 0, 0} << "[null, 0, 0]"
                                   << "not a finite colour";
    QTest::newRow("minus infinity and NaN") << QList<double>{-inf, nan, 0.5} << "[null, null, 0.5]"
                                            << "not a finite colour";
    QTest::newRow("all NaN") << QList<double>{nan, nan, nan} << "[null, null, null]"
                             << "not a finite colour";
    QTest::newRow("the largest and smallest doubles")
        << QList<double>{big, -big, tiny}
        << "[1.7976931348623157e+308, -1.7976931348623157e+308, 4.9406564584124654e-324]"
        << "not a finite colour"; // the clipping difference overflows, no figure
    QTest::newRow("ordinary, beyond sRGB")
        << QList<double>{1.5, -0.125, 0.25} << "[1.5, -0.125, 0.25]"
        << "";
}

void TestListFormats::extremeValues() {
    QFETCH(QList<double>, values);
    QFETCH(QString, json);
    QFETCH(QString, clipped);
    const EncodedRgb v{values[0], values[1], values[2]};
    PickOrigin origin;
    origin.stored = StoredColor{StoredColor::kFloat, v, {}};
    origin.precise = v;
    const QList<Pick> rows{Pick{{255, 0, 0}, "odd", origin}};
    const QByteArray written = WriteJson(rows);
    QVERIFY2(written.contains("\"values\": " + json.toUtf8()), written.constData());

    QJsonParseError error{};
    QJsonDocument::fromJson(written, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QString path = m_dir.filePath("extreme.json");
    QCOMPARE(SaveListFile(path, written), QString());
    QProcess reader;
    reader.start("/usr/bin/python3", {HUEMARK_LIST_READER, "json", path});
    QVERIFY(reader.waitForFinished(30000));
    QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());

    // Read back: finite values bit for bit, the rest as NaN; written again, the same file.
    const ListRead read = ReadList(written);
    QVERIFY2(read.ok(), qPrintable(read.error));
    const EncodedRgb back = read.rows.at(0).origin.stored->values;
    for (size_t c = 0; c < 3; ++c) {
        QVERIFY(std::isfinite(v[c]) ? back[c] == v[c] && std::signbit(back[c]) == std::signbit(v[c])
                                    : std::isnan(back[c]));
    }
    QCOMPARE(WriteJson(read.rows), written);

    const QList<QByteArray> csv = WriteCsv(rows).split('\n');
    const QByteArray last = csv.at(1).trimmed().split(',').last();
    QVERIFY2(clipped.isEmpty() ? last.toDouble() > 0 : last == clipped.toUtf8(), last.constData());
}

void TestListFormats::failedSaveKeepsTheOldFile_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("name"); // the system's bytes
    // A name in UTF-8, and one that is not (Latin-1's "é"), which the toolkit cannot spell.
    for (const QByteArray& name : {QByteArray("kept.gpl"), QByteArray("kept-caf\xe9.gpl")}) {
        const char* which = name.contains('\xe9') ? "a name not in UTF-8" : "a UTF-8 name";
        QTest::addRow("full disk, %s", which) << "full" << name;
        // A file system with no room left: a list small enough to sit in a write buffer, which
        // once made an empty file and called it saved, and a large one.
        QTest::addRow("no room left, a small list, %s", which) << "no room small" << name;
        QTest::addRow("no room left, a large list, %s", which) << "no room large" << name;
        QTest::addRow("folder gone, %s", which) << "gone" << name;
        QTest::addRow("a folder in the way, %s", which) << "folder" << name;
    }
}

void TestListFormats::failedSaveKeepsTheOldFile() {
    QFETCH(QString, how);
    QFETCH(QByteArray, name);
    const QTemporaryDir dir; // of its own, so that what is left in it is this case's
    const auto emptied = qScopeGuard([&dir] { Empty(dir.path()); });
    QString path = Named(dir, name);
    const QByteArray before = WriteList(ListFormat::GimpPalette, {{{1, 2, 3}, "old"}}, "Old");
    QCOMPARE(SaveListFile(path, before), QString());
    const QByteArray large = WriteList(ListFormat::Json, {{{4, 5, 6}, QString(100000, 'n')}}, "");

    QString reason;
    if (how == "full") {
        // A full disk, made with a file size limit (which holds for root too).
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        reason = SaveListFile(path, large);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    } else if (how.startsWith("no room")) {
        const QString tiny = dir.filePath("tiny");
        QVERIFY(QDir().mkpath(tiny));
        if (getuid() != 0 ||
            QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=8k", "tmpfs", tiny}) != 0) {
            QSKIP("a small file system of its own needs root");
        }
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {"-l", tiny}); });
        path = FileNameText(SystemFileName(tiny) + '/' + name);
        QCOMPARE(SaveListFile(path, before), QString());
        QFile fill(tiny + "/fill");
        QVERIFY(fill.open(QIODevice::WriteOnly));
        while (fill.write(QByteArray(512, 'f')) == 512 && fill.flush()) {
        }
        fill.close();
        const QByteArray small = WriteList(ListFormat::GimpPalette, {{{4, 5, 6}, "new"}}, "New");
        reason = SaveListFile(path, how.endsWith("small") ? small : large);
        QCOMPARE(reason, QStringLiteral("No space left on device"));
        QCOMPARE(ReadAll(path), before);
        QCOMPARE(Files(tiny).size(), 2);
        return;
    } else if (how == "gone") {
        reason = SaveListFile(Named(dir, "no such folder/" + name), large);
    } else {
        const QString inTheWay = Named(dir, "in the way " + name);
        QCOMPARE(::mkdir(SystemFileName(inTheWay).constData(), 0700), 0);
        reason = SaveListFile(inTheWay, large);
    }
    QVERIFY(!reason.isEmpty());
    QVERIFY(SaveFailureMessage(path, reason).contains(reason));
    QCOMPARE(ReadAll(path), before);
    QCOMPARE(Files(dir.path()).size(), 1);
}

// A folder, a file that vanished, one too large and a FIFO (which would wait for a writer) are
// refused without reading them.
void TestListFormats::unreadableFilesAreRefused() {
    QFile huge(m_dir.filePath("huge.json"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(kMaxListFileBytes + 1));
    huge.close();
    QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath("fifo.gpl")).constData(), 0600), 0);
    for (const QString& path : {m_dir.path(), m_dir.filePath("vanished.gpl"),
                                m_dir.filePath("huge.json"), m_dir.filePath("fifo.gpl")}) {
        const ListRead read = OpenListFile(path);
        QVERIFY(!read.ok());
        QCOMPARE(read.line, 0);
        QVERIFY(OpenFailureMessage(path, read).contains(read.error));
    }
}

void TestListFormats::savedUnderTheSystemsName_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("before"); // none, a file, or a link to one
    for (const QByteArray& name : {QByteArray("list.gpl"), QByteArray("caf\xe9 \xff.gpl")}) {
        const char* which = name.contains('\xff') ? "not UTF-8" : "UTF-8";
        QTest::addRow("%s, new", which) << name << "none";
        QTest::addRow("%s, over a file", which) << name << "file";
        QTest::addRow("%s, through a link", which) << name << "link";
    }
}

// The file saved is the one named, by the very bytes of its name: an old one is replaced with its
// permissions kept, a link stays a link with its file replaced, and nothing is left beside it.
void TestListFormats::savedUnderTheSystemsName() {
    QFETCH(QByteArray, name);
    QFETCH(QString, before);
    QTemporaryDir dir;
    const auto emptied = qScopeGuard([&dir] { Empty(dir.path()); });
    const QByteArray folder = SystemFileName(dir.path());
    const QByteArray file = folder + '/' + name;
    const QByteArray target = folder + "/target " + name;
    if (before == "file") {
        QCOMPARE(::close(::open(file.constData(), O_CREAT | O_WRONLY, 0640)), 0);
        QCOMPARE(::chmod(file.constData(), 0640), 0);
    } else if (before == "link") {
        QCOMPARE(::close(::open(target.constData(), O_CREAT | O_WRONLY, 0604)), 0);
        QCOMPARE(::chmod(target.constData(), 0604), 0);
        QCOMPARE(::symlink(target.constData(), file.constData()), 0);
    }
    const QString path = FileNameText(file);
    QCOMPARE(NameTaken(path), before != "none");
    const QByteArray bytes = WriteList(ListFormat::GimpPalette, {{{1, 2, 3}, "one"}}, "Named");
    QCOMPARE(SaveListFile(path, bytes), QString());
    QCOMPARE(ReadAll(path), bytes);
    QVERIFY(NameTaken(path));
    struct stat st {};
    QCOMPARE(::lstat(file.constData(), &st), 0);
    if (before == "link") {
        QVERIFY(S_ISLNK(st.st_mode));
        QCOMPARE(::stat(target.constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0604));
    } else if (before == "file") {
        QCOMPARE(st.st_mode & 0777, mode_t(0640));
    }
    QCOMPARE(Files(dir.path()).size(), before == "link" ? 2 : 1);
}

QTEST_GUILESS_MAIN(TestListFormats)
#include "test_listformats.moc"
