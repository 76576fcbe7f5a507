// The Screen command: what each answer of the capture leaves on the window (the picture, its
// clean copy, the caption, the tags, the list, the read-out) or says, and that the desktop's file
// is read through the loader and then deleted.

#include "desktop/capture/ScreenCapture.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr quint32 kBlue = 0xFF0000;
constexpr quint32 kGreen = 0x00FF00;
} // namespace

class TestScreenCommand : public QObject {
    Q_OBJECT
private slots:
    void capture_data();
    void capture();
    void shortcut();
};

void TestScreenCommand::capture_data() {
    QTest::addColumn<QString>("answer"); // how the capture answers, see below
    QTest::addColumn<bool>("captured");
    QTest::addColumn<QString>("message"); // part of what is said when nothing is captured

    QTest::newRow("pixels from the window system") << "picture" << true << "";
    QTest::newRow("a PNG file from the desktop's portal") << "png file" << true << "";
    QTest::newRow("the user declines") << "refused" << false << "declined";
    QTest::newRow("no portal answers") << "failed" << false << "No screenshot portal";
    QTest::newRow("a damaged file") << "damaged file" << false << "damaged";
    QTest::newRow("a file that is no picture")
        << "text file" << false << "not a picture in a format Huemark reads";
    QTest::newRow("a screen over the picture limit") << "huge" << false << "too large";
}

void TestScreenCommand::capture() {
    QFETCH(QString, answer);
    QFETCH(bool, captured);
    QFETCH(QString, message);

    TestWindow w;
    // A blue picture with a pick's row and tag at (5, 5), the pointer on it.
    w.form->imgCache->setPicture(SolidPicture(50, 40, kBlue));
    w.form->picColor->setPicture(w.form->imgCache->picture());
    QTest::mouseClick(w.form->picColor, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    w.pointAt(20, 20);
    QCOMPARE(w.form->txtCursor->text(), WebCode(kBlue));
    const QImage shownBefore = w.form->picColor->Image();
    w.form->setCaption(QStringLiteral("before"));

    // The screen: green, with one pixel of its own where the pointer is.
    QImage screen = SolidPicture(64, 48, kGreen);
    SetPixelValue(screen, 20, 20, 0x123456);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("screenshot.png"));
    ScreenCaptureResult& result = w.fakes.screen->answer;
    result.outcome = ScreenCaptureResult::Outcome::File;
    result.file = file;
    if (answer == QLatin1String("picture")) {
        result = {ScreenCaptureResult::Outcome::Picture, screen, QString(), QString()};
    } else if (answer == QLatin1String("png file")) {
        QVERIFY(screen.save(file, "PNG"));
    } else if (answer == QLatin1String("refused") || answer == QLatin1String("failed")) {
        result = ScreenPortal::Answer(answer == QLatin1String("refused") ? 1 : 2, {});
        if (answer == QLatin1String("failed")) {
            result.error = ScreenPortal::CallFailure(
                QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"), QString());
        }
    } else if (answer == QLatin1String("damaged file")) {
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && screen.save(&buffer, "PNG"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(png.left(png.size() / 2));
    } else if (answer == QLatin1String("text file")) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("not a picture\n");
    } else if (answer == QLatin1String("huge")) {
        // Only its size matters: it is refused before it is looked at.
        result = {ScreenCaptureResult::Outcome::Picture, QImage(20000, 20000, QImage::Format_Mono),
                  QString(), QString()};
    }

    w.form->mnuEditScreen_Click();

    QCOMPARE(w.fakes.screen->captures, 1);
    QVERIFY2(!QFile::exists(file), "the desktop's file is deleted once read");
    QCOMPARE(w.form->grdList->Rows(), 3);
    if (captured) {
        QVERIFY(w.fakes.messageBox->messages.empty());
        QCOMPARE(w.form->Caption(), QStringLiteral("Screen capture"));
        QCOMPARE(w.form->imgCache->picture(), screen);
        QCOMPARE(w.form->picColor->Image(screen.rect()), screen); // the tag is gone
        QCOMPARE(w.form->txtCursor->text(), QStringLiteral("#563412"));
        // Shown as stored or as its colours: either way the capture, never an earlier picture.
        w.form->mnuViewStoredColors->trigger();
        QCOMPARE(w.form->imgCache->picture(), screen);
        QVERIFY(w.form->picColor->hasFocus());
    } else {
        QCOMPARE(w.fakes.messageBox->messages.size(), size_t(1));
        const auto& said = w.fakes.messageBox->messages.front();
        QCOMPARE(said.caption, QStringLiteral("Huemark"));
        QVERIFY2(said.text.startsWith(QStringLiteral("The screen cannot be captured.\r\r")) &&
                     said.text.contains(message),
                 qPrintable(said.text));
        QCOMPARE(w.form->Caption(), QStringLiteral("before"));
        QCOMPARE(w.form->picColor->Image(), shownBefore);
        QCOMPARE(w.form->imgCache->picture(), SolidPicture(50, 40, kBlue));
        QCOMPARE(w.form->txtCursor->text(), WebCode(kBlue));
    }
}

// Ctrl+Shift+V runs the command, also from the description editor; Ctrl+V still pastes.
void TestScreenCommand::shortcut() {
    TestWindow w;
    w.fakes.screen->answer = {ScreenCaptureResult::Outcome::Picture, SolidPicture(8, 8, kGreen),
                              QString(), QString()};
    QTest::keyClick(w.form->picColor, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.fakes.screen->captures, 1);
    QCOMPARE(w.form->Caption(), QStringLiteral("Screen capture"));
    w.form->txtDesc->show();
    QTest::keyClick(w.form->txtDesc, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.fakes.screen->captures, 2);
    QTest::keyClick(w.form->picColor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.fakes.screen->captures, 2);
}

QTEST_MAIN(TestScreenCommand)
#include "test_screencommand.moc"
