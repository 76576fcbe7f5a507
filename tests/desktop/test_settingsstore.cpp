// The settings store on disk: whatever the file holds (nothing, garbage, a folder, values of
// the wrong kind) or is (a FIFO, a socket, a device, behind a link or not) reading never fails or
// blocks and yields the defaults, a flush then leaves a good file or leaves the thing untouched, a
// link to a file keeps pointing there, and a write that fails leaves the previous file whole.

#include "desktop/IniSettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const QString kApp = QStringLiteral("Huemark");
const QString kSection = QStringLiteral("Settings");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void contents_data();
    void contents();
    void failedWriteKeepsPreviousFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
};

void TestSettingsStore::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = m_dir->path() + QStringLiteral("/Huemark/Huemark.ini");
    QDir().mkpath(m_dir->path() + QStringLiteral("/Huemark"));
}

void TestSettingsStore::contents_data() {
    // "<dir>", "<fifo>", "<socket>", "<device>" put that where the file goes; "<link to ...>" a
    // link to one of those elsewhere, or to a file holding Left=1500 ("<link to file>").
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("left"); // read with the default "105"
    QTest::addColumn<bool>("writable");

    QTest::newRow("no file") << QByteArray() << "105" << true;
    QTest::newRow("empty") << QByteArray("") << "105" << true;
    QTest::newRow("ours") << QByteArray("[Settings]\nLeft=1500\nTop=7\n") << "1500" << true;
    QTest::newRow("a path with a comma")
        << QByteArray("[Settings]\nLeft=\"/home/a,b\"\n") << "/home/a,b" << true;
    QTest::newRow("a list") << QByteArray("[Settings]\nLeft=1,2\n") << "105" << true;
    QTest::newRow("a typed value")
        << QByteArray("[Settings]\nLeft=@Variant(\\0\\0\\0\\x7f)\n") << "105" << true;
    QTest::newRow("binary garbage")
        << QByteArray("\x00\x01\xff\xfe[[[\n=\n[Settings\n\x80", 14) << "105" << true;
    QTest::newRow("a folder") << QByteArray("<dir>") << "105" << false;
    QTest::newRow("a FIFO") << QByteArray("<fifo>") << "105" << false;
    QTest::newRow("a socket") << QByteArray("<socket>") << "105" << false;
    QTest::newRow("a link to a FIFO") << QByteArray("<link to fifo>") << "105" << false;
    QTest::newRow("a link to a device") << QByteArray("<link to device>") << "105" << false;
    QTest::newRow("a dotfiles link") << QByteArray("<link to file>") << "1500" << true;
}

void TestSettingsStore::contents() {
    QFETCH(QByteArray, file);
    QFETCH(QString, left);
    QFETCH(bool, writable);

    const bool linked = file.startsWith("<link to ");
    const QString thing = linked ? m_dir->path() + QStringLiteral("/elsewhere") : m_file;
    const QByteArray kind = linked ? "<" + file.mid(9) : file;
    const QByteArray path = QFile::encodeName(thing);
    if (kind == "<dir>") {
        QDir().mkpath(thing);
    } else if (kind == "<fifo>") {
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
    } else if (kind == "<socket>") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        close(fd);
    } else if (kind == "<device>") {
        // A null device of our own, never the system's.
        if (mknod(path.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
            QSKIP("making a device node needs root");
        }
    } else if (kind == "<file>") {
        QFile out(thing);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("[Settings]\nLeft=1500\n");
    } else if (!file.isNull()) {
        QFile out(m_file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    if (linked) {
        QVERIFY(QFile::link(thing, m_file));
    }
    struct stat before {};
    const bool existed = lstat(path.constData(), &before) == 0;
    {
        IniSettingsStore store(m_dir->path());
        QCOMPARE(store.GetSetting(kApp, kSection, QStringLiteral("Left"), QStringLiteral("105")),
                 left);
        QCOMPARE(store.GetSetting(kApp, kSection, QStringLiteral("Tags"), QStringLiteral("1")),
                 QStringLiteral("1"));
        store.SaveSetting(kApp, kSection, QStringLiteral("Left"), QStringLiteral("120"));
        store.SaveSetting(kApp, kSection, QStringLiteral("Path"), QStringLiteral("/tmp/a,b c"));
        QCOMPARE(store.Flush(), writable);
    }
    // What was there is still there: a link still points where it did, and a thing that is not
    // a file was neither written nor replaced.
    QCOMPARE(QFileInfo(m_file).isSymLink(), linked);
    struct stat after {};
    lstat(path.constData(), &after);
    if (existed) {
        QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    }
    if (!writable) {
        QCOMPARE(after.st_ino, before.st_ino);
    }
    if (writable) {
        // The next run reads back exactly what was written.
        IniSettingsStore next(m_dir->path());
        QCOMPARE(next.GetSetting(kApp, kSection, QStringLiteral("Left"), QString()),
                 QStringLiteral("120"));
        QCOMPARE(next.GetSetting(kApp, kSection, QStringLiteral("Path"), QString()),
                 QStringLiteral("/tmp/a,b c"));
    }
}

// A full disk, made with a file size limit (which holds for root too).
void TestSettingsStore::failedWriteKeepsPreviousFile() {
    {
        IniSettingsStore first(m_dir->path());
        for (const char* key : {"Left", "Top", "Width", "Height", "Path", "PathFile"}) {
            first.SaveSetting(kApp, kSection, QLatin1String(key), QStringLiteral("100"));
        }
        QVERIFY(first.Flush());
    }
    const QByteArray before = readAll(m_file);

    IniSettingsStore store(m_dir->path());
    store.SaveSetting(kApp, kSection, QStringLiteral("Path"), QString(4096, QLatin1Char('x')));
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool flushed = store.Flush();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!flushed);
    QCOMPARE(readAll(m_file), before);
}

QTEST_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
