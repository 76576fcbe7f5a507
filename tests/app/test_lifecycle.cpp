// The window's life: the layout that follows its size, start-up from the remembered settings
// (good, missing and malformed), the writes of shut-down by each way out, description editing,
// the tags option and clearing, and two details of how the radius box looks and behaves.

#include "app/LayoutRules.h"
#include "controls/Tag.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <algorithm>

namespace {
constexpr quint32 kRed = 0x0000FF;

QString rowText(FlexGrid* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->Cols(); ++c) {
        cells << grid->TextMatrix(row, c);
    }
    return cells.join(QLatin1Char('|'));
}

// Runs start-up over a store holding the given "key=value" settings, then shows the window.
std::unique_ptr<frmHuemark> startWith(TestServices& fakes, const QStringList& stored) {
    for (const QString& entry : stored) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        fakes.settings->values[QStringLiteral("Huemark/Settings/") + entry.left(eq)] =
            entry.mid(eq + 1);
    }
    auto form = std::make_unique<frmHuemark>(fakes.services());
    form->Form_Load();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        qFatal("the window was never exposed");
    }
    form->activateWindow();
    return form;
}

void clickCell(FlexGrid* grid, int row, int col) {
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Whether this process runs with a row's settings ("NAME=value", blank-separated).
bool runsWith(const QString& settings) {
    const QStringList each = settings.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(each.begin(), each.end(), [](const QString& setting) {
        return qEnvironmentVariable(qPrintable(setting.section(QLatin1Char('='), 0, 0))) ==
               setting.section(QLatin1Char('='), 1);
    });
}

// Keeps the process's current folder as a test found it.
struct CurrentFolderGuard {
    QString saved = QDir::currentPath();
    ~CurrentFolderGuard() { QDir::setCurrent(saved); }
};
} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void minimizedIsNotLaidOut();
    void startup_data();
    void startup();
    void shutdown_data();
    void shutdown();
    void nothingRunsAfterShutdown();
    void editor_data();
    void editor();
    void tagsOption();
    void clear_data();
    void clear();
    void radiusBoxLooks();
    void copy_data();
    void copy();
};

// Pixels at 96 DPI, 15 twips to the pixel, unless a row names another density: there the minimum
// falls between whole pixels, and a correction to it that read back short would correct again
// without end. The window is its frame; offscreen it has none.
void TestLifecycle::layout_data() {
    QTest::addColumn<QSize>("request"); // outer size asked for, pixels
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("description");
    QTest::addColumn<int>("editor");
    QTest::addColumn<QString>("density"); // the toolkit's settings for it, read once at start

    QTest::newRow("1 x 1 grows to the minimum")
        << QSize(1, 1) << QSize(580, 200) << QSize(553, 97) << 353 << 83 << 56 << QString();
    QTest::newRow("default size") << QSize(600, 200) << QSize(600, 200) << QSize(573, 97) << 373
                                  << 103 << 76 << QString();
    QTest::newRow("10000 twips wide")
        << QSize(667, 300) << QSize(667, 300) << QSize(640, 197) << 440 << 170 << 143 << QString();
    QTest::newRow("too low only") << QSize(900, 120) << QSize(900, 200) << QSize(873, 97) << 673
                                  << 403 << 376 << QString();
    QTest::newRow("100 DPI, scaling off")
        << QSize(1, 1) << QSize(604, 208) << QSize(576, 101) << 368 << 87 << 59
        << "QT_FONT_DPI=100 QT_ENABLE_HIGHDPI_SCALING=0";
    QTest::newRow("110 DPI, scale rounded")
        << QSize(1, 1) << QSize(665, 229) << QSize(634, 111) << 405 << 96 << 65
        << "QT_FONT_DPI=110 QT_SCALE_FACTOR_ROUNDING_POLICY=Round";
    QTest::newRow("125 DPI, scaling off")
        << QSize(1, 1) << QSize(755, 260) << QSize(720, 126) << 460 << 108 << 73
        << "QT_FONT_DPI=125 QT_ENABLE_HIGHDPI_SCALING=0";
}

void TestLifecycle::layout() {
    QFETCH(QSize, request);
    QFETCH(QSize, window);
    QFETCH(QSize, picture);
    QFETCH(int, grid);
    QFETCH(int, description);
    QFETCH(int, editor);
    QFETCH(QString, density);

    if (!runsWith(density)) {
        // The row runs in a process of its own, started with the density's settings; one that
        // crashes ends at once, without the test library's backtrace of a deep recursion.
        QProcess row;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& setting : density.split(QLatin1Char(' '))) {
            environment.insert(setting.section(QLatin1Char('='), 0, 0),
                               setting.section(QLatin1Char('='), 1));
        }
        row.setProcessEnvironment(environment);
        row.setProcessChannelMode(QProcess::MergedChannels);
        row.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("-nocrashhandler"),
                   QStringLiteral("layout:") + QTest::currentDataTag()});
        QVERIFY(row.waitForFinished(60000));
        const QByteArray said = row.readAll();
        QVERIFY2(row.exitStatus() == QProcess::NormalExit, ("it crashed: " + said).constData());
        QVERIFY2(row.exitCode() == 0, said.constData());
        return;
    }
    TestWindow w;
    frmHuemark& form = *w.form;
    const double dpi = form.screen()->logicalDotsPerInchX();
    const auto pixels = [dpi](double twips) { return qRound(twips * dpi / 1440); };
    // What the window manager is told.
    QCOMPARE(form.minimumSize(), QSize(pixels(8700), pixels(3000)));
    // As under a window manager that ignores it: the layout itself keeps the minimum.
    form.setMinimumSize(0, 0);
    form.resize(request);
    QCOMPARE(form.frameGeometry().size(), window);
    // Grown to the minimum, the window reads back as the minimum itself: one that read short of
    // it would be corrected again, without end where the desktop answers every request.
    if (request.width() < window.width()) {
        QCOMPARE(form.Width(), LayoutRules::kMinWidth);
    }
    if (request.height() < window.height()) {
        QCOMPARE(form.Height(), LayoutRules::kMinHeight);
    }
    QCOMPARE(form.picColor->size(), picture);
    QCOMPARE(form.grdList->width(), grid);
    QCOMPARE(form.grdList->columnWidth(5), description);
    QCOMPARE(form.txtDesc->width(), editor);
    // Only sizes change: every control stays where the window definition put it.
    QCOMPARE(form.picColor->pos(), QPoint(pixels(120), pixels(720)));
    QCOMPARE(form.grdList->geometry().topLeft(), QPoint(pixels(3120), 0));
    QCOMPARE(form.grdList->height(), pixels(615));
    QCOMPARE(form.txtDesc->pos(), QPoint(pixels(6910), pixels(320)));
}

void TestLifecycle::minimizedIsNotLaidOut() {
    TestWindow w;
    frmHuemark& form = *w.form;
    const QSize picture = form.picColor->size();
    form.setWindowState(Qt::WindowMinimized);
    form.resize(900, 400);
    QCOMPARE(form.picColor->size(), picture);
    form.setWindowState(Qt::WindowNoState);
    form.resize(901, 400);
    QCOMPARE(form.picColor->size(), QSize(874, 297));
}

void TestLifecycle::startup_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QRect>("frame"); // pixels
    QTest::addColumn<bool>("tags");
    QTest::addColumn<QString>("printTip");
    QTest::addColumn<QString>("radiusText");
    QTest::addColumn<QString>("folder"); // "home", "tmp" or a path
    QTest::addColumn<QString>("fileName");

    const QString tmp = QDir::tempPath();
    QTest::newRow("first run") << QStringList() << QRect(7, 7, 600, 200) << true
                               << "Print the list and screen"
                               << " 0"
                               << "home"
                               << "home/NoFile.gif";
    QTest::newRow("remembered") << QStringList{"Left=1500",   "Top=750",
                                               "Width=12000", "Height=4500",
                                               "Tags=0",      "Average=3",
                                               "Path=" + tmp, "PathFile=" + tmp + "/x.gif"}
                                << QRect(100, 50, 800, 300) << false << "Print list"
                                << " 3" << tmp << tmp + "/x.gif";
    QTest::newRow("narrow and low widened")
        << QStringList{"Width=5000", "Height=1000"} << QRect(7, 7, 580, 200) << true
        << "Print the list and screen"
        << " 0"
        << "home"
        << "home/NoFile.gif";
    QTest::newRow("malformed values read as missing")
        << QStringList{"Left=abc", "Top=nan",   "Width=-9000", "Height=1e40",
                       "Tags=7",   "Average=9", "Path=",       "PathFile=/a/b.gif"}
        << QRect(7, 7, 600, 200) << true << "Print the list and screen"
        << " 0"
        << "home"
        << "/a/b.gif";
    QTest::newRow("off every screen")
        << QStringList{"Left=90000", "Top=-9000"} << QRect(7, 7, 600, 200) << true
        << "Print the list and screen"
        << " 0"
        << "home"
        << "home/NoFile.gif";
    QTest::newRow("vanished folder") << QStringList{"Path=/no/such/folder", "Average=5"}
                                     << QRect(7, 7, 600, 200) << true << "Print the list and screen"
                                     << " 5"
                                     << "home"
                                     << "home/NoFile.gif";
}

void TestLifecycle::startup() {
    QFETCH(QStringList, stored);
    QFETCH(QRect, frame);
    QFETCH(bool, tags);
    QFETCH(QString, printTip);
    QFETCH(QString, radiusText);
    QFETCH(QString, folder);
    QFETCH(QString, fileName);

    CurrentFolderGuard guard;
    QDir::setCurrent(QDir::rootPath());
    const QString home = QDir::homePath();
    folder.replace(QLatin1String("home"), home);
    fileName.replace(QLatin1String("home"), home);

    TestServices fakes;
    const auto form = startWith(fakes, stored);
    QCOMPARE(form->frameGeometry(), frame);
    QCOMPARE(form->chkTags->isChecked(), tags);
    QCOMPARE(form->cmdPrint->toolTip(), printTip);
    QCOMPARE(form->txtNeighbors->text(), radiusText);
    QCOMPARE(form->hscNeighbors->minimum(), 0);
    QCOMPARE(form->hscNeighbors->maximum(), 5);
    QCOMPARE(form->picColor->ScaleMode(), PictureBox::kScalePixels);
    QCOMPARE(QDir::currentPath(), QDir(folder).canonicalPath());
    QCOMPARE(form->dlgWinDialog->FileName, fileName);
    QCOMPARE(form->dlgWinDialog->HelpFile,
             QCoreApplication::applicationDirPath() + QStringLiteral("/Huemark.html"));
    QCOMPARE(form->Caption(), QStringLiteral("Pasted from clipboard"));
    QVERIFY(TagIsTrue(form->picColor));
    QVERIFY(!TagIsTrue(form->chkTags));
    QVERIFY(!TagIsTrue(form->hscNeighbors));
    QVERIFY(fakes.settings->writes.isEmpty());
}

void TestLifecycle::shutdown_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("keys"); // written, in order

    const QStringList all{"Left", "Top", "Width", "Height", "Path", "PathFile", "Tags", "Average"};
    const QStringList noGeometry{"Path", "PathFile", "Tags", "Average"};
    for (const char* way : {"button", "menu", "close"}) {
        QTest::addRow("%s", way) << way << int(Qt::WindowNoState) << all;
        QTest::addRow("%s, minimized", way) << way << int(Qt::WindowMinimized) << noGeometry;
    }
    QTest::newRow("maximized") << "button" << int(Qt::WindowMaximized) << all;
}

void TestLifecycle::shutdown() {
    QFETCH(QString, way);
    QFETCH(int, state);
    QFETCH(QStringList, keys);

    CurrentFolderGuard guard;
    const QString tmp = QDir(QDir::tempPath()).canonicalPath();
    TestServices fakes;
    const auto form =
        startWith(fakes, {"Left=1500", "Top=750", "Tags=0", "Average=3", "Path=" + tmp});
    form->setWindowState(Qt::WindowState(state));
    QCoreApplication::processEvents();
    if (way == QLatin1String("button")) {
        form->cmdExit->click();
    } else if (way == QLatin1String("menu")) {
        form->mnuFileExit->trigger();
    } else {
        form->close();
    }

    // The described keys first; options follow them, in a section of their own.
    QStringList written;
    QStringList options;
    for (const QString& entry : fakes.settings->writes) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        QVERIFY(name.contains(QLatin1Char('/')) || options.isEmpty());
        (name.contains(QLatin1Char('/')) ? options : written) << name;
    }
    QCOMPARE(written, keys);
    options.sort();
    QCOMPARE(options,
             (QStringList{"Options/ColourVision", "Options/CopyNotation", "Options/CopyTemplate",
                          "Options/Details", "Options/KeepHistory", "Options/ListFolder",
                          "Options/Loupe", "Options/StoredColours"}));
    QCOMPARE(fakes.settings->flushes, 1);
    const QRect frame = form->frameGeometry();
    if (state == Qt::WindowNoState) {
        QCOMPARE(fakes.settings->setting("Left"), QStringLiteral("1500"));
        QCOMPARE(fakes.settings->setting("Width"), QStringLiteral("9000"));
    } else if (state == Qt::WindowMaximized) {
        QCOMPARE(fakes.settings->setting("Width"), QString::number(frame.width() * 15));
        QCOMPARE(fakes.settings->setting("Height"), QString::number(frame.height() * 15));
    }
    QCOMPARE(fakes.settings->setting("Path"), tmp);
    QCOMPARE(fakes.settings->setting("PathFile"), QDir::homePath() + "/NoFile.gif");
    QCOMPARE(fakes.settings->setting("Tags"), QStringLiteral("0"));
    QCOMPARE(fakes.settings->setting("Average"), QStringLiteral("3"));
}

// After shut-down the window no longer reacts, and a store that fails to write ends it quietly.
void TestLifecycle::nothingRunsAfterShutdown() {
    QImage picture = SolidPicture(40, 30, kRed);
    TestWindow w(picture);
    w.fakes.settings->flushFails = true;
    w.form->AddToGrid(5, 5);
    w.form->cmdExit->click();
    QVERIFY(w.fakes.messageBox->messages.empty());
    w.form->cmdClearTags->click();
    w.form->cmdExit->click();
    w.form->close();
    QCOMPARE(w.form->grdList->Rows(), 3);
    QCOMPARE(w.fakes.settings->flushes, 1);
}

// Presses on list cells and keys in the editor; "rows" is the list's Description column after,
// top row first; "open" whether the editor shows.
void TestLifecycle::editor_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("descriptions");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("editorText");

    // Two picks: rows 1 and 2, then the empty row 3.
    QTest::newRow("press on columns 0 to 4 opens nothing")
        << "press 1 0; press 1 4; press 2 2" << QStringList{"", "", ""} << false << "";
    QTest::newRow("typing writes every key")
        << "press 1 5; type abc" << QStringList{"abc", "", ""} << true << "abc";
    QTest::newRow("Escape hides and keeps what was typed")
        << "press 1 5; type ab; key Escape" << QStringList{"ab", "", ""} << false << "ab";
    QTest::newRow("Enter hides") << "press 1 5; type x; key Return" << QStringList{"x", "", ""}
                                 << false << "x";
    // From the keyboard: Enter or F2 on a description cell opens its editor, as a press does.
    QTest::newRow("F2 on a description opens it")
        << "press 2 5; key Escape; grid-key F2; type k" << QStringList{"", "k", ""} << true << "k";
    QTest::newRow("Enter on a description opens it")
        << "press 1 5; key Escape; grid-key Return; type e" << QStringList{"e", "", ""} << true
        << "e";
    QTest::newRow("Enter on a code opens nothing")
        << "press 1 0; grid-key Return" << QStringList{"", "", ""} << false << "";
    QTest::newRow("a lower row, filled from its text")
        << "press 2 5; type one; key Escape; press 1 5; press 2 5; type !"
        << QStringList{"", "one!", ""} << true << "one!";
    QTest::newRow("the empty last row can be described")
        << "press 3 5; type note" << QStringList{"", "", "note"} << true << "note";
    QTest::newRow("a press elsewhere moves where keys write")
        << "tall; press 1 5; type a; press 2 0; focus editor; type b" << QStringList{"a", "ab", ""}
        << true << "ab";
    QTest::newRow("a press on the picture closes it")
        << "press 1 5; type z; click picture" << QStringList{"z", "", ""} << false << "z";
    // A description holds at most 4096 characters: a longer paste is cut there, in the editor and
    // the cell alike, and a key typed after it adds nothing.
    QTest::newRow("100 000 pasted characters: the cell takes 4096 with the next key")
        << "press 1 5; paste 100000; type e" << QStringList{QString(4096, 'p'), "", ""} << true
        << QString(4096, 'p');
    QTest::newRow("a paste within the cap reaches the cell whole with the next key")
        << "press 1 5; paste 4000; type e" << QStringList{QString(4000, 'p') + "e", "", ""} << true
        << QString(4000, 'p') + "e";
    // Text that arrives without a key release is in the cell when the editor closes.
    QTest::newRow("its menu's Paste") << "press 1 5; menu-paste Brand; click picture"
                                      << QStringList{"Brand", "", ""} << false << "Brand";
    QTest::newRow("a drop") << "press 1 5; type a; drop blue; click picture"
                            << QStringList{"ablue", "", ""} << false << "ablue";
    QTest::newRow("an input method")
        << "press 1 5; commit 青; key Escape" << QStringList{"青", "", ""} << false << "青";
    QTest::newRow("scrolling closes it and gives the picture the focus")
        << "press 1 5; type s; scroll" << QStringList{"s", "", ""} << false << "s";
}

void TestLifecycle::editor() {
    QFETCH(QString, script);
    QFETCH(QStringList, descriptions);
    QFETCH(bool, open);
    QFETCH(QString, editorText);

    TestWindow w(SolidPicture(60, 40, kRed));
    frmHuemark& form = *w.form;
    form.AddToGrid(1, 1);
    form.AddToGrid(2, 2);
    for (const QString& step : script.split(QStringLiteral("; "))) {
        const QStringList word = step.split(QLatin1Char(' '));
        if (word[0] == QLatin1String("press")) {
            const int row = word[1].toInt();
            if (form.grdList->visualRect(form.grdList->model()->index(row - 1, 0)).bottom() >=
                form.grdList->viewport()->height()) {
                form.grdList->scrollTo(form.grdList->model()->index(row - 1, 0));
            }
            clickCell(form.grdList, row, word[2].toInt());
        } else if (word[0] == QLatin1String("grid-key")) {
            QTest::keyClick(form.grdList,
                            word[1] == QLatin1String("F2") ? Qt::Key_F2 : Qt::Key_Return);
        } else if (word[0] == QLatin1String("tall")) {
            form.grdList->resize(form.grdList->width(), 100); // every row in sight, no scrolling
        } else if (word[0] == QLatin1String("type")) {
            QTest::keyClicks(form.txtDesc, word[1]);
        } else if (word[0] == QLatin1String("key")) {
            QTest::keyClick(form.txtDesc,
                            word[1] == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
        } else if (word[0] == QLatin1String("paste")) {
            form.txtDesc->insert(QString(word[1].toInt(), QLatin1Char('p'))); // no key released
        } else if (word[0] == QLatin1String("menu-paste")) {
            QGuiApplication::clipboard()->setText(word[1]);
            std::unique_ptr<QMenu> menu(form.txtDesc->createStandardContextMenu());
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(QLatin1String("&Paste"))) {
                    action->trigger();
                }
            }
        } else if (word[0] == QLatin1String("drop")) {
            QMimeData text;
            text.setText(word[1]);
            const QPointF at(form.txtDesc->width() - 1, 2);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &text, Qt::LeftButton, {});
            QCoreApplication::sendEvent(form.txtDesc, &enter);
            QDropEvent drop(at, Qt::CopyAction, &text, Qt::LeftButton, {});
            QCoreApplication::sendEvent(form.txtDesc, &drop);
        } else if (word[0] == QLatin1String("commit")) {
            QInputMethodEvent commit;
            commit.setCommitString(word[1]);
            QCoreApplication::sendEvent(form.txtDesc, &commit);
        } else if (word[0] == QLatin1String("focus")) {
            form.txtDesc->setFocus();
        } else if (word[0] == QLatin1String("click")) {
            QTest::mouseClick(form.picColor, Qt::LeftButton, {}, QPoint(30, 30));
        } else if (word[0] == QLatin1String("scroll")) {
            form.grdList->verticalScrollBar()->setValue(1);
        }
    }
    QStringList seen;
    for (int row = 1; row < form.grdList->Rows(); ++row) {
        seen << form.grdList->TextMatrix(row, 5);
    }
    // A click on the picture picks, which adds a row on top.
    if (script.contains(QLatin1String("click picture"))) {
        seen.removeFirst();
    }
    QCOMPARE(seen, descriptions);
    QCOMPARE(form.txtDesc->isVisible(), open);
    QCOMPARE(form.txtDesc->text(), editorText);
    if (open) {
        // At its one place over the list's first row, the caret after the text, nothing selected.
        QCOMPARE(form.txtDesc->pos(), QPoint(461, 21));
        QCOMPARE(form.txtDesc->cursorPosition(), editorText.size());
        QVERIFY(!form.txtDesc->hasSelectedText());
        QVERIFY(form.txtDesc->hasFocus());
    }
    if (script.endsWith(QLatin1String("scroll"))) {
        QVERIFY(form.picColor->hasFocus());
    }
}

void TestLifecycle::tagsOption() {
    TestWindow w;
    frmHuemark& form = *w.form;
    QCOMPARE(form.cmdPrint->toolTip(), QStringLiteral("Print the list and screen"));
    form.cmdFile->setFocus();
    form.chkTags->click();
    QCOMPARE(form.cmdPrint->toolTip(), QStringLiteral("Print list"));
    QVERIFY(form.picColor->hasFocus());
    form.chkTags->click();
    QCOMPARE(form.cmdPrint->toolTip(), QStringLiteral("Print list and screen"));
}

void TestLifecycle::clear_data() {
    QTest::addColumn<int>("picks");
    QTest::addColumn<bool>("editorOpen");
    QTest::newRow("empty list") << 0 << false;
    QTest::newRow("five picks") << 5 << false;
    QTest::newRow("five picks, editor open") << 5 << true;
}

void TestLifecycle::clear() {
    QFETCH(int, picks);
    QFETCH(bool, editorOpen);

    QImage clean = SolidPicture(80, 60, kRed);
    SetPixelValue(clean, 3, 3, 0x00FF00);
    TestWindow w(clean);
    frmHuemark& form = *w.form;
    form.imgCache->setPicture(clean);
    for (int i = 0; i < picks; ++i) {
        form.AddToGrid(float(5 + 10 * i), 5);
    }
    QCOMPARE(form.grdList->Rows(), picks + 2);
    if (editorOpen) {
        clickCell(form.grdList, 1, 5);
    }
    form.cmdFile->setFocus();
    w.pointAt(6, 6); // where the first tag's line starts, when there is one
    QCOMPARE(form.txtCursor->text(), picks > 0 ? QStringLiteral("#00FFFF") : "#FF0000");

    form.cmdClearTags->click();
    QCOMPARE(form.txtCursor->text(), QStringLiteral("#FF0000")); // the read-out sees the tag gone

    QCOMPARE(form.grdList->Rows(), 2);
    QCOMPARE(rowText(form.grdList, 1), QStringLiteral("|||||"));
    for (int col = 0; col < 6; ++col) {
        form.grdList->setFillStyle(0);
        form.grdList->setRow(1);
        form.grdList->setCol(col);
        QCOMPARE(form.grdList->CellBackColor(), 0);
    }
    QCOMPARE(form.picColor->shownImage(), clean);
    QCOMPARE(form.txtDesc->isVisible(), editorOpen);
    if (editorOpen) {
        // The editor stays open on what is row 1 now.
        QTest::keyClicks(form.txtDesc, QStringLiteral("q"));
        QCOMPARE(form.grdList->TextMatrix(1, 5), QStringLiteral("q"));
    } else {
        QVERIFY(form.picColor->hasFocus());
    }
    // Again and again: nothing more happens.
    for (int i = 0; i < 1000; ++i) {
        form.cmdClearTags_Click();
    }
    QCOMPARE(form.grdList->Rows(), 2);
    QCOMPARE(form.picColor->shownImage(), clean);
}

// As drawn, not as set: the radius box shows the system colour of scroll bars, the picture
// control beyond its picture the system's button face, the list's empty row the system's window
// colour and the area below its rows dark grey. The scroll bar below the radius box shows no
// tooltip, not even its frame's.
void TestLifecycle::radiusBoxLooks() {
    TestWindow w(SolidPicture(20, 10, kRed));
    const QImage drawn = w.form->txtNeighbors->grab().toImage();
    QCOMPARE(QColor(drawn.pixel(1, drawn.height() - 2)), QColor(0xC8, 0xC8, 0xC8));
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    const QImage picture = w.form->picColor->grab().toImage();
    QCOMPARE(QColor(picture.pixel(40, 30)), buttonFace);
    w.pointAt(40, 30); // and the read-out there names the colour drawn there
    QCOMPARE(w.form->txtCursor->text(), buttonFace.name().toUpper());
    QWidget* listArea = w.form->grdList->viewport();
    const QImage list = listArea->grab().toImage();
    QCOMPARE(QColor(list.pixel(5, 5)), QApplication::palette().color(QPalette::Base));
    QCOMPARE(QColor(list.pixel(list.width() / 2, list.height() - 2)), QColor(0x80, 0x80, 0x80));

    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), w.form->hscNeighbors->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(w.form->hscNeighbors, &help);
    QVERIFY(!QToolTip::isVisible());
    QHelpEvent frameHelp(QEvent::ToolTip, QPoint(40, 2),
                         w.form->fraNeighbors->mapToGlobal(QPoint(40, 2)));
    QCoreApplication::sendEvent(w.form->fraNeighbors, &frameHelp);
    QCOMPARE(QToolTip::text(), QStringLiteral("Average over adjacent pixels"));
}

// Ctrl+C puts on the clipboard what has the focus: the list's selected cells (a tab between
// cells, a line per row) or the read-out's web code; elsewhere it leaves the clipboard alone.
void TestLifecycle::copy_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("text");

    QTest::newRow("one cell") << "cell"
                              << "#00FF00";
    QTest::newRow("a dragged block") << "block"
                                     << "#00FF00\t#FF00FF\n#FF0000\t#00FFFF";
    QTest::newRow("the read-out") << "picture"
                                  << "#FF0000";
    QTest::newRow("read-out hidden") << "hidden"
                                     << "before";
    QTest::newRow("a button") << "button"
                              << "before";
}

void TestLifecycle::copy() {
    QFETCH(QString, where);
    QFETCH(QString, text);

    QImage picture = SolidPicture(60, 40, kRed);
    SetPixelValue(picture, 2, 2, 0x00FF00);
    TestWindow w(picture);
    frmHuemark& form = *w.form;
    form.AddToGrid(10, 10);
    form.AddToGrid(2, 2);
    form.grdList->resize(form.grdList->width(), 100); // every row in sight
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    const auto cellCentre = [&form](int row, int col) {
        return form.grdList->visualRect(form.grdList->model()->index(row - 1, col)).center();
    };
    if (where == QLatin1String("cell") || where == QLatin1String("block")) {
        QTest::mousePress(form.grdList->viewport(), Qt::LeftButton, {}, cellCentre(1, 0));
        if (where == QLatin1String("block")) {
            QMouseEvent drag(QEvent::MouseMove, cellCentre(2, 1),
                             form.grdList->viewport()->mapToGlobal(cellCentre(2, 1)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(form.grdList->viewport(), &drag);
        }
        QTest::mouseRelease(form.grdList->viewport(), Qt::LeftButton, {}, cellCentre(1, 0));
    } else if (where == QLatin1String("picture")) {
        w.pointAt(5, 5);
        form.picColor->setFocus();
    } else if (where == QLatin1String("hidden")) {
        form.picColor->setFocus();
        form.txtCursor->hide();
    } else {
        form.cmdFile->setFocus();
    }
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

QTEST_MAIN(TestLifecycle)
#include "test_lifecycle.moc"
