// Files made to hurt (tests/data/make-hostile-fixtures.sh): SVG drawings that name files outside
// themselves, a FIFO among them; drawings that ask for endless work or embed pictures beyond the
// pixel limit; a grey profile in a colour picture; TIFF grey with alpha. Each either opens as
// what it holds itself or is refused with the size limit's kind of message, at once.

#include "input/LoadPicture.h"
#include "input/cms/SrgbConversion.h"
#include "pixels/PlatformError.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TestHostilePictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void opensOnlyWhatItHolds_data();
    void opensOnlyWhatItHolds();

private:
    QTemporaryDir m_reachable; // what the drawings name: a red picture and a FIFO
    QString m_before;
};

void TestHostilePictures::initTestCase() {
    QVERIFY(m_reachable.isValid());
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(m_reachable.filePath(QStringLiteral("red.png"))));
    QCOMPARE(
        mkfifo(QFile::encodeName(m_reachable.filePath(QStringLiteral("fifo"))).constData(), 0600),
        0);
    m_before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_reachable.path()));
}

void TestHostilePictures::cleanupTestCase() {
    QDir::setCurrent(m_before);
}

void TestHostilePictures::opensOnlyWhatItHolds_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("refusal"); // a part of the message; empty when the file opens
    QTest::addColumn<QRgb>("shown");      // at (1, 1), as shown after the colour profile
    QTest::addColumn<int>("alpha");
    QTest::addColumn<bool>("notice"); // whether the profile is said to be unusable

    const QRgb white = qRgb(255, 255, 255);
    QTest::newRow("SVG naming a file by its path") << "svg-image-absolute.svg"
                                                   << "" << white << 255 << false;
    QTest::newRow("SVG naming a file beside where it is read") << "svg-image-relative.svg"
                                                               << "" << white << 255 << false;
    QTest::newRow("SVG naming a file:// URI") << "svg-image-file-uri.svg"
                                              << "" << white << 255 << false;
    QTest::newRow("SVG naming a file through an entity") << "svg-image-entity.svg"
                                                         << "" << white << 255 << false;
    QTest::newRow("SVG naming a FIFO") << "svg-image-fifo.svg"
                                       << "" << white << 255 << false;
    QTest::newRow("SVG with its own picture as a data URI")
        << "svg-image-data.svg"
        << "" << qRgb(255, 0, 0) << 255 << false;
    QTest::newRow("SVG embedding pictures beyond the limit together")
        << "svg-embedded-too-large.svg"
        << "Out of memory: the SVG drawing embeds" << 0u << 0 << false;
    QTest::newRow("SVG of 2000 rectangles at the pixel limit")
        << "svg-drawing-storm.svg"
        << "Out of memory: the SVG drawing asks for more drawing" << 0u << 0 << false;
    QTest::newRow("grey profile in a colour picture: stored values")
        << "png-rgb-grey-profile.png"
        << "" << qRgb(255, 0, 0) << 255 << true;
    QTest::newRow("TIFF grey with alpha, 8 bits") << "tiff-grey-alpha8.tif"
                                                  << "" << qRgb(128, 128, 128) << 128 << false;
    QTest::newRow("TIFF grey with alpha, 16 bits") << "tiff-grey-alpha16.tif"
                                                   << "" << qRgb(128, 128, 128) << 128 << false;
}

void TestHostilePictures::opensOnlyWhatItHolds() {
    QFETCH(QString, file);
    QFETCH(QString, refusal);
    QFETCH(QRgb, shown);
    QFETCH(int, alpha);
    QFETCH(bool, notice);

    const QString path =
        QDir(qEnvironmentVariable("HUEMARK_TEST_DATA")).filePath(QStringLiteral("hostile/") + file);
    ColorProfile profile;
    QImage picture;
    try {
        LoadedPicture loaded = LoadPicture(path);
        picture = loaded.picture;
        profile = loaded.profile;
    } catch (const PlatformError& e) {
        QVERIFY2(!refusal.isEmpty(), qPrintable(e.description()));
        QVERIFY2(e.description().startsWith(refusal), qPrintable(e.description()));
        return;
    }
    QVERIFY2(refusal.isEmpty(), "opened a file that must be refused");
    const ShownColors colors = ColorsAsShown(picture, profile);
    QCOMPARE(!colors.notice.isEmpty(), notice);
    const QColor c = colors.picture.image.pixelColor(1, 1);
    QCOMPARE(c.alpha(), alpha);
    // Within 1 of the value: premultiplied storage rounds at half coverage.
    const QRgb got = c.rgb();
    QVERIFY2(qAbs(qRed(got) - qRed(shown)) <= 1 && qAbs(qGreen(got) - qGreen(shown)) <= 1 &&
                 qAbs(qBlue(got) - qBlue(shown)) <= 1,
             qPrintable(QString::number(got & 0xffffff, 16)));
}

QTEST_MAIN(TestHostilePictures)
#include "test_hostilepictures.moc"
