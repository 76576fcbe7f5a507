// File names as text and back without loss: UTF-8 read as text, every other byte kept.

#include "pixels/RegularFile.h"

#include <QTest>

class TestFileNames : public QObject {
    Q_OBJECT
private slots:
    void bothWays_data();
    void bothWays();
};

void TestFileNames::bothWays_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // what the name reads as
    QTest::newRow("ASCII") << QByteArray("/tmp/a b.png") << "/tmp/a b.png";
    QTest::newRow("UTF-8 of two to four bytes")
        << QByteArray("caf\xC3\xA9 \xE8\xB5\xA4 \xF0\x9F\x8E\xA8")
        << QString::fromUtf8("café 赤 🎨");
    QTest::newRow("Latin-1") << QByteArray("caf\xE9.png")
                             << QString("caf") + QChar(0xDCE9) + ".png";
    QTest::newRow("a sequence cut short at the end")
        << QByteArray("a\xE8\xB5") << QString("a") + QChar(0xDCE8) + QChar(0xDCB5);
    QTest::newRow("an overlong slash")
        << QByteArray("\xC0\xAF") << QString(QChar(0xDCC0)) + QChar(0xDCAF);
    QTest::newRow("a surrogate spelled in UTF-8")
        << QByteArray("\xED\xB3\xA9") << QString(QChar(0xDCED)) + QChar(0xDCB3) + QChar(0xDCA9);
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80")
        << QString(QChar(0xDCF4)) + QChar(0xDC90) + QChar(0xDC80) + QChar(0xDC80);
    QTest::newRow("a stray continuation byte after a good one")
        << QByteArray("\xC3\xA9\xA9") << QString(QChar(0xE9)) + QChar(0xDCA9);
}

void TestFileNames::bothWays() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(FileNameText(bytes), text);
    QCOMPARE(SystemFileName(text), bytes);
}

QTEST_APPLESS_MAIN(TestFileNames)
#include "test_filenames.moc"
