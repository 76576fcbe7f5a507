// The command line's words as the program takes them, and files from outside reaching the window:
// a name in bytes that are no UTF-8, file addresses that name this machine or another.

#include "main/CommandLine.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>
#include <utility>

using Action = CommandLine::Request::Action;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void opens_data();
    void opens();
    void loadedAhead_data();
    void loadedAhead();
};

void TestCommandLine::parse_data() {
    QTest::addColumn<QList<QByteArray>>("words");
    QTest::addColumn<int>("action");      // CommandLine::Request::Action
    QTest::addColumn<QByteArray>("file"); // the path taken, or part of the error
    QTest::addColumn<int>("exitCode");

    const auto row = [](const char* name, QList<QByteArray> words, Action action,
                        const QByteArray& file, int exitCode = 0) {
        QTest::newRow(name) << words << int(action) << file << exitCode;
    };
    row("nothing: the clipboard's picture", {}, Action::Run, "");
    row("a name that is no UTF-8, kept as bytes", {"caf\xe9.png"}, Action::Run, "caf\xe9.png");
    row("a name that looks like an option, after --", {"--", "-name.png"}, Action::Run,
        "-name.png");
    row("an unknown option", {"-name.png"}, Action::Refused, "unknown option '-name.png'", 2);
    row("two files", {"a.png", "b.png"}, Action::Refused, "2 were given", 2);
    row("help among other words", {"a.png", "--help"}, Action::Help, "");
    row("a file address", {"file:///tmp/a%20b.png"}, Action::Run, "/tmp/a b.png");
    row("localhost", {"file://localhost/tmp/a.png"}, Action::Run, "/tmp/a.png");
    row("this machine's name, in capitals", {"file://MYBOX/tmp/a.png"}, Action::Run, "/tmp/a.png");
    row("escapes that are no UTF-8", {"FILE:///tmp/caf%E9.png"}, Action::Run, "/tmp/caf\xe9.png");
    row("another machine", {"file://elsewhere/tmp/a.png"}, Action::Refused,
        "another machine (elsewhere)", 1);
    // A pick: the notation it writes (json for the JSON object) and whether it copies.
    row("a pick", {"--pick"}, Action::Pick, "web");
    row("a pick as JSON, not copied", {"--no-copy", "--pick", "--format", "json"}, Action::Pick,
        "json no-copy");
    row("a pick's notation after =", {"--pick", "--format=color-srgb"}, Action::Pick, "color-srgb");
    row("a notation without a pick", {"--format", "rgb"}, Action::Refused, "goes with --pick", 2);
    row("a pick and a file", {"--pick", "a.png"}, Action::Refused, "takes no file", 2);
    row("an unknown notation", {"--pick", "--format", "cmyk"}, Action::Refused,
        "unknown notation 'cmyk'", 2);
    row("no notation", {"--pick", "--format"}, Action::Refused, "needs a notation", 2);
    // A value with a brace is a colour template, checked before the screen is frozen.
    row("a pick through a template", {"--pick", "--format", "{r} {g} {b}\\n"}, Action::Pick,
        "template {r} {g} {b}\\n");
    row("a template's fault", {"--pick", "--format={hex:.2}"}, Action::Refused,
        "{hex} is text and takes no precision", 2);
    row("a template without a pick", {"--format", "{hex}"}, Action::Refused, "goes with --pick", 2);
    // The screen's check: json when it writes JSON.
    row("the screen's check as JSON", {"--json", "--check-screen"}, Action::CheckScreen, "json");
    row("JSON without the check", {"--json"}, Action::Refused, "goes with --check-screen", 2);
    row("the check and a file", {"--check-screen", "a.png"}, Action::Refused, "no file", 2);
    row("the check and a pick", {"--check-screen", "--pick"}, Action::Refused, "no other option",
        2);
}

void TestCommandLine::parse() {
    QFETCH(QList<QByteArray>, words);
    QFETCH(int, action);
    QFETCH(QByteArray, file);
    QFETCH(int, exitCode);
    const CommandLine::Request r = CommandLine::Parse(words, QStringLiteral("mybox"));
    QCOMPARE(int(r.action), action);
    QCOMPARE(r.exitCode, exitCode);
    if (r.action == Action::Refused) {
        QVERIFY2(r.error.contains(QString::fromUtf8(file)), qPrintable(r.error));
        // The usage follows a refusal, but for a template's fault, said in one line.
        QCOMPARE(r.withUsage, !r.error.contains(QLatin1String("precision")));
    } else if (r.action == Action::Pick) {
        const QString taken =
            (!r.pick.colorTemplate.isEmpty()
                 ? QStringLiteral("template ") + r.pick.colorTemplate
                 : (r.pick.notation ? NotationKey(*r.pick.notation) : QStringLiteral("json"))) +
            (r.pick.copy ? QString() : QStringLiteral(" no-copy"));
        QCOMPARE(taken, QString::fromUtf8(file));
    } else if (r.action == Action::CheckScreen) {
        QCOMPARE(QByteArray(r.json ? "json" : ""), file);
    } else {
        QCOMPARE(r.file, file);
    }
}

void TestCommandLine::opens_data() {
    QTest::addColumn<QByteArray>("name"); // of the picture file, in a fresh folder
    QTest::addColumn<QString>("address"); // how a drop names it (%1: its path); empty: the
                                          // command line names it
    QTest::addColumn<QString>("message"); // part of what is said; empty when it opens

    QTest::newRow("command line, a name that is no UTF-8") << QByteArray("caf\xe9.bmp") << ""
                                                           << "";
    QTest::newRow("dropped, localhost") << QByteArray("a.bmp") << "file://localhost%1"
                                        << "";
    QTest::newRow("dropped, another machine") << QByteArray("a.bmp") << "file://elsewhere%1"
                                              << "another machine (elsewhere)";
}

void TestCommandLine::opens() {
    QFETCH(QByteArray, name);
    QFETCH(QString, address);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    // Written through its bytes, as another program would: Qt cannot name it.
    QFile out;
    QVERIFY(out.open(::open(path.constData(), O_CREAT | O_WRONLY, 0644), QIODevice::WriteOnly,
                     QFileDevice::AutoCloseHandle));
    QVERIFY(SolidPicture(30, 20, 0x00FF00).save(&out, "BMP"));
    out.close();

    const QString before = QDir::currentPath();
    TestServices fakes;
    frmHuemark form(fakes.services());
    if (address.isEmpty()) {
        const CommandLine::NamedFile file(path);
        form.setStartupFile(file.name(), file.readFrom());
        form.Form_Load();
    } else {
        form.Form_Load();
        form.setCaption(QStringLiteral("before"));
        QMimeData data;
        data.setUrls({QUrl(address.arg(QFile::decodeName(path)))});
        QVERIFY(frmHuemark::AcceptsDrop(&data));
        form.DropFile(&data);
    }
    QDir::setCurrent(before);
    ::unlink(path.constData()); // a name Qt cannot remove
    if (message.isEmpty()) {
        QVERIFY(fakes.messageBox->messages.empty());
        QCOMPARE(form.Caption(), QFile::decodeName(path));
        QCOMPARE(form.picColor->Point(4, 4), ColorValue(0x00FF00));
    } else {
        QCOMPARE(fakes.messageBox->messages.size(), size_t(1));
        QVERIFY(fakes.messageBox->messages.front().text.contains(message));
        QCOMPARE(form.Caption(), QStringLiteral("before"));
    }
}

void TestCommandLine::loadedAhead_data() {
    QTest::addColumn<QString>("ahead");   // the data file loaded ahead
    QTest::addColumn<QString>("named");   // the data file start-up opens; the same: one file
    QTest::addColumn<QString>("then");    // put in the named file's place once the load ahead
                                          // has opened its file; "remove": the file is removed
    QTest::addColumn<QString>("shown");   // the data file the window then shows
    QTest::addColumn<QString>("message"); // part of what is said; empty when it opens

    // The load ahead holds what it read: a load at start-up would read the file as it is now.
    QTest::newRow("the file named, replaced meanwhile") << "raster/region-444.jpg"
                                                        << "raster/region-444.jpg"
                                                        << "raster/bmp-24bit.bmp"
                                                        << "raster/region-444.jpg"
                                                        << "";
    QTest::newRow("the file named, removed meanwhile") << "raster/region-444.jpg"
                                                       << "raster/region-444.jpg"
                                                       << "remove"
                                                       << "raster/region-444.jpg"
                                                       << "";
    // A load ahead for another file is not taken for this one: it is read as it is now.
    QTest::newRow("another file") << "raster/region-rgb.png"
                                  << "raster/region-444.jpg"
                                  << "raster/bmp-24bit.bmp"
                                  << "raster/bmp-24bit.bmp"
                                  << "";
    QTest::newRow("a file that is not there") << "gone.png"
                                              << "gone.png"
                                              << ""
                                              << ""
                                              << "File not found";
}

// Start-up shows what was loaded ahead for the file it opens, the file as it was when the load
// ahead read it (the file changed since tells the two apart): every stored value of a picture
// that arrives after a first look, or the message.
void TestCommandLine::loadedAhead() {
    QFETCH(QString, ahead);
    QFETCH(QString, named);
    QFETCH(QString, then);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    const QDir data(qEnvironmentVariable("HUEMARK_TEST_DATA"));
    QTemporaryDir dir;
    const QString namedPath = dir.filePath(QStringLiteral("named"));
    const QString aheadPath = ahead == named ? namedPath : dir.filePath(QStringLiteral("ahead"));
    for (const auto& [from, to] : {std::pair(named, namedPath), std::pair(ahead, aheadPath)}) {
        if (QFile::exists(data.filePath(from)) && !QFile::exists(to)) {
            QVERIFY(QFile::copy(data.filePath(from), to));
        }
    }
    // Told when the load ahead has the file open: from then on it reads what the file held.
    const int opened = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    QVERIFY(opened >= 0);
    const bool there = QFile::exists(aheadPath);
    if (there) {
        QVERIFY(::inotify_add_watch(opened, QFile::encodeName(aheadPath).constData(), IN_OPEN) >=
                0);
    }

    TestServices fakes;
    frmHuemark form(fakes.services());
    form.setStartupFile(namedPath, QString(), PictureAhead(aheadPath, QString(), QSize(8, 8)));
    if (there) {
        pollfd ready{opened, POLLIN, 0};
        QVERIFY2(::poll(&ready, 1, 10000) == 1, "the load ahead never opened its file");
    }
    ::close(opened);
    if (then == QLatin1String("remove")) {
        QVERIFY(QFile::remove(namedPath));
    } else if (!then.isEmpty()) {
        // Replaced as a program saving it would: a new file renamed over the old.
        const QString written = dir.filePath(QStringLiteral("written"));
        QVERIFY(QFile::copy(data.filePath(then), written));
        QVERIFY(::rename(QFile::encodeName(written).constData(),
                         QFile::encodeName(namedPath).constData()) == 0);
    }

    form.Form_Load();
    if (!message.isEmpty()) {
        QCOMPARE(fakes.messageBox->messages.size(), size_t(1));
        QVERIFY(fakes.messageBox->messages.front().text.contains(message));
        return;
    }
    QVERIFY(fakes.messageBox->messages.empty());
    QCOMPARE(form.Caption(), namedPath);
    const QImage expected =
        PictureFromFile(data.filePath(shown), QString(), QSize()).picture.picture;
    QVERIFY(!expected.isNull());
    QCOMPARE(form.picColor->picture().whole().convertToFormat(QImage::Format_RGB32), expected);
}

QTEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
