// The File and Paste commands: what the dialog is asked, what a choice, a Cancel or a bad file
// leaves behind (and says), what the clipboard gives or fails to give, the read-out after a new
// picture, and that the list is never touched.

#include "controls/Tag.h"
#include "palette/ListFormats.h"
#include "palette/Notations.h"
#include "pixels/RegularFile.h"
#include "pixels/WebCode.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QtEndian>
#include <sys/stat.h>

namespace {
constexpr quint32 kBlue = 0xFF0000;
constexpr quint32 kGreen = 0x00FF00;

// Whether the tag of a pick at (5, 5) on the blue picture (drawn in yellow) is on show.
bool tagShows(PictureBox* box) {
    for (int y = 6; y < 45; ++y) {
        for (int x = 6; x < 60; ++x) {
            if (box->Point(static_cast<float>(x), static_cast<float>(y)) == InverseColor(kBlue)) {
                return true;
            }
        }
    }
    return false;
}

// A window showing a blue picture with one tag drawn and one row in the list.
void prepareTaggedWindow(TestWindow& w) {
    w.form->imgCache->setPicture(SolidPicture(50, 40, kBlue));
    w.form->picColor->setPicture(w.form->imgCache->picture());
    QTest::mouseClick(w.form->picColor, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(w.form->grdList->Rows(), 3);
    QVERIFY(tagShows(w.form->picColor));
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QString fixture(const QString& name) {
    return QDir(qEnvironmentVariable("HUEMARK_TEST_DATA")).filePath(name);
}
} // namespace

class TestPictureCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    // First, so that a large paste meets the picture limit before any file was opened.
    void paste_data();
    void paste();
    void startupPasteFailsQuietly();
    void fileCommand_data();
    void fileCommand();
    void dialogRequestAndNextStart();
    void shortcutsRunTheCommands();
    void cutShortIsSaid_data();
    void cutShortIsSaid();
    void refusedDrops_data();
    void refusedDrops();
    void startupFile_data();
    void startupFile();
    void droppedPictureData_data();
    void droppedPictureData();
    void storedColors_data();
    void storedColors();
    void detailsLine();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_jpegNamedGif;
    QString m_bmp;
    QString m_text;
};

void TestPictureCommands::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QDir(m_dir->path()).mkdir(QStringLiteral("sub"));
    m_jpegNamedGif = m_dir->filePath(QStringLiteral("sub/photo.gif"));
    QVERIFY(SolidPicture(30, 20, kGreen).save(m_jpegNamedGif, "JPG", 100));
    m_bmp = m_dir->filePath(QStringLiteral("green.bmp"));
    QVERIFY(SolidPicture(30, 20, kGreen).save(m_bmp, "BMP"));
    m_text = m_dir->filePath(QStringLiteral("notes.txt"));
    QFile text(m_text);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture\n");
}

void TestPictureCommands::fileCommand_data() {
    QTest::addColumn<QString>("choice"); // what the dialog answers, see below
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("reason"); // in the message about a file that cannot be loaded

    QTest::newRow("cancel changes nothing") << "cancel" << false << "";
    QTest::newRow("a JPEG named .gif loads by its content") << "jpeg" << true << "";
    QTest::newRow("a bitmap") << "bmp" << true << "";
    QTest::newRow("a name with Qt's title placeholder") << "brackets" << true << "";
    QTest::newRow("a text file through all files") << "text" << false << "not a picture";
    QTest::newRow("a file that vanished") << "vanished" << false << "File not found";
    QTest::newRow("an empty file") << "empty" << false << "empty";
    QTest::newRow("a FIFO") << "fifo" << false << "not a file";
    QTest::newRow("a damaged JPEG") << "damaged" << false << "damaged";
    QTest::newRow("a picture over the limit") << "huge" << false << "too large";
    // A file dropped on the window opens just as a chosen one.
    QTest::newRow("a bitmap dropped") << "drop bmp" << true << "";
    QTest::newRow("a text file dropped") << "drop text" << false << "not a picture";
    QTest::newRow("a name that is not UTF-8, dropped") << "drop latin1" << true << "";
    QTest::newRow("a name that is not UTF-8, chosen") << "latin1" << true << "";
}

void TestPictureCommands::fileCommand() {
    QFETCH(QString, choice);
    QFETCH(bool, loads);
    QFETCH(QString, reason);

    TestWindow w;
    prepareTaggedWindow(w);
    const QImage shownBefore = w.form->picColor->Image();
    const QImage cleanBefore = w.form->imgCache->picture().image();
    w.form->setCaption(QStringLiteral("before"));
    w.form->dlgWinDialog->FileName = QStringLiteral("/nowhere/NoFile.gif");
    const QString cwdBefore = QDir::currentPath();

    QString path;
    const QString copies = m_dir->filePath(QStringLiteral("copies"));
    QDir().mkpath(copies);
    if (choice == QLatin1String("jpeg")) {
        path = m_jpegNamedGif;
    } else if (choice == QLatin1String("bmp") || choice == QLatin1String("drop bmp")) {
        path = m_bmp;
    } else if (choice == QLatin1String("brackets")) {
        path = m_dir->filePath(QStringLiteral("odd[*]name.bmp"));
        QVERIFY(QFile::copy(m_bmp, path));
    } else if (choice == QLatin1String("text") || choice == QLatin1String("drop text")) {
        path = m_text;
    } else if (choice == QLatin1String("vanished")) {
        path = m_dir->filePath(QStringLiteral("gone.bmp"));
    } else if (choice == QLatin1String("empty")) {
        path = copies + QStringLiteral("/empty.gif");
        QFile empty(path);
        QVERIFY(empty.open(QIODevice::WriteOnly));
    } else if (choice == QLatin1String("fifo")) {
        path = copies + QStringLiteral("/pipe.bmp");
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (choice == QLatin1String("damaged")) {
        path = copies + QStringLiteral("/damaged.jpg");
        QVERIFY(QFile::copy(fixture(QStringLiteral("raster/damaged-jpeg-header-only.jpg")), path));
    } else if (choice.endsWith(QLatin1String("latin1"))) {
        // "café" in Latin-1, as older systems and archives still name files.
        const QByteArray name = QFile::encodeName(copies) + "/caf\xE9.bmp";
        QVERIFY(QFile::copy(m_bmp, copies + QStringLiteral("/plain.bmp")));
        QCOMPARE(::rename(QFile::encodeName(copies + QStringLiteral("/plain.bmp")).constData(),
                          name.constData()),
                 0);
        path = FileNameText(name);
    } else if (choice == QLatin1String("huge")) {
        path = copies + QStringLiteral("/huge.bmp");
        QVERIFY(QFile::copy(fixture(QStringLiteral("raster/damaged-bmp-huge.bmp")), path));
    }
    w.form->cmdFile->setFocus();
    if (choice.startsWith(QLatin1String("drop"))) {
        QMimeData data;
        // The address as a file manager sends it: the name's bytes percent-encoded.
        data.setUrls({QUrl::fromEncoded("file://" + SystemFileName(path).toPercentEncoding("/"))});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(w.form.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(w.form.get(), &drop);
    } else {
        w.fakes.fileDialog->answers.push_back(path); // a null path is Cancel
        w.form->cmdFile_Click();
    }

    QCOMPARE(w.form->grdList->Rows(), 3); // the list is never touched
    if (choice == QLatin1String("cancel")) {
        QCOMPARE(w.form->Caption(), QStringLiteral("before"));
        QCOMPARE(w.form->dlgWinDialog->FileName, QStringLiteral("/nowhere/NoFile.gif"));
        QCOMPARE(QDir::currentPath(), cwdBefore);
        QVERIFY(w.fakes.messageBox->messages.empty());
        return;
    }
    // The dialog proposes the choice next time, and starts in its folder.
    QCOMPARE(w.form->dlgWinDialog->FileName, path);
    QCOMPARE(QDir::currentPath(), QFileInfo(path).absolutePath());
    QVERIFY(w.form->picColor->hasFocus());
    if (loads) {
        QCOMPARE(w.form->Caption(), path);
        // The tag is gone; the new picture shows, and the clean copy shares its pixels.
        QVERIFY(!tagShows(w.form->picColor));
        const ColorValue c = w.form->picColor->Point(5, 5);
        QVERIFY2(std::abs((c >> 8 & 0xFF) - 0xFF) <= 2 && (c & 0xFF) <= 2, qPrintable(WebCode(c)));
        QCOMPARE(w.form->picColor->shownImage().constBits(),
                 w.form->imgCache->picture().image().constBits());
        QVERIFY(w.fakes.messageBox->messages.empty());
    } else {
        // Reported, and nothing else changes: the title never names a picture not shown.
        QCOMPARE(w.form->Caption(), QStringLiteral("before"));
        QCOMPARE(w.form->picColor->Image(), shownBefore);
        QCOMPARE(w.form->imgCache->picture().image(), cleanBefore);
        QCOMPARE(w.fakes.messageBox->messages.size(), size_t(1));
        const auto& message = w.fakes.messageBox->messages.front();
        QCOMPARE(message.caption, QStringLiteral("Huemark"));
        QVERIFY2(message.text.contains(path) && message.text.contains(reason, Qt::CaseInsensitive),
                 qPrintable(message.text));
    }
}

void TestPictureCommands::dialogRequestAndNextStart() {
    TestWindow w;
    QDir::setCurrent(m_dir->path());
    const QString start = QDir::currentPath();
    w.form->dlgWinDialog->FileName = QStringLiteral("/home/someone/NoFile.gif");
    w.fakes.fileDialog->answers.push_back(m_jpegNamedGif);
    w.fakes.fileDialog->answers.push_back(QString());
    w.form->cmdFile_Click();
    w.form->cmdFile_Click();

    const auto& requests = w.fakes.fileDialog->requests;
    QCOMPARE(requests.size(), size_t(2));
    QCOMPARE(requests[0].filters,
             (QStringList{"Graphic files (*.gif *.jpg *.bmp *.ico *.cur *.rle *.wmf *.emf *.png "
                          "*.jpeg *.webp *.avif *.heic *.heif *.jxl *.tif *.tiff *.svg)",
                          "All files (*)"}));
    QCOMPARE(requests[0].selectedFilter, 0);
    QVERIFY(requests[0].fileMustExist);
    QCOMPARE(requests[0].initialDir, start);
    QCOMPARE(requests[0].proposedFile, QStringLiteral("/home/someone/NoFile.gif"));
    // The second dialog starts in the first choice's folder and proposes that file.
    QCOMPARE(requests[1].initialDir, QFileInfo(m_jpegNamedGif).absolutePath());
    QCOMPARE(requests[1].proposedFile, m_jpegNamedGif);
    QCOMPARE(w.form->dlgWinDialog->Flags, 4100);
}

void TestPictureCommands::paste_data() {
    QTest::addColumn<QString>("clipboard"); // what the clipboard holds, see below
    QTest::addColumn<bool>("ready");        // the window-ready flag
    QTest::addColumn<bool>("pointerOnPicture");
    QTest::addColumn<QString>("outcome"); // "green", "empty" or "unchanged"
    QTest::addColumn<QString>("message"); // in the message shown; none when empty

    // Qt's readers once refused more than 128 MiB until a file had been opened.
    QTest::newRow("a large GIF before any file") << "large" << true << true << "green"
                                                 << "";
    QTest::newRow("picture") << "image" << true << true << "green"
                             << "";
    QTest::newRow("PNG preferred to BMP") << "png+bmp" << true << true << "green"
                                          << "";
    QTest::newRow("only text empties the picture") << "text" << true << true << "empty"
                                                   << "";
    QTest::newRow("during start-up the focus stays") << "image" << false << true << "green"
                                                     << "";
    // Wayland before the pointer has entered the window: its stale place shows no colour.
    QTest::newRow("pointer's place unknown") << "image, pointer unknown" << true << true << "green"
                                             << "";
    QTest::newRow("pointer off the picture") << "image" << true << false << "green"
                                             << "";
    QTest::newRow("an owner that never answers") << "hung" << true << true << "unchanged"
                                                 << "did not answer";
    QTest::newRow("an owner that stops answering mid-transfer")
        << "stops" << true << true << "unchanged"
        << "did not answer";
    QTest::newRow("no answer during start-up is quiet") << "hung" << false << true << "unchanged"
                                                        << "";
    QTest::newRow("a picture over the limit") << "huge" << true << true << "unchanged"
                                              << "too large";
    QTest::newRow("a damaged picture") << "damaged" << true << true << "unchanged"
                                       << "damaged";
    QTest::newRow("an SVG shows what it holds, not a file it names")
        << "svg" << true << true << "green"
        << "";
}

void TestPictureCommands::paste() {
    QFETCH(QString, clipboard);
    QFETCH(bool, ready);
    QFETCH(bool, pointerOnPicture);
    QFETCH(QString, outcome);
    QFETCH(QString, message);
    TestWindow w;
    prepareTaggedWindow(w);
    auto scripted = std::make_shared<ScriptedClipboard>();
    const QImage green = SolidPicture(20, 10, kGreen);
    if (clipboard.startsWith(QLatin1String("image"))) {
        QGuiApplication::clipboard()->setImage(green.convertToFormat(QImage::Format_ARGB32));
    } else if (clipboard == QLatin1String("text")) {
        QGuiApplication::clipboard()->setText(QStringLiteral("just text"));
    } else {
        w.form->services().clipboard = scripted;
    }
    if (clipboard == QLatin1String("large")) {
        // A 6000 x 6000 green screen (137 MiB of pixels) with one pixel drawn on it.
        const QByteArray gif = QByteArray::fromHex("4749463839617017701780000000ff000000002c"
                                                   "00000000010001000002024401003b");
        scripted->offer.push_back({QStringLiteral("image/gif"), gif});
    } else if (clipboard == QLatin1String("png+bmp")) {
        scripted->offer.push_back(
            {QStringLiteral("image/bmp"), encoded(SolidPicture(20, 10, 0x0000FF), "BMP")});
        scripted->offer.push_back({QStringLiteral("image/png"), encoded(green, "PNG")});
    } else if (clipboard == QLatin1String("hung")) {
        scripted->answers = false;
    } else if (clipboard == QLatin1String("stops")) {
        scripted->offer.push_back({QStringLiteral("image/png"), encoded(green, "PNG")});
        scripted->handsOver = false;
    } else if (clipboard == QLatin1String("huge")) {
        // A PNG whose header claims 20000 x 20000 pixels.
        QByteArray png = encoded(green, "PNG");
        qToBigEndian<quint32>(20000, png.data() + 16);
        qToBigEndian<quint32>(20000, png.data() + 20);
        scripted->offer.push_back({QStringLiteral("image/png"), png});
    } else if (clipboard == QLatin1String("svg")) {
        const QString file = fixture(QStringLiteral("raster/bmp-24bit.bmp"));
        const QString svg =
            QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' "
                           "xmlns:xlink='http://www.w3.org/1999/xlink' width='20' "
                           "height='10'><rect width='20' height='10' fill='#00ff00'/>"
                           "<image width='20' height='10' xlink:href='%1'/></svg>")
                .arg(file);
        scripted->offer.push_back({QStringLiteral("image/svg+xml"), svg.toUtf8()});
    } else if (clipboard == QLatin1String("damaged")) {
        QFile damaged(fixture(QStringLiteral("raster/damaged-bmp-header-only.bmp")));
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        scripted->offer.push_back({QStringLiteral("image/bmp"), damaged.readAll()});
    }
    // The read-out shows the blue picture under the pointer, or was hidden off it.
    if (pointerOnPicture) {
        w.pointAt(5, 5);
        QCOMPARE(w.form->txtCursor->text(), WebCode(kBlue));
    } else {
        w.pointAt(5, 5);
        w.fakes.pointer->setPos(w.form->cmdExit->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::processEvents();
    }
    w.fakes.pointer->known = clipboard != QLatin1String("image, pointer unknown");
    const QImage shownBefore = w.form->picColor->Image();
    w.form->setCaption(QStringLiteral("before"));
    SetTag(w.form->picColor, BoolText(ready));
    w.form->cmdFile->setFocus();
    w.form->cmdPaste_Click();

    QCOMPARE(w.form->grdList->Rows(), 3);
    if (outcome == QLatin1String("unchanged")) {
        QCOMPARE(w.form->Caption(), QStringLiteral("before"));
        QCOMPARE(w.form->picColor->Image(), shownBefore);
        QCOMPARE(w.form->txtCursor->text(), WebCode(kBlue));
    } else {
        const ColorValue shown =
            outcome == QLatin1String("green") ? ColorValue(kGreen) : w.form->picColor->BackColor();
        QCOMPARE(w.form->Caption(), QStringLiteral("Pasted from clipboard"));
        QCOMPARE(w.form->picColor->Point(5, 5), shown);
        QCOMPARE(w.form->imgCache->picture().isNull(), outcome == QLatin1String("empty"));
        QVERIFY(!tagShows(w.form->picColor));
        // The read-out tells the new picture's colour at once, or hides off the picture.
        QCOMPARE(w.form->txtCursor->isVisible(), pointerOnPicture && w.fakes.pointer->known);
        if (pointerOnPicture && w.fakes.pointer->known) {
            QCOMPARE(w.form->txtCursor->text(), WebCode(shown));
        }
    }
    if (message.isEmpty()) {
        QVERIFY(w.fakes.messageBox->messages.empty());
    } else {
        QCOMPARE(w.fakes.messageBox->messages.size(), size_t(1));
        QCOMPARE(w.fakes.messageBox->messages.front().caption, QStringLiteral("Huemark"));
        QVERIFY2(w.fakes.messageBox->messages.front().text.contains(message),
                 qPrintable(w.fakes.messageBox->messages.front().text));
    }
    QCOMPARE(w.form->picColor->hasFocus(), ready);
}

// At start-up a clipboard that does not answer leaves the empty picture and the caption
// "Huemark", without a word.
void TestPictureCommands::startupPasteFailsQuietly() {
    TestServices fakes;
    auto hung = std::make_shared<ScriptedClipboard>();
    hung->answers = false;
    fakes.clipboard = hung;
    // The remembered folder is kept: the recovery's change of folder is for one that cannot be
    // entered.
    const QString remembered = QDir(m_dir->path()).canonicalPath();
    fakes.settings->values[QStringLiteral("Huemark/Settings/Path")] = remembered;
    const QString before = QDir::currentPath();
    frmHuemark form(fakes.services());
    form.Form_Load();
    QCOMPARE(form.Caption(), QStringLiteral("Huemark"));
    QVERIFY(form.imgCache->picture().isNull());
    QVERIFY(fakes.messageBox->messages.empty());
    QCOMPARE(QDir::currentPath(), remembered);
    QDir::setCurrent(before);
}

void TestPictureCommands::shortcutsRunTheCommands() {
    TestWindow w;
    QGuiApplication::clipboard()->setImage(SolidPicture(20, 10, kGreen));
    w.form->setCaption(QStringLiteral("before"));
    QTest::keyClick(w.form.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.form->Caption(), QStringLiteral("Pasted from clipboard"));
    QCOMPARE(w.form->picColor->Point(1, 1), ColorValue(kGreen));

    // In the description editor too, Ctrl+V is the picture's paste.
    w.form->setCaption(QStringLiteral("before"));
    w.form->txtDesc->show();
    w.form->txtDesc->setFocus();
    QTest::keyClick(w.form->txtDesc, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.form->Caption(), QStringLiteral("Pasted from clipboard"));
    QCOMPARE(w.form->txtDesc->text(), QString());

    w.fakes.fileDialog->answers.push_back(m_bmp);
    QTest::keyClick(w.form.get(), Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(w.form->Caption(), m_bmp);
}

// Only one local file can be dropped: anything else is refused (the forbidden cursor shows) and
// changes nothing.
// A file cut short shows what it holds, says where it ends over the picture, and a reading
// where it holds nothing says it is no colour of the picture.
void TestPictureCommands::cutShortIsSaid_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("kept"); // bytes; 0: half of them
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QPointF>("held");
    QTest::addColumn<QPointF>("missing");
    QTest::addColumn<QString>("said");
    QTest::newRow("stored from the top down")
        << "raster/region-420.jpg" << 0
        << "The file ends early, at row 30 of 101: the rows below hold no colours of the picture."
        << QPointF(10.5, 29.5) << QPointF(10.5, 30.5)
        << "the file ends at row 30: no colour of the picture";
    // Two rows and a half of 7 x 5, its lowest.
    QTest::newRow("stored from the bottom up")
        << "raster/bmp-24bit.bmp" << 54 + 60
        << "The file ends early: stored from the bottom up, it holds rows 3 to 4 only; the rows "
           "above hold no colours of the picture."
        << QPointF(1.5, 3.5) << QPointF(1.5, 2.5)
        << "the file holds rows from 3 only: no colour of the picture";
}

void TestPictureCommands::cutShortIsSaid() {
    QFETCH(QString, file);
    QFETCH(int, kept);
    QFile whole(fixture(file));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString path = m_dir->filePath(QStringLiteral("cut.") + QFileInfo(file).suffix());
    QFile cut(path);
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(kept == 0 ? bytes.size() / 2 : kept));
    cut.close();

    TestWindow w;
    w.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    w.fakes.fileDialog->answers.push_back(path);
    w.form->cmdFile_Click();
    QCOMPARE(w.form->Caption(), path);
    QTRY_VERIFY(QToolTip::isVisible());
    QTEST(QToolTip::text(), "notice");
    w.form->mnuViewDetails->trigger();
    QVERIFY(w.form->mnuViewDetails->isChecked());
    const auto pointAt = [&w](QPointF at) {
        w.form->picColor_MouseMove(0, 0, float(at.x()), float(at.y()));
    };
    QFETCH(QPointF, held);
    QFETCH(QPointF, missing);
    QFETCH(QString, said);
    pointAt(held);
    const QString position = QStringLiteral("%1, %2").arg(int(held.x())).arg(int(held.y()));
    QVERIFY2(w.form->lblDetails->text().startsWith(position),
             qPrintable(w.form->lblDetails->text()));
    QVERIFY2(!w.form->lblDetails->text().contains(QStringLiteral("no colour of the picture")),
             qPrintable(w.form->lblDetails->text()));
    pointAt(missing);
    QVERIFY2(w.form->lblDetails->text().endsWith(said), qPrintable(w.form->lblDetails->text()));
}

void TestPictureCommands::refusedDrops_data() {
    QTest::addColumn<QString>("what");
    QTest::newRow("text") << "text";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("two files") << "two";
    QTest::newRow("a remote address") << "remote";
}

void TestPictureCommands::refusedDrops() {
    QFETCH(QString, what);
    TestWindow w;
    w.form->setCaption(QStringLiteral("before"));
    QMimeData data;
    if (what == QLatin1String("text")) {
        data.setText(m_bmp);
    } else if (what == QLatin1String("folder")) {
        data.setUrls({QUrl::fromLocalFile(m_dir->path())});
    } else if (what == QLatin1String("two")) {
        data.setUrls({QUrl::fromLocalFile(m_bmp), QUrl::fromLocalFile(m_text)});
    } else {
        data.setUrls({QUrl(QStringLiteral("https://huemark.example/picture.bmp"))});
    }
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w.form.get(), &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w.form.get(), &drop);
    QCOMPARE(w.form->Caption(), QStringLiteral("before"));
    QVERIFY(w.fakes.messageBox->messages.empty());
}

// A file named on the command line opens instead of the start-up paste, as a dropped file does;
// one that fails is reported and leaves the empty picture and the caption "Huemark".
void TestPictureCommands::startupFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<quint32>("shown"); // colour value at (4, 4); 0xFFFFFFFF: no picture
    QTest::newRow("a Display P3 PNG, in sRGB") << "modern/png-p3.png" << quint32(0x593500);
    QTest::newRow("a file that is not there") << "modern/none.png" << quint32(0xFFFFFFFF);
}

void TestPictureCommands::startupFile() {
    QFETCH(QString, file);
    QFETCH(quint32, shown);
    TestServices fakes;
    auto clipboard = std::make_shared<ScriptedClipboard>();
    clipboard->offer.push_back(
        {QStringLiteral("image/png"), encoded(SolidPicture(20, 10, kGreen), "PNG")});
    fakes.clipboard = clipboard;
    const QString before = QDir::currentPath();
    frmHuemark form(fakes.services());
    const QString path = fixture(file);
    form.setStartupFile(path);
    form.Form_Load();
    QDir::setCurrent(before);
    if (shown == 0xFFFFFFFF) {
        QCOMPARE(form.Caption(), QStringLiteral("Huemark"));
        QVERIFY(form.imgCache->picture().isNull());
        QCOMPARE(fakes.messageBox->messages.size(), size_t(1));
        QVERIFY(fakes.messageBox->messages.front().text.contains(path));
    } else {
        QCOMPARE(form.Caption(), path);
        QCOMPARE(form.dlgWinDialog->FileName, path);
        QCOMPARE(form.picColor->Point(4, 4), ColorValue(shown));
        QVERIFY(fakes.messageBox->messages.empty());
    }
}

// A browser's drag brings the picture's own data: it opens like a file, named by its address.
void TestPictureCommands::droppedPictureData_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("file"); // the data dropped
    QTest::addColumn<QString>("url");  // the drop's address, if any
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message"); // empty when it opens

    QTest::newRow("WebP with its address") << "image/webp"
                                           << "modern/webp-p3.webp"
                                           << "https://huemark.example/p3.webp"
                                           << "https://huemark.example/p3.webp"
                                           << "";
    QTest::newRow("PNG without an address") << "image/png"
                                            << "modern/png-rgb8.png"
                                            << ""
                                            << "Dropped picture"
                                            << "";
    QTest::newRow("damaged data") << "image/heic"
                                  << "modern/damaged-truncated-heic-lossless.heic"
                                  << ""
                                  << "before"
                                  << "damaged";
}

void TestPictureCommands::droppedPictureData() {
    QFETCH(QString, format);
    QFETCH(QString, file);
    QFETCH(QString, url);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    TestWindow w;
    w.form->setCaption(QStringLiteral("before"));
    QFile bytes(fixture(file));
    QVERIFY(bytes.open(QIODevice::ReadOnly));
    QMimeData data;
    if (!url.isEmpty()) {
        data.setUrls({QUrl(url)});
    }
    data.setData(format, bytes.readAll());
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w.form.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w.form.get(), &drop);
    QCOMPARE(w.form->Caption(), caption);
    if (message.isEmpty()) {
        QVERIFY(w.fakes.messageBox->messages.empty());
        // The P3 picture shows converted, the plain one as stored: #003559 and #123456.
        QCOMPARE(w.form->picColor->Point(4, 4),
                 ColorValue(file.contains(QLatin1String("p3")) ? 0x593500 : 0x563412));
    } else {
        QCOMPARE(w.fakes.messageBox->messages.size(), size_t(1));
        QVERIFY2(w.fakes.messageBox->messages.front().text.contains(message),
                 qPrintable(w.fakes.messageBox->messages.front().text));
    }
}

// View, Colours as stored in the file: read from the options at start-up, applied to the
// picture shown at once, written back at shut-down. A damaged profile shows the stored values
// with a notice, never a refusal.
void TestPictureCommands::storedColors_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("option");  // stored [Options] StoredColours; empty: none
    QTest::addColumn<quint32>("first");   // colour value at (4, 4) as opened
    QTest::addColumn<quint32>("toggled"); // after the menu item
    QTest::addColumn<QString>("line");    // the View menu's profile line as opened
    QTest::addColumn<bool>("notice");

    QTest::newRow("P3, converted by default")
        << "modern/png-p3.png"
        << "" << quint32(0x593500) << quint32(0x563412)
        << "Colour profile Display P3: shown in sRGB" << false;
    QTest::newRow("P3, stored values remembered")
        << "modern/png-p3.png"
        << "1" << quint32(0x563412) << quint32(0x593500)
        << "Colour profile Display P3: stored values shown" << false;
    QTest::newRow("an option not in its form is the default")
        << "modern/png-p3.png"
        << "yes" << quint32(0x593500) << quint32(0x563412)
        << "Colour profile Display P3: shown in sRGB" << false;
    QTest::newRow("no profile") << "modern/png-rgb8.png"
                                << "" << quint32(0x563412) << quint32(0x563412)
                                << "No colour profile: stored values are the colours" << false;
    QTest::newRow("damaged profile") << "modern/png-damaged-iccp.png"
                                     << "" << quint32(0x563412) << quint32(0x563412)
                                     << "Colour profile unusable: stored values shown" << true;
}

void TestPictureCommands::storedColors() {
    QFETCH(QString, file);
    QFETCH(QString, option);
    QFETCH(quint32, first);
    QFETCH(quint32, toggled);
    QFETCH(QString, line);
    QFETCH(bool, notice);
    TestServices fakes;
    if (!option.isEmpty()) {
        fakes.settings->values[QStringLiteral("Huemark/Options/StoredColours")] = option;
    }
    const QString before = QDir::currentPath();
    frmHuemark form(fakes.services());
    form.Form_Load();
    fakes.fileDialog->answers.push_back(fixture(file));
    form.cmdFile_Click();
    QDir::setCurrent(before);
    QCOMPARE(form.picColor->Point(4, 4), ColorValue(first));
    QCOMPARE(form.mnuViewProfile->text(), line);
    QCOMPARE(!form.ColorNotice().isEmpty(), notice);
    QVERIFY(fakes.messageBox->messages.empty());

    // A tag and a zoom before the toggle: both stay, the tag drawn again in the new colours.
    form.chkTags->setChecked(true);
    form.AddToGrid(4, 4);
    form.picColor->setZoom(2, QPointF(0, 0));
    const bool wasChecked = form.mnuViewStoredColors->isChecked();
    form.mnuViewStoredColors->trigger();
    QCOMPARE(form.picColor->Point(4, 4), ColorValue(toggled));
    QCOMPARE(form.picColor->zoom(), 2.0);
    QCOMPARE(form.picColor->Point(5, 5), InverseColor(ColorValue(toggled)));
    QCOMPARE(form.imgCache->picture().image(), form.picColor->picture().image());
    form.Form_Unload();
    QCOMPARE(fakes.settings->values[QStringLiteral("Huemark/Options/StoredColours")],
             wasChecked ? QStringLiteral("0") : QStringLiteral("1"));
}

// A 16-bit Display P3 picture with View, Details on (as remembered): the line gives each pixel's
// stored value, the profile and whether showing it clipped it; the title names the profile; a pick
// keeps the same values, and the list file and the color() notations give them back.
void TestPictureCommands::detailsLine() {
    TestServices fakes;
    fakes.settings->values[QStringLiteral("Huemark/Options/Details")] = QStringLiteral("1");
    frmHuemark form(fakes.services());
    form.Form_Load();
    QVERIFY(form.mnuViewDetails->isChecked());
    const QString path = fixture(QStringLiteral("modern/png-p3-16.png"));
    fakes.fileDialog->answers.push_back(path);
    form.cmdFile_Click();
    QCOMPARE(form.windowTitle(), path + QStringLiteral(" (Display P3)"));
    QCOMPARE(form.Caption(), path);

    // The exact values lcms2's transicc gives, unclipped, on a scale of 0 to 255.
    QFile expected(fixture(QStringLiteral("modern/expected-precise.txt")));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = expected.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    const QStringList stored{"rgb16(65535 0 0)", "rgb16(4660 22136 39612)",
                             "rgb16(30000 30000 30000)"};
    for (int x = 0; x < 3; ++x) {
        form.picColor_MouseMove(0, 0, float(x) + 0.5f, 0.5f);
        const QString text = form.lblDetails->text();
        const QString start = QStringLiteral("%1, 0 · %2 · Display P3 · shown %3")
                                  .arg(x)
                                  .arg(stored[x], WebCode(form.picColor->Point(float(x), 0)));
        QVERIFY2(text.startsWith(start), qPrintable(text));
        QCOMPARE(text.contains(QStringLiteral("clipped, ΔE2000")), x < 2);

        form.AddToGrid(float(x) + 0.5f, 0.5f);
        const PickOrigin& origin = form.picks().at(0).origin;
        QCOMPARE(StoredText(*origin.stored), stored[x]);
        QCOMPARE(origin.stored->space, QStringLiteral("display-p3"));
        const QList<QByteArray> exact = lines[x].simplified().split(' ');
        for (int c = 0; c < 3; ++c) {
            QVERIFY2(qAbs((*origin.precise)[size_t(c)] - exact[c].toDouble() / 255) < 1e-4,
                     lines[x].constData());
        }
    }
    const Pick& red = form.picks().at(2);
    QCOMPARE(ColorAs(Notation::ColorStored, red), QStringLiteral("color(display-p3 1 0 0)"));
    QVERIFY(ColorAs(Notation::ColorSrgb, red).startsWith(QStringLiteral("color(srgb 1.0930")));
    const QByteArray json = WriteJson({red});
    QVERIFY2(
        json.contains(R"("stored": {"bits": 16, "values": [65535, 0, 0], "space": "display-p3"})"),
        json.constData());
    QVERIFY2(json.contains(R"("clipped": true)"), json.constData());
    form.Form_Unload();
    QCOMPARE(fakes.settings->values[QStringLiteral("Huemark/Options/Details")], "1");
}

QTEST_MAIN(TestPictureCommands)
#include "test_picturecommands.moc"
