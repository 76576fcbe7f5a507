// `huemark --check-screen` on an X server of its own (Xvfb, started here): every monitor's
// capture exact, the profile the test puts on the root window named, two RandR monitors each
// checked, and one line when there is no display.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <lcms2.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {
// Xvfb at 96 DPI with one screen, on a display it chooses: ":N", or empty when it did not start.
QString StartXvfb(const QString& screen, pid_t* server) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    *server = fork();
    if (*server == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        const QByteArray size = screen.toLatin1();
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", size.constData(), "-dpi",
               "96", "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c = 0;
    while (*server > 0 && number.size() < 16 && read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(fds[0]);
    return number.empty() ? QString() : QStringLiteral(":") + QString::fromStdString(number);
}

// Display P3: its primaries, D65, the sRGB curve.
QByteArray DisplayP3() {
    const cmsCIExyYTRIPLE p3 = {{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}};
    const cmsCIExyY d65 = {0.3127, 0.3290, 1};
    const double srgb[] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = cmsBuildParametricToneCurve(nullptr, 4, srgb);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&d65, &p3, curves);
    cmsFreeToneCurve(curve);
    cmsMLU* description = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(description, "en", "US", "Display P3");
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, description);
    cmsMLUfree(description);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

// The bytes on the root window's property, as a colour manager puts them there.
bool PutOnRoot(const QString& display, const QByteArray& property, const QByteArray& bytes) {
    xcb_connection_t* c = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(c) != 0) {
        xcb_disconnect(c);
        return false;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(property.size()), property.constData()), nullptr);
    const bool done = atom != nullptr;
    if (done && bytes.isEmpty()) {
        xcb_delete_property(c, root, atom->atom);
    } else if (done) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, atom->atom, XCB_ATOM_CARDINAL, 8,
                            uint32_t(bytes.size()), bytes.constData());
    }
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    std::free(atom);
    xcb_disconnect(c);
    return done;
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run Huemark(const QStringList& args, const QString& display, const QStringList& before = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_SOCKET"));
    env.remove(QStringLiteral("DISPLAY"));
    if (!display.isEmpty()) {
        env.insert(QStringLiteral("DISPLAY"), display);
    }
    for (const QString& command : before) {
        QProcess step;
        step.setProcessEnvironment(env);
        step.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
        step.waitForFinished(30000);
        if (step.exitCode() != 0) {
            return {-2, {}, QString::fromLocal8Bit(step.readAllStandardError())};
        }
    }
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(HUEMARK_BINARY), args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}
} // namespace

// An X server for one case, ended with it.
class PrivateX {
public:
    explicit PrivateX(const QString& screen) : m_display(StartXvfb(screen, &m_server)) {}
    ~PrivateX() {
        if (m_server > 0) {
            kill(m_server, SIGTERM);
            waitpid(m_server, nullptr, 0);
        }
    }
    PrivateX(const PrivateX&) = delete;
    PrivateX& operator=(const PrivateX&) = delete;
    const QString& display() const { return m_display; }

private:
    pid_t m_server = -1;
    QString m_display;
};

class TestCheckScreen : public QObject {
    Q_OBJECT
private slots:
    void onXvfb_data();
    void onXvfb();
    void withoutDisplay();
};

void TestCheckScreen::onXvfb_data() {
    QTest::addColumn<QString>("screen");       // Xvfb's
    QTest::addColumn<QByteArray>("profile");   // put on _ICC_PROFILE; empty: none
    QTest::addColumn<QStringList>("setup");    // xrandr's commands before the check
    QTest::addColumn<QStringList>("monitors"); // their names as the check reports them
    QTest::addColumn<QString>("verdict");      // part of each monitor's

    const QString screen = QStringLiteral("1024x768x24");
    QTest::newRow("one monitor, no profile") << screen << QByteArray() << QStringList()
                                             << QStringList{QStringLiteral("screen")} << "exact";
    QTest::newRow("one monitor, Display P3")
        << screen << DisplayP3() << QStringList() << QStringList{QStringLiteral("screen")}
        << "exact; what you see differs by the profile \"Display P3\" (red ΔE2000 ";
    // Xvfb's one output split into two RandR monitors, side by side.
    QTest::newRow("two monitors") << screen << QByteArray()
                                  << QStringList{QStringLiteral(
                                         "xrandr --setmonitor LEFT 512/135x768/203+0+0 screen && "
                                         "xrandr --setmonitor RIGHT 512/135x768/203+512+0 none")}
                                  << QStringList{QStringLiteral("LEFT"), QStringLiteral("RIGHT")}
                                  << "exact";
    // A night light's ramps change what is seen, not what is captured.
    QTest::newRow("gamma ramps set")
        << screen << QByteArray()
        << QStringList{QStringLiteral("xrandr --output screen --gamma 1:0.9:0.8")}
        << QStringList{QStringLiteral("screen")}
        << "exact; what you see differs by gamma ramps that are not the identity";
    QTest::newRow("16 bits a pixel")
        << QStringLiteral("1024x768x16") << QByteArray() << QStringList()
        << QStringList{QStringLiteral("screen")} << "5 bits a channel come back (depth 16)";
}

void TestCheckScreen::onXvfb() {
    QFETCH(QString, screen);
    QFETCH(QByteArray, profile);
    QFETCH(QStringList, setup);
    QFETCH(QStringList, monitors);
    QFETCH(QString, verdict);
    const PrivateX x(screen);
    if (x.display().isEmpty()) {
        QSKIP("Xvfb did not start");
    }
    if (!profile.isEmpty()) {
        QVERIFY(PutOnRoot(x.display(), "_ICC_PROFILE", profile));
    }
    const bool exact = verdict.startsWith(QLatin1String("exact"));
    const Run text = Huemark({QStringLiteral("--check-screen")}, x.display(), setup);
    QVERIFY2(text.exitCode == (exact ? 0 : 1), qPrintable(text.out + text.err));
    const QStringList verdicts = text.out.split(QLatin1Char('\n')).filter(QLatin1String("verdict"));
    QCOMPARE(verdicts.size(), monitors.size());
    for (const QString& v : verdicts) {
        QVERIFY2(v.startsWith(QLatin1String("  verdict: ")) && v.contains(verdict),
                 qPrintable(text.out));
    }
    QVERIFY2(text.out.contains(profile.isEmpty()
                                   ? QLatin1String("profile: no profile (_ICC_PROFILE)")
                                   : QLatin1String("profile: \"Display P3\", sha256 ")),
             qPrintable(text.out));

    const Run json =
        Huemark({QStringLiteral("--check-screen"), QStringLiteral("--json")}, x.display());
    QCOMPARE(json.exitCode, text.exitCode);
    const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(document.value(QLatin1String("exact")).toBool(), exact);
    const QJsonArray list = document.value(QLatin1String("monitors")).toArray();
    QCOMPARE(list.size(), monitors.size());
    for (qsizetype i = 0; i < monitors.size(); ++i) {
        const QJsonObject m = list[i].toObject();
        QCOMPARE(m.value(QLatin1String("name")).toString(), monitors[i]);
        QCOMPARE(m.value(QLatin1String("x")).toInt(), int(i) * 512);
        QCOMPARE(m.value(QLatin1String("verdict")).toString(), verdicts[i].mid(11));
    }
    const QJsonValue first = list[0].toObject().value(QLatin1String("profile"));
    QCOMPARE(first.isNull(), profile.isEmpty());
    if (!profile.isEmpty()) {
        QVERIFY(first[QLatin1String("deltaERed")].toDouble() > 2);
    }
}

void TestCheckScreen::withoutDisplay() {
    const Run run = Huemark({QStringLiteral("--check-screen")}, QString());
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.err.startsWith(QLatin1String("huemark --check-screen: no display")),
             qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestCheckScreen)
#include "test_checkscreen.moc"
