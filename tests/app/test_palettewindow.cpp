// The window's list commands: Save List As in the format of the filter or the extension, Open
// List adding exactly the rows picks would add (and nothing on a malformed file), Copy As with
// Ctrl+C, the contrast of two selected rows, and the options they remember.

#include "palette/ListFiles.h"
#include "palette/ListFormats.h"
#include "support/TestSupport.h"

#include <QClipboard>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kGrey = 0x767676;
constexpr quint32 kWhite = 0xFFFFFF;

// A picture of three stripes (red, grey, white), each 10 pixels wide.
QImage Stripes() {
    QImage picture = SolidPicture(30, 10, kRed);
    for (int x = 10; x < 30; ++x) {
        for (int y = 0; y < 10; ++y) {
            SetPixelValue(picture, x, y, x < 20 ? kGrey : kWhite);
        }
    }
    return picture;
}

// Each row's six texts and its first two cells' colours.
QStringList RowsOf(FlexGrid& grid) {
    QStringList rows;
    for (int row = 1; row < grid.Rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < 6; ++col) {
            cells << grid.TextMatrix(row, col);
        }
        for (int col = 0; col < 2; ++col) {
            grid.setRow(row);
            grid.setCol(col);
            cells << QString::number(grid.CellBackColor()) + '/' +
                         QString::number(grid.CellForeColor());
        }
        rows << cells.join('|');
    }
    return rows;
}

void SelectRows(frmHuemark& form, int first, int last) {
    const auto centre = [&form](int row) {
        return form.grdList->visualRect(form.grdList->model()->index(row - 1, 2)).center();
    };
    QTest::mousePress(form.grdList->viewport(), Qt::LeftButton, {}, centre(first));
    QMouseEvent drag(QEvent::MouseMove, centre(last),
                     form.grdList->viewport()->mapToGlobal(centre(last)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.grdList->viewport(), &drag);
    QTest::mouseRelease(form.grdList->viewport(), Qt::LeftButton, {}, centre(last));
}
} // namespace

class TestPaletteWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void saveFormat_data();
    void saveFormat();
    void openedRowsAreThoseOfPicks();
    void malformedFileChangesNothing();
    void copyAs_data();
    void copyAs();
    void copyAsCustom_data();
    void copyAsCustom();
    void contrastOfTwoRows();

private:
    std::unique_ptr<TestWindow> m_window;
    QTemporaryDir m_dir;
};

void TestPaletteWindow::init() {
    m_window = std::make_unique<TestWindow>(Stripes());
    frmHuemark& form = *m_window->form;
    form.grdList->resize(form.grdList->width(), 120); // every row in sight
    form.AddToGrid(25, 5);
    form.AddToGrid(15, 5);
    form.AddToGrid(5, 5);
    form.grdList->setTextMatrix(1, 5, "Brick, \"bold\"");
    form.grdList->setTextMatrix(3, 5, "Paper");
}

void TestPaletteWindow::saveFormat_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("there"); // the file that is there before, if any
    QTest::addColumn<bool>("replace");  // the answer when asked to replace it

    QTest::newRow("the filter's extension added") << "list" << 2 << "list.css"
                                                  << ":root {" << QString() << false;
    QTest::newRow("the typed extension wins") << "list.json" << 1 << "list.json"
                                              << "[\n  {" << QString() << false;
    QTest::newRow("in any case") << "List.GPL" << 4 << "List.GPL"
                                 << "GIMP Palette\nName: List" << QString() << false;
    QTest::newRow("CSV") << "list" << 4 << "list.csv"
                         << "WebColor,WebBack" << QString() << false;
    QTest::newRow("Krita palette") << "list" << 7 << "list.kpl"
                                   << "PK\x03\x04" << QString() << false;
    // The last type writes a line a colour through the template of Copy As, Custom.
    QTest::newRow("custom template, .txt added")
        << "list" << 11 << "list.txt"
        << "Brick, \"bold\";#ff0000\n;#767676\nPaper;#ffffff\n"
        << QString() << false;
    QTest::newRow("custom template by its extension") << "list.TXT" << 1 << "list.TXT"
                                                      << "Brick, \"bold\";#ff0000\n"
                                                      << QString() << false;
    QTest::newRow("a list's extension wins over the custom type")
        << "list.css" << 11 << "list.css"
        << ":root {" << QString() << false;
    // The dialog asked about the name typed, not about the file the added extension names.
    QTest::newRow("an added extension names a file that is there: kept on No")
        << "my.colours" << 1 << "my.colours.gpl"
        << "earlier"
        << "earlier" << false;
    QTest::newRow("an added extension names a file that is there: replaced on Yes")
        << "my.colours" << 1 << "my.colours.gpl"
        << "GIMP Palette"
        << "earlier" << true;
}

void TestPaletteWindow::saveFormat() {
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, file);
    QFETCH(QString, start);
    QFETCH(QString, there);
    QFETCH(bool, replace);
    TestServices& fakes = m_window->fakes;
    frmHuemark& form = *m_window->form;
    QFile::remove(m_dir.filePath(file));
    if (!there.isEmpty()) {
        QFile earlier(m_dir.filePath(file));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write(there.toUtf8());
        earlier.close();
        fakes.messageBox->answers.push_back(replace);
    }
    fakes.templateDialog->answers.push_back({"{description};{hex}"});
    form.findChild<QAction*>("mnuEditCopyAsCustom")->trigger();
    fakes.fileDialog->saveAnswers.push_back({m_dir.filePath(typed), filter - 1});
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    if (!there.isEmpty()) {
        QCOMPARE(fakes.messageBox->messages.size(), size_t(1));
        QVERIFY(fakes.messageBox->messages.front().text.contains(m_dir.filePath(file)));
        fakes.messageBox->messages.clear();
    }

    QCOMPARE(fakes.fileDialog->saveRequests.size(), size_t(1));
    const SaveFileRequest& asked = fakes.fileDialog->saveRequests.front();
    QCOMPARE(asked.initialDir, QDir::homePath());
    QCOMPARE(asked.suffixes, (QStringList{"gpl", "css", "json", "csv", "ase", "aco", "kpl", "soc",
                                          "xml", "hex", "txt"}));
    QVERIFY(asked.overwritePrompt);
    QFile saved(m_dir.filePath(file));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY2(bytes.startsWith(start.toUtf8()), bytes.left(40).constData());
    if (!there.isEmpty() && !replace) {
        QCOMPARE(bytes, there.toUtf8());
        return;
    }
    QVERIFY(bytes.toLower().contains("brick"));
    QVERIFY(fakes.messageBox->messages.empty());

    // The next save starts in the folder and the format of this one; Exit remembers the folder.
    fakes.fileDialog->saveAnswers.push_back({QString(), 0});
    form.mnuFileSaveList->trigger();
    QCOMPARE(fakes.fileDialog->saveRequests.back().initialDir, m_dir.path());
    QCOMPARE(fakes.fileDialog->saveRequests.back().selectedFilter,
             file.endsWith(".txt", Qt::CaseInsensitive)
                 ? int(std::size(kListFormats))
                 : int(FormatOfPath(file, ListFormat::GimpPalette)));
    form.Form_Unload();
    QCOMPARE(fakes.settings->values["Huemark/Options/ListFolder"], m_dir.path());
}

// A palette saved from picks and opened again gives the same rows, texts and cell colours, in
// the file's order above what the list holds.
void TestPaletteWindow::openedRowsAreThoseOfPicks() {
    TestServices& fakes = m_window->fakes;
    frmHuemark& form = *m_window->form;
    const QStringList picked = RowsOf(*form.grdList);
    const QString path = m_dir.filePath("picks.gpl");
    fakes.fileDialog->saveAnswers.push_back({path, 0});
    form.mnuFileSaveList_Click();
    form.cmdClearTags_Click();
    form.AddToGrid(15, 5);
    form.grdList->setTextMatrix(1, 5, "kept");
    const QStringList before = RowsOf(*form.grdList);

    fakes.fileDialog->answers.push_back(path);
    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(RowsOf(*form.grdList), picked.mid(0, 3) + before);
    QCOMPARE(fakes.fileDialog->requests.back().initialDir, m_dir.path());
    QVERIFY(fakes.messageBox->messages.empty());
}

void TestPaletteWindow::malformedFileChangesNothing() {
    TestServices& fakes = m_window->fakes;
    frmHuemark& form = *m_window->form;
    const QString path = m_dir.filePath("bad.gpl");
    QCOMPARE(SaveListFile(path, "GIMP Palette\nName: bad\n255 0 0 red\n1 2\n"), QString());
    const QStringList before = RowsOf(*form.grdList);
    fakes.fileDialog->answers.push_back(path);
    form.mnuFileOpenList->trigger();
    QCOMPARE(RowsOf(*form.grdList), before);
    QCOMPARE(fakes.messageBox->messages.size(), size_t(1));
    QVERIFY(fakes.messageBox->messages[0].text.contains("\rLine 4: "));
    QCOMPARE(fakes.messageBox->messages[0].caption, QString("Huemark"));
}

void TestPaletteWindow::copyAs_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("fromList");
    QTest::addColumn<QString>("text");

    QTest::newRow("web code: the cells as they read") << "mnuEditCopyAsWeb" << true << " 255\n 118";
    QTest::newRow("oklch, two rows")
        << "mnuEditCopyAsOklch" << true << "oklch(0.62796 0.25768 29.234)\noklch(0.56584 0 none)";
    QTest::newRow("palette lines, two rows") << "mnuEditCopyAsGpl" << true
                                             << "255   0   0\tBrick, \"bold\"\n"
                                                "118 118 118\t#767676";
    QTest::newRow("rgb, the read-out") << "mnuEditCopyAsRgb" << false << "rgb(255 255 255)";
    QTest::newRow("hsl, the read-out") << "mnuEditCopyAsHsl" << false << "hsl(none 0% 100%)";
    // #767676 lies nearer gray (#808080) than dimgray (#696969) in Oklab lightness.
    QTest::newRow("names, two rows") << "mnuEditCopyAsName" << true << "red\n≈ gray";
}

// The chosen notation applies to Ctrl+C from then on, and is remembered.
void TestPaletteWindow::copyAs() {
    QFETCH(QString, item);
    QFETCH(bool, fromList);
    QFETCH(QString, text);
    TestServices& fakes = m_window->fakes;
    frmHuemark& form = *m_window->form;
    form.findChild<QAction*>(item)->trigger();
    if (fromList) {
        SelectRows(form, 1, 2);
    } else {
        m_window->pointAt(25, 5);
        form.picColor->setFocus();
    }
    QGuiApplication::clipboard()->setText("before");
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);

    form.Form_Unload();
    const QString key = fakes.settings->values["Huemark/Options/CopyNotation"];
    TestServices again;
    again.settings->values["Huemark/Options/CopyNotation"] = key;
    frmHuemark restarted(again.services());
    restarted.Form_Load();
    QVERIFY(restarted.findChild<QAction*>(item)->isChecked());
}

void TestPaletteWindow::copyAsCustom_data() {
    QTest::addColumn<QString>("typed");   // into the template dialog, then OK
    QTest::addColumn<bool>("fromList");   // Ctrl+C on the list's top two rows, else the read-out
    QTest::addColumn<QString>("preview"); // the dialog's line for the text typed
    QTest::addColumn<QString>("copied");  // the clipboard after the choice and Ctrl+C
    QTest::addColumn<QString>("said");    // a message box's text, if any

    // The preview shows the list's current row when the list has the focus.
    QTest::newRow("rows") << "{description}|{r},{g},{b}" << true << "Brick, \"bold\"|255,0,0"
                          << "Brick, \"bold\"|255,0,0\n|118,118,118"
                          << "";
    QTest::newRow("the read-out, with its pixel")
        << "{HEX} at {x},{y}\\t{l:.0}%" << false << "#FFFFFF at 25,5\t100%"
        << "#FFFFFF at 25,5\t100%"
        << "";
    // OK stays disabled on a text that is no template: as Cancel, the notation stays.
    QTest::newRow("no template") << "{hex:.2}" << true << "{hex} is text and takes no precision"
                                 << " 255\n 118"
                                 << "";
    // A colour opened rather than picked has no place: the template is taken, the copy said.
    QTest::newRow("an opened colour")
        << "{hex} {x}" << true << "this colour has no place in a picture for {x}"
        << "before"
        << "The colour cannot be copied through the template.\r"
           "this colour has no place in a picture for {x}";
}

// Edit, Copy As, Custom: the dialog's preview, then Ctrl+C through the template; both the template
// and the choice are remembered under [Options].
void TestPaletteWindow::copyAsCustom() {
    QFETCH(QString, typed);
    QFETCH(bool, fromList);
    QFETCH(QString, said);
    TestServices& fakes = m_window->fakes;
    frmHuemark& form = *m_window->form;
    if (!said.isEmpty()) {
        const Pick opened(Color(0, 0, 255), "opened");
        form.picks().addOnTop(opened);
    }
    if (fromList) {
        SelectRows(form, 1, 2);
    } else {
        m_window->pointAt(25, 5);
        form.picColor->setFocus();
    }
    fakes.templateDialog->answers.push_back({typed});
    form.findChild<QAction*>("mnuEditCopyAsCustom")->trigger();
    QCOMPARE(fakes.templateDialog->opened, QStringList{"{hex}"});
    QCOMPARE(fakes.templateDialog->previews.size(), size_t(2));
    QTEST(fakes.templateDialog->previews.back().text, "preview");
    const bool taken = fakes.templateDialog->previews.back().valid;
    QCOMPARE(form.findChild<QAction*>("mnuEditCopyAsCustom")->isChecked(), taken);
    QCOMPARE(form.findChild<QAction*>("mnuEditCopyAsWeb")->isChecked(), !taken);

    QGuiApplication::clipboard()->setText("before");
    fakes.messageBox->messages.clear();
    if (fromList) {
        form.grdList->setFocus();
    }
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
    QTEST(QGuiApplication::clipboard()->text(), "copied");
    QCOMPARE(fakes.messageBox->messages.empty() ? QString() : fakes.messageBox->messages[0].text,
             said);

    form.Form_Unload();
    if (!taken) {
        return;
    }
    QCOMPARE(fakes.settings->values["Huemark/Options/CopyTemplate"], typed);
    TestServices again;
    for (const char* key : {"Huemark/Options/CopyNotation", "Huemark/Options/CopyTemplate"}) {
        again.settings->values[key] = fakes.settings->values[key];
    }
    frmHuemark restarted(again.services());
    restarted.Form_Load();
    QVERIFY(restarted.findChild<QAction*>("mnuEditCopyAsCustom")->isChecked());
    restarted.findChild<QAction*>("mnuEditCopyAsCustom")->trigger();
    QCOMPARE(again.templateDialog->opened, QStringList{typed});
}

// Two rows selected: their contrast, verdicts and samples in the list's tooltip; one row, none.
void TestPaletteWindow::contrastOfTwoRows() {
    frmHuemark& form = *m_window->form;
    SelectRows(form, 2, 3);
    QCOMPARE(form.grdList->accessibleDescription(),
             QString("Contrast of #767676 and #FFFFFF: 4.54:1\n"
                     "AA: normal text pass, large text pass\n"
                     "AAA: normal text fail, large text pass\n"
                     "APCA Lc 71.6 (#767676 text on #FFFFFF)"));
    QVERIFY(form.grdList->toolTip().contains("background-color:#FFFFFF"));
    SelectRows(form, 3, 4); // the empty last row has no colour
    QVERIFY(form.grdList->toolTip().isEmpty());
    SelectRows(form, 1, 2);
    QVERIFY(form.grdList->accessibleDescription().contains("#FF0000 and #767676"));
    // Rows apart: Ctrl+click chooses a second row anywhere, both show as selected; Ctrl+click on
    // the empty row compares nothing, and a plain click keeps one row alone.
    const auto click = [&form](int row, Qt::KeyboardModifiers modifiers) {
        const QPoint at =
            form.grdList->visualRect(form.grdList->model()->index(row - 1, 2)).center();
        QTest::mouseClick(form.grdList->viewport(), Qt::LeftButton, modifiers, at);
    };
    click(1, Qt::NoModifier);
    click(3, Qt::ControlModifier);
    QVERIFY(form.grdList->accessibleDescription().startsWith("Contrast of #FF0000 and #FFFFFF"));
    QVERIFY(form.grdList->isHighlighted(1, 0) && form.grdList->isHighlighted(3, 5) &&
            !form.grdList->isHighlighted(2, 0));
    QCOMPARE(form.grdList->Row(), 1);
    click(4, Qt::ControlModifier);
    QVERIFY(form.grdList->accessibleDescription().isEmpty());
    click(3, Qt::ControlModifier);
    click(2, Qt::NoModifier);
    QCOMPARE(form.grdList->OtherRow(), 0);
    QVERIFY(form.grdList->accessibleDescription().isEmpty());
    // A new pick moves every row down: the row chosen would name another pick, so it goes.
    click(3, Qt::ControlModifier);
    QCOMPARE(form.grdList->OtherRow(), 3);
    form.AddToGrid(5, 5); // a pick makes its row current alone
    QVERIFY(form.grdList->accessibleDescription().isEmpty());
}

QTEST_MAIN(TestPaletteWindow)
#include "test_palettewindow.moc"
