// The history file: what adding to it keeps, what it refuses to touch, who may read it, clearing
// it, the service that writes it from a thread of its own, and two writers at once.

#include "history/PickHistory.h"
#include "palette/ListFormats.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <thread>

namespace {
// Picks numbered first to first + count - 1, newest (the highest) first, each number its own
// colour, with the provenance a pick from a picture has.
QList<Pick> Picks(int first, int count) {
    QList<Pick> picks;
    for (int n = first + count - 1; n >= first; --n) {
        PickOrigin origin;
        origin.source = QStringLiteral("/pictures/p%1.png").arg(n);
        origin.position = QPoint(n, 2 * n);
        picks.append(Pick(Color(n & 0xFF, n >> 8, 7), QString(), origin));
    }
    return picks;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The file's type and permission bits, as the link itself has them for a link; 0 for none.
unsigned StatOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}
unsigned ModeOf(const QString& path) {
    return StatOf(path) & 07777;
}

// What stands at the history's path before the adds.
enum class At { Nothing, File, Fifo, DanglingLink, LinkToFile };
} // namespace

Q_DECLARE_METATYPE(At)

class TestPickHistory : public QObject {
    Q_OBJECT
private slots:
    void adding_data();
    void adding();
    void clearing();
    void serviceWritesBeforeItReads();
    void serviceSaysWhyAnAddFailed();
    void writersAtOnceLoseNothing();

private:
    QTemporaryDir m_dir;
    int m_case = 0;
    // A path in a folder of its own, not made yet.
    QString freshPath() { return m_dir.filePath(QStringLiteral("c%1/history.json").arg(++m_case)); }
};

void TestPickHistory::adding_data() {
    QTest::addColumn<At>("at");
    QTest::addColumn<QByteArray>("existing"); // the file's bytes (the link's target's)
    QTest::addColumn<QList<int>>("adds");     // how many picks each add puts in
    QTest::addColumn<bool>("refused");

    const QByteArray none;
    QTest::newRow("no file yet: nothing kept") << At::Nothing << none << QList<int>{} << false;
    QTest::newRow("the first add makes the file") << At::Nothing << none << QList<int>{1} << false;
    QTest::newRow("newest first across two adds")
        << At::Nothing << none << QList<int>{2, 3} << false;
    QTest::newRow("the newest thousand: the oldest go")
        << At::File << WriteJson(Picks(5000, 998)) << QList<int>{1, 4} << false;
    QTest::newRow("one add of more than a thousand")
        << At::Nothing << none << QList<int>{1200} << false;
    QTest::newRow("a list broken on its second line is left as it is")
        << At::File << QByteArray("[\n  {\"web\": \"#12\"}\n]\n") << QList<int>{1} << true;
    QTest::newRow("a FIFO is refused at once") << At::Fifo << none << QList<int>{1} << true;
    QTest::newRow("a link to nothing is refused, not written through")
        << At::DanglingLink << none << QList<int>{1} << true;
    // A history kept elsewhere and linked to (a synchronised folder) stays where it is.
    QTest::newRow("a link to a list: the list it names gains the picks")
        << At::LinkToFile << WriteJson(Picks(5000, 2)) << QList<int>{1} << false;
}

void TestPickHistory::adding() {
    QFETCH(At, at);
    QFETCH(QByteArray, existing);
    QFETCH(QList<int>, adds);
    QFETCH(bool, refused);

    const QString path = freshPath();
    const QString target = path + QStringLiteral(".target");
    // A folder and files that others may read, as they stand before the first add.
    const QString folder = QFileInfo(path).absolutePath();
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    switch (at) {
    case At::Nothing:
        break;
    case At::File:
        Write(path, existing);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0644), 0);
        break;
    case At::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    case At::LinkToFile:
        Write(target, existing);
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0644), 0);
        [[fallthrough]];
    case At::DanglingLink:
        QVERIFY(QFile::link(target, path));
        break;
    }
    const QString holder = at == At::LinkToFile ? target : path;
    const ListRead before = ReadHistory(path);
    QCOMPARE(before.ok(), !refused);

    QList<Pick> expected = before.rows;
    int next = 1;
    for (const int count : adds) {
        const QString reason = AddToHistory(Picks(next, count), path);
        QCOMPARE(reason.isEmpty(), !refused);
        expected = Picks(next, count) + expected;
        next += count;
    }
    if (refused) {
        QVERIFY(QFileInfo(path).isSymLink() == (at == At::DanglingLink));
        QVERIFY(!QFileInfo::exists(target));
        if (at == At::Fifo) {
            QVERIFY(S_ISFIFO(StatOf(path)));
        } else {
            QCOMPARE(Bytes(path), existing);
        }
        return;
    }
    expected = expected.mid(0, kMaxHistory);
    const ListRead after = ReadHistory(path);
    QVERIFY2(after.ok(), qPrintable(after.error));
    QCOMPARE(after.rows.size(), expected.size());
    QCOMPARE(after.rows, expected);
    QCOMPARE(QFileInfo(path).isSymLink(), at == At::LinkToFile);
    // Only its owner may read it, or look into its folder.
    QCOMPARE(ModeOf(holder), adds.isEmpty() ? 0u : 0600u);
    QCOMPARE(ModeOf(folder), adds.isEmpty() ? 0755u : 0700u);
}

void TestPickHistory::clearing() {
    // Never made, not even its folder: there is nothing to clear, and that is no failure.
    const QString path = freshPath();
    QCOMPARE(ClearHistory(path), QString());
    QCOMPARE(AddToHistory(Picks(1, 3), path), QString());
    QCOMPARE(ClearHistory(path), QString());
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(ReadHistory(path).rows.size(), 0);
    QCOMPARE(ClearHistory(path), QString());
}

void TestPickHistory::serviceWritesBeforeItReads() {
    const QString path = freshPath();
    {
        const std::shared_ptr<HistoryService> history = NewFileHistory(path);
        QCOMPARE(history->place(), path);
        const QList<Pick> picks = Picks(1, 20);
        for (qsizetype i = picks.size() - 1; i >= 0; --i) {
            history->add(picks[i]);
        }
        const ListRead read = history->read();
        QVERIFY(read.ok());
        QCOMPARE(read.rows, picks);
        QCOMPARE(history->clear(), QString());
        QCOMPARE(history->read().rows.size(), 0);
        // Added just before it ends: written all the same.
        history->add(Picks(21, 1).front());
    }
    QCOMPARE(ReadHistory(path).rows, Picks(21, 1));
}

void TestPickHistory::serviceSaysWhyAnAddFailed() {
    // The folder's parent is a file: the folder cannot be made.
    const QString parent = m_dir.filePath(QStringLiteral("a-file"));
    Write(parent, "x");
    const std::shared_ptr<HistoryService> history =
        NewFileHistory(parent + QStringLiteral("/Huemark/history.json"));
    QSignalSpy failed(history.get(), &HistoryService::failed);
    history->add(Picks(1, 1).front());
    QCOMPARE(history->read().rows.size(), 0); // after the write has been tried
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.front().front().toString().contains(parent));
}

void TestPickHistory::writersAtOnceLoseNothing() {
    // Two writers adding a pick at a time, as two programs would: each add reads the file the
    // other may be writing, so without the lock one of them writes over the other's picks.
    const QString path = freshPath();
    const auto writer = [&path](int first) {
        for (int n = first; n < first + 50; ++n) {
            if (!AddToHistory(Picks(n, 1), path).isEmpty()) {
                return;
            }
        }
    };
    std::thread one(writer, 1);
    std::thread two(writer, 101);
    one.join();
    two.join();
    const ListRead read = ReadHistory(path);
    QVERIFY(read.ok());
    QCOMPARE(read.rows.size(), 100);
}

QTEST_GUILESS_MAIN(TestPickHistory)
#include "test_pickhistory.moc"
