// The Screen command: what each answer of the capture leaves on the window (the picture, its
// clean copy, the caption, the tags, the list, the read-out) or says, and that the desktop's file
// is read through the loader and then deleted.

#include "desktop/capture/ScreenCapture.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    void pickFromScreen_data();
    void pickFromScreen();
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
        QCOMPARE(w.form->imgCache->picture().image(), screen);
        QCOMPARE(w.form->picColor->Image(screen.rect()), screen); // the tag is gone
        QCOMPARE(w.form->txtCursor->text(), QStringLiteral("#563412"));
        // Shown as stored or as its colours: either way the capture, never an earlier picture.
        w.form->mnuViewStoredColors->trigger();
        QCOMPARE(w.form->imgCache->picture().image(), screen);
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
        QCOMPARE(w.form->imgCache->picture().image(), SolidPicture(50, 40, kBlue));
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

void TestScreenCommand::pickFromScreen_data() {
    QTest::addColumn<QString>("gesture"); // what the user does on the frozen screen
    QTest::addColumn<QString>("row");     // the list's new top row's code; empty for none
    QTest::addColumn<QString>("message"); // part of what is said; empty for nothing
    QTest::addColumn<int>("x");           // the screen pixel picked, in row 20

    QTest::newRow("a step right and Enter") << "right, enter"
                                            << "#123456"
                                            << "" << 21;
    // The pixel's ninth in the square around the pointer's: (18, 52, 86) / 9, rounded.
    QTest::newRow("the radius up, the square's mean") << "], enter"
                                                      << "#02060A"
                                                      << "" << 20;
    QTest::newRow("a right click cancels") << "right click"
                                           << ""
                                           << "" << 0;
    QTest::newRow("the desktop declines, and has no picker of its own") << "refused"
                                                                        << ""
                                                                        << "declined" << 0;
    // Its own picker stands in, once it is said that there is no loupe: a colour, no place.
    QTest::newRow("the desktop declines, its own picker picks") << "refused, its picker"
                                                                << "#563412"
                                                                << "no loupe" << -1;
}

// Edit, Pick from Screen: the pick becomes the list's top row as a pick from the picture does;
// the picture, its tags, the caption and the read-out stay as they were.
void TestScreenCommand::pickFromScreen() {
    QFETCH(QString, gesture);
    QFETCH(QString, row);
    QFETCH(QString, message);
    QFETCH(int, x);

    TestWindow w;
    w.form->imgCache->setPicture(SolidPicture(50, 40, kBlue));
    w.form->picColor->setPicture(w.form->imgCache->picture());
    w.form->chkTags->setChecked(true);
    QTest::mouseClick(w.form->picColor, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    w.form->setCaption(QStringLiteral("before"));
    const QImage shownBefore = w.form->picColor->Image();

    // The screen: black, with one pixel of its own right of the pointer.
    QImage screen = SolidPicture(64, 48, 0x000000);
    SetPixelValue(screen, 21, 20, 0x563412);
    if (gesture == QLatin1String("refused, its picker")) {
        w.fakes.screen->desktopPicks = std::array<double, 3>{0x56 / 255.0, 0x34 / 255.0, 0.07};
    }
    w.fakes.screen->answer = gesture.startsWith(QLatin1String("refused"))
                                 ? ScreenPortal::Answer(1, {})
                                 : ScreenCaptureResult{ScreenCaptureResult::Outcome::Picture,
                                                       screen, QString(), QString()};
    w.fakes.pointer->position = QPoint(20, 20);
    QTimer::singleShot(0, [&gesture] {
        QWidget* surface = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("screenPick") && top->isVisible()) {
                surface = top;
            }
        }
        if (surface == nullptr) {
            return;
        }
        for (const QString& step : gesture.split(QStringLiteral(", "))) {
            if (step == QLatin1String("right click")) {
                QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
            } else {
                QTest::keyClick(surface, step == QLatin1String("right") ? Qt::Key_Right
                                         : step == QLatin1String("]")   ? Qt::Key_BracketRight
                                                                        : Qt::Key_Return);
            }
        }
    });
    const int rows = w.form->grdList->Rows();
    QTest::keyClick(w.form->picColor, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

    QCOMPARE(w.fakes.screen->captures, 1);
    QCOMPARE(w.form->grdList->Rows(), row.isEmpty() ? rows : rows + 1);
    if (!row.isEmpty()) {
        QCOMPARE(w.form->grdList->TextMatrix(1, 0), row);
        QCOMPARE(w.form->picks().at(0).origin.source, QStringLiteral("Screen capture"));
        QCOMPARE(w.form->picks().at(0).origin.position,
                 x < 0 ? std::nullopt : std::optional<QPoint>(QPoint(x, 20)));
    }
    QCOMPARE(w.fakes.messageBox->messages.size(), size_t(message.isEmpty() ? 0 : 1));
    if (!message.isEmpty()) {
        QVERIFY(w.fakes.messageBox->messages.front().text.contains(message));
    }
    QCOMPARE(w.form->Caption(), QStringLiteral("before"));
    QCOMPARE(w.form->picColor->Image(), shownBefore);
}

QTEST_MAIN(TestScreenCommand)
#include "test_screencommand.moc"
