// A capture of the screen deletes the file a screenshot portal names only where it can tell the
// portal made it for this capture; any other file is shown all the same and left where it lies.

#include "sources/PictureArrival.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {
// A folder outside the temporary folder, where the rule trusts nothing: the home folder, unless
// the build (and with it the tests' home) lies in the temporary folder itself.
QString Elsewhere() {
    const QString temporary = QFileInfo(QDir::tempPath()).canonicalFilePath();
    for (const QString& base : {QDir::homePath(), QStringLiteral("/var/tmp")}) {
        const QString real = QFileInfo(base).canonicalFilePath();
        if (!real.isEmpty() && real != temporary && !real.startsWith(temporary + u'/') &&
            !real.startsWith(QLatin1String("/tmp/"))) {
            return real;
        }
    }
    return QString();
}
} // namespace

class TestPortalFile : public QObject {
    Q_OBJECT
private slots:
    void screenFile_data();
    void screenFile();
};

void TestPortalFile::screenFile_data() {
    QTest::addColumn<QString>("kind"); // see below
    QTest::addColumn<bool>("deleted");
    QTest::newRow("just written in the temporary folder") << "new" << true;
    QTest::newRow("written before the capture was asked for") << "old" << false;
    QTest::newRow("a symbolic link") << "link" << false;
    QTest::newRow("a second name of a file") << "hard" << false;
    QTest::newRow("through a link to a folder elsewhere") << "away" << false;
    QTest::newRow("another user's") << "nobody" << false;
}

void TestPortalFile::screenFile() {
    QFETCH(QString, kind);
    QFETCH(bool, deleted);
    QTemporaryDir portal; // in the temporary folder
    QTemporaryDir elsewhere(Elsewhere() + QStringLiteral("/elsewhere-XXXXXX"));
    QVERIFY(elsewhere.isValid());
    QVERIFY(QFile::link(elsewhere.path(), portal.filePath(QStringLiteral("away"))));
    const QString path =
        portal.filePath(kind == QLatin1String("away") ? "away/shot.png" : "shot.png");
    const bool named = kind == QLatin1String("link") || kind == QLatin1String("hard");
    const QString stored = named ? portal.filePath(QStringLiteral("stored.png")) : path;
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(QColor(0x12, 0x34, 0x56));
    QVERIFY(picture.save(stored, "PNG"));
    QFile file(path);
    if (kind == QLatin1String("old")) {
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
        file.close();
    } else if (named) {
        const QByteArray from = QFile::encodeName(stored), to = QFile::encodeName(path);
        QCOMPARE(kind == QLatin1String("link") ? ::symlink(from, to) : ::link(from, to), 0);
    } else if (kind == QLatin1String("nobody")) {
        if (::geteuid() != 0) {
            QSKIP("only root can give a file to another user");
        }
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }
    ScreenCaptureResult shot;
    shot.outcome = ScreenCaptureResult::Outcome::File;
    shot.file = path;

    const PictureArrival arrival = PictureFromScreen(shot, QDateTime::currentDateTime());
    QVERIFY2(arrival.ok, qPrintable(arrival.message));
    QCOMPARE(arrival.caption, QStringLiteral("Screen capture"));
    QCOMPARE(arrival.picture.picture.pixelColor(0, 0), QColor(0x12, 0x34, 0x56));
    QCOMPARE(!file.exists(), deleted);
}

QTEST_MAIN(TestPortalFile)
#include "test_portalfile.moc"
