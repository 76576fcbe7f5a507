// The command line's verbs: their answers and exit codes in-process, and each verb once through
// the program itself with no display.

#include "cli/VerbPicture.h"
#include "cli/Verbs.h"
#include "measure/AreaStats.h"
#include "measure/DominantColors.h"
#include "pixels/WebCode.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
bool Matches(const QString& pattern, const QByteArray& text) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern))
        .match(QString::fromUtf8(text))
        .hasMatch();
}
} // namespace

class TestVerbs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void verbs_data();
    void verbs();
    void history_data();
    void history();
    void program_data();
    void program();
    void shell_data();
    void shell();
    void arrivingRowsMeasureAsTheWhole();
    void partsAreThoseOfTheWhole_data();
    void partsAreThoseOfTheWhole();

private:
    QTemporaryDir m_dir;
    QByteArray path(const char* name) const {
        return QFile::encodeName(m_dir.filePath(QLatin1String(name)));
    }
};

void TestVerbs::initTestCase() {
    QVERIFY(m_dir.isValid());
    // The history read is the test's own.
    qputenv("XDG_DATA_HOME", path("data"));
    // 4 x 2: a red, a green, a blue and a white pixel over a row of black; one pixel of the
    // second copy is transparent, which reads as white.
    QImage flat(4, 2, QImage::Format_RGB32);
    flat.fill(Qt::black);
    flat.setPixel(0, 0, qRgb(255, 0, 0));
    flat.setPixel(1, 0, qRgb(0, 255, 0));
    flat.setPixel(2, 0, qRgb(0, 0, 255));
    flat.setPixel(3, 0, qRgb(255, 255, 255));
    QVERIFY(flat.save(m_dir.filePath(QStringLiteral("flat.png"))));
    QImage clear = flat.convertToFormat(QImage::Format_ARGB32);
    clear.setPixel(0, 1, qRgba(0, 0, 0, 0));
    QVERIFY(clear.save(m_dir.filePath(QStringLiteral("clear.png"))));
    // The file system's edges: a link to the picture, and a FIFO no one writes to.
    QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("flat.png")),
                        m_dir.filePath(QStringLiteral("link.png"))));
    QCOMPARE(::mkfifo(path("fifo.png").constData(), 0600), 0);
    QFile text(m_dir.filePath(QStringLiteral("notes.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
}

void TestVerbs::verbs_data() {
    QTest::addColumn<QList<QByteArray>>("words");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // a pattern the whole output matches
    QTest::addColumn<QString>("err");

    const QByteArray flat = path("flat.png");
    QFile file(QString::fromLocal8Bit(flat));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray flatBytes = file.readAll();
    using L = QList<QByteArray>;
    QTest::newRow("points") << L{"sample", flat, "0,0", "2,0", "3,1"} << QByteArray() << 0
                            << "#FF0000\n#0000FF\n#000000\n"
                            << "";
    // The described average: each channel over the square's pixels inside the picture, rounded.
    QTest::newRow("radius") << L{"sample", flat, "0,0", "--radius", "1"} << QByteArray() << 0
                            << "#404000\n"
                            << "";
    QTest::newRow("radius=") << L{"sample", "--radius=1", flat, "3,0"} << QByteArray() << 0
                             << "#404080\n"
                             << "";
    QTest::newRow("notation") << L{"sample", flat, "1,0", "--format", "rgb"} << QByteArray() << 0
                              << "rgb\\(0 255 0\\)\n"
                              << "";
    QTest::newRow("json") << L{"sample", flat, "2,0", "--format", "json"} << QByteArray() << 0
                          << R"(\{"b":255,"g":0,"r":0,"radius":0,"web":"#0000FF","x":2,"y":0\}\n)"
                          << "";
    // A format with a brace is a template, filled for each point.
    QTest::newRow("template") << L{"sample", flat,       "0,0",
                                   "1,0",    "--format", "{hex} {r},{g},{b} at {x},{y}"}
                              << QByteArray() << 0
                              << "#ff0000 255,0,0 at 0,0\n#00ff00 0,255,0 at 1,0\n"
                              << "";
    QTest::newRow("template of two lines")
        << L{"sample", flat, "2,0", "--format={HEX}\\n{name} {l:.0}%"} << QByteArray() << 0
        << "#0000FF\nblue 50%\n"
        << "";
    QTest::newRow("standard input") << L{"sample", "-", "3,0"} << flatBytes << 0 << "#FFFFFF\n"
                                    << "";
    QTest::newRow("transparent over white")
        << L{"sample", path("clear.png"), "0,1"} << QByteArray() << 0 << "#FFFFFF\n"
        << "";
    QTest::newRow("stats") << L{"stats", flat, "--rect", "0,0,4,1"} << QByteArray() << 0
                           << "area +0,0,4,1\npixels +4\nmean +#BCBCBC .*\n(.*\n)*spread .*\n"
                           << "";
    QTest::newRow("stats json") << L{"stats", flat, "--json"} << QByteArray() << 0
                                << R"(\{\n(.*\n)*    "pixels": 8,\n(.*\n)*\}\n)"
                                << "";
    QTest::newRow("palette hex") << L{"palette", flat, "-n", "2", "--format", "hex"} << QByteArray()
                                 << 0 << "(#[0-9A-F]{6}\n){2}"
                                 << "";
    QTest::newRow("palette gpl") << L{"palette", flat, "--rect", "0,0,2,1"} << QByteArray() << 0
                                 << "GIMP Palette\n(.*\n)*255   0   0\t50 % of the area\n"
                                    "  0 255   0\t50 % of the area\n"
                                 << "";
    // Failures of the input: exit code 1, one line.
    QTest::newRow("outside")
        << L{"sample", flat, "4,0"} << QByteArray() << 1 << ""
        << "huemark sample: the point 4,0 lies outside the picture \\(4 x 2\\)\n";
    QTest::newRow("left of it") << L{"sample", flat, "-1,0"} << QByteArray() << 1 << ""
                                << "huemark sample: the point -1,0 lies outside .*\n";
    QTest::newRow("far outside") << L{"stats", flat, "--rect", "2147483000,0,1000,1"}
                                 << QByteArray() << 1 << ""
                                 << "huemark stats: the rectangle .* does not lie inside .*\n";
    QTest::newRow("rect outside") << L{"stats", flat, "--rect", "2,0,3,1"} << QByteArray() << 1
                                  << ""
                                  << "huemark stats: the rectangle .* does not lie inside .*\n";
    QTest::newRow("missing") << L{"stats", path("none.png")} << QByteArray() << 1 << ""
                             << "huemark stats: cannot read .*none.png.*: .*\n";
    QTest::newRow("folder") << L{"palette", QFile::encodeName(m_dir.path())} << QByteArray() << 1
                            << ""
                            << "huemark palette: cannot read .*: it is a folder\n";
    QTest::newRow("link") << L{"sample", path("link.png"), "1,0"} << QByteArray() << 0
                          << "#00FF00\n"
                          << "";
    QTest::newRow("fifo") << L{"stats", path("fifo.png")} << QByteArray() << 1 << ""
                          << "huemark stats: cannot read .*: it is not a regular file\n";
    QTest::newRow("not a picture")
        << L{"sample", path("notes.txt"), "0,0"} << QByteArray() << 1 << ""
        << "huemark sample: .*not a picture.*\n";
    QTest::newRow("empty input") << L{"stats", "-"} << QByteArray() << 1 << ""
                                 << "huemark stats: standard input is empty\n";
    // Wrong usage: exit code 2.
    QTest::newRow("no point") << L{"sample", flat} << QByteArray() << 2 << ""
                              << "huemark sample: sample needs at least one point X,Y\n";
    QTest::newRow("bad point") << L{"sample", flat, "1;2"} << QByteArray() << 2 << ""
                               << "huemark sample: '1;2' is not a point X,Y\n";
    QTest::newRow("radius too large")
        << L{"sample", flat, "0,0", "--radius", "6"} << QByteArray() << 2 << ""
        << "huemark sample: --radius takes .* 0 to 5.*\n";
    QTest::newRow("no value") << L{"stats", flat, "--rect"} << QByteArray() << 2 << ""
                              << "huemark stats: option '--rect' needs a value\n";
    QTest::newRow("unknown option")
        << L{"palette", flat, "--colors", "3"} << QByteArray() << 2 << ""
        << "huemark palette: unknown option '--colors'\n";
    QTest::newRow("bad format") << L{"palette", flat, "--format", "png"} << QByteArray() << 2 << ""
                                << "huemark palette: --format takes .*\n";
    QTest::newRow("too many colours") << L{"palette", flat, "-n", "17"} << QByteArray() << 2 << ""
                                      << "huemark palette: -n takes .* 2 to 16.*\n";
    QTest::newRow("empty rect, said before reading")
        << L{"stats", path("none.png"), "--rect", "0,0,0,4"} << QByteArray() << 2 << ""
        << "huemark stats: the rectangle .* is empty\n";
    // A template's fault is said before the file is read: the file need not exist.
    QTest::newRow("unknown placeholder")
        << L{"sample", path("none.png"), "0,0", "--format", "{hex} {foo}"} << QByteArray() << 2
        << ""
        << "huemark sample: unknown placeholder \\{foo\\} in the template\n";
    QTest::newRow("bad precision")
        << L{"sample", flat, "0,0", "--format", "{r:.x}"} << QByteArray() << 2 << ""
        << "huemark sample: bad precision in \\{r:.x\\}: .*\n";
    QTest::newRow("unclosed brace")
        << L{"sample", flat, "0,0", "--format", "#{hex"} << QByteArray() << 2 << ""
        << "huemark sample: the \\{ at character 2 .*\n";
    QTest::newRow("after --") << L{"sample", "--", "--radius", "0,0"} << QByteArray() << 1 << ""
                              << "huemark sample: cannot read '--radius': .*\n";
}

void TestVerbs::verbs() {
    QFETCH(QList<QByteArray>, words);
    QFETCH(QByteArray, input);
    const Verbs::Outcome outcome =
        Verbs::Run(words, {[&input](qint64 most, int&) { return input.left(most + 1); }, {}});
    QFETCH(QString, out);
    QFETCH(QString, err);
    QVERIFY2(Matches(out, outcome.out), outcome.out.constData());
    QVERIFY2(Matches(err, outcome.err), outcome.err.constData());
    QTEST(outcome.exitCode, "exitCode");
}

void TestVerbs::history_data() {
    QTest::addColumn<QByteArray>("kept"); // the history file's bytes; null: there is none
    QTest::addColumn<QList<QByteArray>>("words");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // a pattern the whole output matches
    QTest::addColumn<QString>("err");

    const QByteArray three = R"([
  {"web": "#112233", "origin": {"source": "/p/a.png", "x": 4, "y": 5, "radius": 2}},
  {"web": "#445566", "description": "sky"},
  {"web": "#778899"}
]
)";
    using L = QList<QByteArray>;
    QTest::newRow("none kept yet") << QByteArray() << L{"history"} << 0 << ""
                                   << "";
    QTest::newRow("all, newest first")
        << three << L{"history"} << 0 << "#112233\n#445566\n#778899\n"
        << "";
    QTest::newRow("the newest two") << three << L{"history", "-n", "2"} << 0 << "#112233\n#445566\n"
                                    << "";
    QTest::newRow("more than kept")
        << three << L{"history", "-n", "1000"} << 0 << "(#[0-9A-F]{6}\n){3}"
        << "";
    QTest::newRow("json: the pixel where it has one")
        << three << L{"history", "--format", "json", "-n", "2"} << 0
        << R"(\{"b":51,"g":34,"r":17,"radius":2,"web":"#112233","x":4,"y":5\}\n)"
           R"(\{"b":102,"description":"sky","g":85,"r":68,"web":"#445566"\}\n)"
        << "";
    QTest::newRow("a notation") << three << L{"history", "--format=rgb", "-n", "1"} << 0
                                << "rgb\\(17 34 51\\)\n"
                                << "";
    // Kept picks through a template; one opened, not picked, has no place for {x}.
    QTest::newRow("a template") << three << L{"history", "--format", "{description}={hex}"} << 0
                                << "=#112233\nsky=#445566\n=#778899\n"
                                << "";
    QTest::newRow("a template's place")
        << three << L{"history", "--format", "{x},{y}", "-n", "1"} << 0 << "4,5\n"
        << "";
    QTest::newRow("no place for a template")
        << three << L{"history", "--format", "{hex} {x}"} << 2 << ""
        << "huemark history: this colour has no place in a picture for \\{x\\}\n";
    QTest::newRow("not a list") << QByteArray("notes\n") << L{"history"} << 1 << ""
                                << "huemark history: .*history.json: line 1: .*\n";
    QTest::newRow("an operand") << three << L{"history", "all"} << 2 << ""
                                << "huemark history: history takes options only, not 'all'\n";
}

void TestVerbs::history() {
    QFETCH(QByteArray, kept);
    const QString file = m_dir.filePath(QStringLiteral("data/Huemark/history.json"));
    QFile::remove(file);
    if (!kept.isNull()) {
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QFile history(file);
        QVERIFY(history.open(QIODevice::WriteOnly) && history.write(kept) == kept.size());
    }
    QFETCH(QList<QByteArray>, words);
    const Verbs::Outcome outcome = Verbs::Run(words, {});
    QFETCH(QString, out);
    QFETCH(QString, err);
    QVERIFY2(Matches(out, outcome.out), outcome.out.constData());
    QVERIFY2(Matches(err, outcome.err), outcome.err.constData());
    QTEST(outcome.exitCode, "exitCode");
}

void TestVerbs::program_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<bool>("fullDisk"); // standard output is /dev/full
    const QString flat = QString::fromLocal8Bit(path("flat.png"));
    QTest::newRow("sample") << QStringList{"sample", flat, "1,0"} << 0 << "#00FF00\n" << false;
    QTest::newRow("stats") << QStringList{"stats", flat, "--json"} << 0 << "\\{\n(.*\n)+\\}\n"
                           << false;
    QTest::newRow("palette") << QStringList{"palette", flat, "--format", "hex", "-n", "5"} << 0
                             << "#000000\n(#[0-9A-F]{6}\n){4}" << false;
    // A drawing starts the toolkit's fonts, still with no display.
    QTest::newRow("drawing") << QStringList{"sample",
                                            qEnvironmentVariable("HUEMARK_TEST_DATA") +
                                                QStringLiteral("/modern/svg-sized.svg"),
                                            "1,1"}
                             << 0 << "#123456\n"
                             << false;
    QTest::newRow("outside") << QStringList{"stats", flat, "--rect", "0,0,9,9"} << 1 << "" << false;
    QTest::newRow("usage") << QStringList{"palette"} << 2 << "" << false;
    QTest::newRow("template") << QStringList{"sample", flat, "3,0", "--format", "{r%} {name}"} << 0
                              << "100 white\n"
                              << false;
    QTest::newRow("template's fault")
        << QStringList{"sample", flat, "3,0", "--format", "{r} }"} << 2 << "" << false;
    QTest::newRow("window without a display") << QStringList{flat} << 2 << "" << false;
    // A full disk under standard output: said, exit code 1.
    // More than a write buffer holds, so that the failure comes while the answer is written.
    QStringList many{"sample", flat, "--format", "json"};
    for (int i = 0; i < 300; ++i) {
        many << QStringLiteral("%1,%2").arg(i % 4).arg(i % 2);
    }
    QTest::newRow("full disk") << many << 1 << "" << true;
    QTest::newRow("help") << QStringList{"--help"} << 0 << "(.*\n)*  huemark sample FILE (.*\n)*"
                          << false;
}

void TestVerbs::program() {
    QFETCH(QStringList, arguments);
    QProcess program;
    // Nothing to reach a display or a session bus with.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                             "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
        env.remove(QLatin1String(name));
    }
    program.setProcessEnvironment(env);
    QFETCH(bool, fullDisk);
    if (fullDisk) {
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
    }
    program.start(QStringLiteral(HUEMARK_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QByteArray err = program.readAllStandardError();
    QTEST(program.exitCode(), "exitCode");
    // A failure says so in one line; success says nothing there.
    QCOMPARE(err.count('\n'), program.exitCode() == 0 ? 0 : 1);
    QFETCH(QString, out);
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(out))
                 .match(QString::fromUtf8(program.readAllStandardOutput()))
                 .hasMatch(),
             err.constData());
}

// The program as a shell starts it, at the edges a script meets: standard streams closed or
// not what they should be, names that are not UTF-8, a display that has gone, numbers beyond an
// int. $H is the program, $D the test's folder, $T the fixtures'. Each failure is one line, with
// its exit code.
void TestVerbs::shell_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // patterns the whole output matches
    QTest::addColumn<QString>("err");
    QTest::newRow("standard output closed") << "$H sample $D/flat.png 1,0 >&-" << 1 << ""
                                            << "huemark: cannot write the results .*\n";
    QTest::newRow("standard input closed") << "$H sample - 1,0 <&-" << 1 << ""
                                           << "huemark sample: standard input is closed\n";
    QTest::newRow("standard input a folder") << "$H sample - 1,0 < $D" << 1 << ""
                                             << "huemark sample: standard input is a folder\n";
    QTest::newRow("standard error closed, the result still written")
        << "$H sample $D/flat.png 1,0 2>&-" << 0 << "#00FF00\n"
        << "";
    QTest::newRow("a name that is not UTF-8")
        << "cp $D/flat.png \"$D/$(printf 'caf\\351.png')\" && $H sample \"$D/$(printf "
           "'caf\\351.png')\" 1,0 && $H stats \"$D/$(printf 'caf\\351.png')\" | head -1"
        << 0 << "#00FF00\narea +0,0,4,2\n"
        << "";
    QTest::newRow("the point as written")
        << "$H sample $D/flat.png 2147483647,-4294967296" << 1 << ""
        << "huemark sample: the point 2147483647,-4294967296 lies outside the picture \\(4 x "
           "2\\)\n";
    QTest::newRow("the rectangle as written")
        << "$H stats $D/flat.png --rect 0,0,3000000000,1" << 1 << ""
        << "huemark stats: the rectangle 0,0,3000000000,1 does not lie inside the picture .*\n";
    QTest::newRow("a rectangle given twice")
        << "$H palette $D/flat.png --rect 0,0,1,1 --rect=0,0,2,1" << 2 << ""
        << "huemark palette: option '--rect' is given .*\n";
    // Libraries that print their own words (libjxl, libpng) do not add lines to the verb's one.
    QTest::newRow("a JPEG XL cut short")
        << "head -c -10 $T/modern/jxl-lossless.jxl > $D/cut.jxl; $H sample $D/cut.jxl 0,0" << 1
        << ""
        << "huemark sample: .*\n";
    QTest::newRow("a PNG cut short, stats")
        << "head -c -2000 $T/raster/region-rgb.png > $D/cut.png; $H stats $D/cut.png" << 1 << ""
        << "huemark stats: .*\n";
    // A file cut short: the true colours of the rows it holds, the rest refused by the row where
    // it ends (the whole file's colour at 10,10 is #2E21B7).
    const QString half = "head -c $(($(stat -c %s $T/raster/region-420.jpg) / 2)) "
                         "$T/raster/region-420.jpg > $D/half.jpg; ";
    QTest::newRow("cut short: a point above the end")
        << half + "$H sample $D/half.jpg 10,10" << 0 << "#2E21B7\n"
        << "";
    QTest::newRow("cut short: a square reaching the end")
        << half + "$H sample $D/half.jpg 10,10 10,30 --radius 1" << 1 << ""
        << "huemark sample: the file ends at row 30: the point 10,30 reaches rows it does not "
           "hold\n";
    QTest::newRow("cut short: the whole picture's figures")
        << half + "$H palette $D/half.jpg" << 1 << ""
        << "huemark palette: the file ends at row 30: the whole picture \\(75 x 101\\) .*\n";
    QTest::newRow("cut short: a rectangle above the end")
        << half + "$H stats $D/half.jpg --rect 0,0,75,30 --json | grep -c pixels" << 0 << "1\n"
        << "";
    // Stored from the bottom up (most BMPs are), a file cut short holds its lowest rows: two
    // rows and a half of 7 x 5 here, rows 3 and 4.
    const QString bottomUp = "head -c 114 $T/raster/bmp-24bit.bmp > $D/cut.bmp; ";
    QTest::newRow("cut short bottom up: a point in the rows it holds")
        << bottomUp + "$H sample $D/cut.bmp 0,4 6,3 && $H sample $T/raster/bmp-24bit.bmp 0,4 6,3"
        << 0 << "(#[0-9A-F]{6}\n)(#[0-9A-F]{6}\n)\\1\\2"
        << "";
    QTest::newRow("cut short bottom up: a point above them")
        << bottomUp + "$H sample $D/cut.bmp 0,4 1,2" << 1 << ""
        << "huemark sample: the file ends early and holds rows 3 to 4 only: the point 1,2 "
           "reaches rows it does not hold\n";
    QTest::newRow("cut short bottom up: the whole picture's figures")
        << bottomUp + "$H stats $D/cut.bmp" << 1 << ""
        << "huemark stats: the file ends early and holds rows 3 to 4 only: the whole picture .*\n";
    // A display named but gone: exit code 2 and one line, for the window and both picks.
    for (const char* words : {"", "--pick", "--pick --no-copy"}) {
        QTest::addRow("display gone: '%s'", words)
            << QStringLiteral("DISPLAY=:97 $H %1").arg(words) << 2 << ""
            << "huemark: the display cannot be reached .*\n";
    }
    QTest::newRow("wrong usage before a display gone")
        << "DISPLAY=:97 $H --frobnicate" << 2 << ""
        << "huemark: unknown option '--frobnicate'.*\n(.*\n)*";
}

void TestVerbs::shell() {
    QFETCH(QString, command);
    QProcess shell;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "QT_QPA_PLATFORM"}) {
        env.remove(QLatin1String(name));
    }
    env.insert("H", QStringLiteral(HUEMARK_PROGRAM));
    env.insert("D", m_dir.path());
    env.insert("T", qEnvironmentVariable("HUEMARK_TEST_DATA"));
    shell.setProcessEnvironment(env);
    shell.start("/bin/sh", {"-c", command});
    QVERIFY(shell.waitForFinished(60000));
    QFETCH(QString, out);
    QFETCH(QString, err);
    const QByteArray said = shell.readAllStandardError();
    QVERIFY2(Matches(err, said), said.constData());
    QVERIFY2(Matches(out, shell.readAllStandardOutput()), said.constData());
    QTEST(shell.exitCode(), "exitCode");
}

void TestVerbs::arrivingRowsMeasureAsTheWhole() {
    // A baseline JPEG arrives row by row while stats and palette read it: their answers are
    // those of the whole picture decoded first.
    const QString path = qEnvironmentVariable("HUEMARK_TEST_DATA") + "/raster/region-420.jpg";
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QImage whole = Verbs::Shown(file.readAll(), false, QString()).image();
    const QByteArray name = QFile::encodeName(path);
    const Verbs::Environment none{{}, {}};
    QCOMPARE(QString::fromUtf8(Verbs::Run({"stats", name}, none).out),
             AreaText(MeasureArea(whole, whole.rect())));
    const QRect area(3, 5, 40, 60);
    QByteArray hex;
    for (const ColorShare& c : DominantColors(whole, area, 5)) {
        hex += WebCode(c.color).toLatin1() + '\n';
    }
    QCOMPARE(
        Verbs::Run({"palette", name, "-n", "5", "--rect", "3,5,40,60", "--format", "hex"}, none)
            .out,
        hex);
}

void TestVerbs::partsAreThoseOfTheWhole_data() {
    QTest::addColumn<QString>("fixture");
    // A JPEG converted from Display P3, a grey JPEG, and a PNG with its own primaries and gamma:
    // the few pixels decoded alone are converted exactly as the whole picture is.
    QTest::newRow("jpeg with a profile") << "modern/jpeg-p3.jpg";
    QTest::newRow("grey jpeg") << "raster/jpeg-gray.jpg";
    QTest::newRow("png with chrm and gama") << "modern/png-chrm-gama.png";
}

void TestVerbs::partsAreThoseOfTheWhole() {
    QFETCH(QString, fixture);
    QFile file(qEnvironmentVariable("HUEMARK_TEST_DATA") + QLatin1Char('/') + fixture);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    for (const bool stored : {false, true}) {
        const QImage whole = Verbs::Shown(data, stored, QString()).image();
        const QList<QRect> areas{QRect(0, 0, 3, 3),
                                 QRect(whole.width() / 2 - 5, whole.height() / 2 - 5, 11, 11),
                                 QRect(whole.width() - 2, whole.height() - 2, 5, 5)};
        const std::optional<Verbs::ShownParts> parts =
            Verbs::ShownPictureParts(data, areas, stored, QString());
        QVERIFY(parts.has_value());
        QCOMPARE(parts->size, whole.size());
        for (qsizetype i = 0; i < areas.size(); ++i) {
            QCOMPARE(parts->placed[i], areas[i].intersected(whole.rect()));
            const QImage& part = parts->parts[i].image();
            const QRect& placed = parts->placed[i];
            for (int y = 0; y < placed.height(); ++y) {
                for (int x = 0; x < placed.width(); ++x) {
                    QCOMPARE(part.pixel(x, y), whole.pixel(placed.topLeft() + QPoint(x, y)));
                }
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestVerbs)
#include "test_verbs.moc"
