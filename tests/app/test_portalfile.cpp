// Which file a screenshot portal names is deleted once read: only one the program can tell the
// portal made for this capture. Any other is read where it lies and left there.

#include "app/PortalFile.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

class TestPortalFile : public QObject {
    Q_OBJECT
private slots:
    void own_data();
    void own();
    void otherFileIsLeft();
};

void TestPortalFile::own_data() {
    QTest::addColumn<QString>("name"); // in the portal's folder; see own() for what is made
    QTest::addColumn<bool>("own");
    QTest::newRow("a file just written") << "new.png" << true;
    QTest::newRow("in a folder below") << "sub/new.png" << true;
    QTest::newRow("written before the capture was asked for") << "old.png" << false;
    QTest::newRow("a symbolic link") << "link.png" << false;
    QTest::newRow("a second name of a file") << "hard.png" << false;
    QTest::newRow("a folder") << "sub" << false;
    QTest::newRow("through a link to a folder elsewhere") << "away/new.png" << false;
    QTest::newRow("another user's") << "nobody.png" << false;
}

void TestPortalFile::own() {
    QFETCH(QString, name);
    QFETCH(bool, own);
    QTemporaryDir portal;
    QTemporaryDir elsewhere;
    const QDateTime asked = QDateTime::currentDateTime();
    QDir(portal.path()).mkdir(QStringLiteral("sub"));
    QFile::link(elsewhere.path(), portal.filePath(QStringLiteral("away")));
    const QString path = portal.filePath(name);
    // Through the link to elsewhere, the file lies there.
    QFile file(name == QLatin1String("away/new.png") ? elsewhere.filePath(QStringLiteral("new.png"))
                                                     : path);
    QVERIFY(name == QLatin1String("sub") || file.open(QIODevice::WriteOnly));
    file.close();
    if (name == QLatin1String("old.png")) {
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(asked.addSecs(-60), QFileDevice::FileModificationTime));
    } else if (name == QLatin1String("link.png") || name == QLatin1String("hard.png")) {
        QVERIFY(file.rename(portal.filePath(QStringLiteral("target.png"))));
        const QByteArray target = QFile::encodeName(file.fileName());
        const QByteArray at = QFile::encodeName(path);
        QCOMPARE(name == QLatin1String("link.png") ? ::symlink(target, at) : ::link(target, at), 0);
    } else if (name == QLatin1String("nobody.png")) {
        if (::geteuid() != 0) {
            QSKIP("only root can give a file to another user");
        }
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    }
    QCOMPARE(IsPortalsOwnFile(path, asked, {QFileInfo(portal.path()).canonicalFilePath()}), own);
}

// The Screen command shows a file outside the portals' folders and leaves it.
void TestPortalFile::otherFileIsLeft() {
    TestWindow w;
    const QString file = QDir::home().filePath(QStringLiteral("screenshot.png"));
    QVERIFY(SolidPicture(30, 20, 0x563412).save(file, "PNG"));
    w.fakes.screen->answer.outcome = ScreenCaptureResult::Outcome::File;
    w.fakes.screen->answer.file = file;
    w.form->mnuEditScreen_Click();
    const bool kept = QFile::remove(file);
    QCOMPARE(w.form->Caption(), QStringLiteral("Screen capture"));
    QVERIFY(kept);
}

QTEST_MAIN(TestPortalFile)
#include "test_portalfile.moc"
