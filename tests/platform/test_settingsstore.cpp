// The settings store on disk: whatever the file holds (nothing, garbage, a folder, values of
// the wrong kind) reading never fails and yields the defaults, a flush then leaves a good file,
// and a write that fails leaves the previous file whole.

#include "platform/IniSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

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
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir->path());
    m_file = m_dir->path() + QStringLiteral("/Huemark/Huemark.ini");
    QDir().mkpath(m_dir->path() + QStringLiteral("/Huemark"));
}

void TestSettingsStore::contents_data() {
    QTest::addColumn<QByteArray>("file"); // "<dir>" puts a folder where the file goes
    QTest::addColumn<QString>("left");    // read with the default "105"
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
}

void TestSettingsStore::contents() {
    QFETCH(QByteArray, file);
    QFETCH(QString, left);
    QFETCH(bool, writable);

    if (file == "<dir>") {
        QDir().mkpath(m_file);
    } else if (!file.isNull()) {
        QFile out(m_file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    {
        IniSettingsStore store;
        QCOMPARE(store.GetSetting(kApp, kSection, QStringLiteral("Left"), QStringLiteral("105")),
                 left);
        QCOMPARE(store.GetSetting(kApp, kSection, QStringLiteral("Tags"), QStringLiteral("1")),
                 QStringLiteral("1"));
        store.SaveSetting(kApp, kSection, QStringLiteral("Left"), QStringLiteral("120"));
        store.SaveSetting(kApp, kSection, QStringLiteral("Path"), QStringLiteral("/tmp/a,b c"));
        QCOMPARE(store.Flush(), writable);
    }
    if (writable) {
        // The next run reads back exactly what was written.
        IniSettingsStore next;
        QCOMPARE(next.GetSetting(kApp, kSection, QStringLiteral("Left"), QString()),
                 QStringLiteral("120"));
        QCOMPARE(next.GetSetting(kApp, kSection, QStringLiteral("Path"), QString()),
                 QStringLiteral("/tmp/a,b c"));
    }
}

// A full disk, made with a file size limit (which holds for root too).
void TestSettingsStore::failedWriteKeepsPreviousFile() {
    {
        IniSettingsStore first;
        for (const char* key : {"Left", "Top", "Width", "Height", "Path", "PathFile"}) {
            first.SaveSetting(kApp, kSection, QLatin1String(key), QStringLiteral("100"));
        }
        QVERIFY(first.Flush());
    }
    const QByteArray before = readAll(m_file);

    IniSettingsStore store;
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
