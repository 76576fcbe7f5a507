// The File and Paste commands: what the dialog is asked, what a choice, a Cancel or a bad file
// leaves behind, what the clipboard gives, and that the list is never touched.

#include "platform/Tag.h"
#include "support/TestSupport.h"

#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

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
} // namespace

class TestPictureCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fileCommand_data();
    void fileCommand();
    void dialogRequestAndNextStart();
    void paste_data();
    void paste();
    void shortcutsRunTheCommands();

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
    QTest::addColumn<QString>("choice"); // "cancel", "jpeg", "bmp", "text", "vanished"
    QTest::addColumn<bool>("loads");
    QTest::addColumn<bool>("captionIsPath");

    QTest::newRow("cancel changes nothing") << "cancel" << false << false;
    QTest::newRow("a JPEG named .gif loads by its content") << "jpeg" << true << true;
    QTest::newRow("a bitmap") << "bmp" << true << true;
    QTest::newRow("a name with Qt's title placeholder") << "brackets" << true << true;
    QTest::newRow("a text file through all files") << "text" << false << true;
    QTest::newRow("a file that vanished") << "vanished" << false << true;
}

void TestPictureCommands::fileCommand() {
    QFETCH(QString, choice);
    QFETCH(bool, loads);
    QFETCH(bool, captionIsPath);

    TestWindow w;
    prepareTaggedWindow(w);
    const QImage shownBefore = w.form->picColor->Image();
    const QString captionBefore = w.form->Caption();
    w.form->dlgWinDialog->FileName = QStringLiteral("/nowhere/NoFile.gif");
    const QString cwdBefore = QDir::currentPath();

    QString path;
    if (choice == QLatin1String("jpeg")) {
        path = m_jpegNamedGif;
    } else if (choice == QLatin1String("bmp")) {
        path = m_bmp;
    } else if (choice == QLatin1String("brackets")) {
        path = m_dir->filePath(QStringLiteral("odd[*]name.bmp"));
        QVERIFY(QFile::copy(m_bmp, path));
    } else if (choice == QLatin1String("text")) {
        path = m_text;
    } else if (choice == QLatin1String("vanished")) {
        path = m_dir->filePath(QStringLiteral("gone.bmp"));
    }
    w.fakes.fileDialog->answers.push_back(path); // a null path is Cancel
    w.form->cmdFile->setFocus();
    w.form->cmdFile_Click();

    QCOMPARE(w.form->Caption(), captionIsPath ? path : captionBefore);
    QCOMPARE(w.form->dlgWinDialog->FileName,
             captionIsPath ? path : QStringLiteral("/nowhere/NoFile.gif"));
    QCOMPARE(w.form->grdList->Rows(), 3); // the list is never touched
    if (loads) {
        QVERIFY(w.form->picColor->hasFocus());
        // The tag is gone; the new picture shows, and the clean copy shares its pixels.
        QVERIFY(!tagShows(w.form->picColor));
        const ColorValue c = w.form->picColor->Point(5, 5);
        QVERIFY2(std::abs((c >> 8 & 0xFF) - 0xFF) <= 2 && (c & 0xFF) <= 2, qPrintable(WebCode(c)));
        QCOMPARE(w.form->picColor->shownImage().constBits(),
                 w.form->imgCache->picture().constBits());
        QCOMPARE(QDir::currentPath(), QFileInfo(path).absolutePath());
    } else {
        // The picture on show keeps its tags; a bad file leaves the clean copy empty.
        QCOMPARE(w.form->picColor->Image(), shownBefore);
        QCOMPARE(w.form->imgCache->picture().isNull(), captionIsPath);
        if (!captionIsPath) {
            QCOMPARE(QDir::currentPath(), cwdBefore);
        }
    }
    QVERIFY(w.fakes.messageBox->messages.empty()); // failures are silent
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
             (QStringList{"Graphic files (*.gif *.jpg *.bmp *.ico *.cur *.rle *.wmf *.emf)",
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
    QTest::addColumn<bool>("image"); // an image on the clipboard, or only text
    QTest::addColumn<bool>("ready"); // the window-ready flag
    QTest::newRow("picture") << true << true;
    QTest::newRow("only text empties the picture") << false << true;
    QTest::newRow("during start-up the focus stays") << true << false;
}

void TestPictureCommands::paste() {
    QFETCH(bool, image);
    QFETCH(bool, ready);
    TestWindow w;
    prepareTaggedWindow(w);
    if (image) {
        QGuiApplication::clipboard()->setImage(
            SolidPicture(20, 10, kGreen).convertToFormat(QImage::Format_ARGB32));
    } else {
        QGuiApplication::clipboard()->setText(QStringLiteral("just text"));
    }
    SetTag(w.form->picColor, BoolText(ready));
    w.form->cmdFile->setFocus();
    w.form->cmdPaste_Click();

    QCOMPARE(w.form->Caption(), QStringLiteral("Pasted from clipboard"));
    QCOMPARE(w.form->picColor->Point(5, 5),
             image ? ColorValue(kGreen) : w.form->picColor->BackColor());
    QCOMPARE(w.form->imgCache->picture().isNull(), !image);
    QVERIFY(!tagShows(w.form->picColor));
    QCOMPARE(w.form->grdList->Rows(), 3);
    QCOMPARE(w.form->picColor->hasFocus(), ready);
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

QTEST_MAIN(TestPictureCommands)
#include "test_picturecommands.moc"
