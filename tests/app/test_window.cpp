// The window as it is created: every control in its place (twips at 96 DPI, 15 to the pixel)
// with its texts, tooltips and visibility; the tab order; the menu bar with its access letters and
// shortcuts; the list's titles and fonts.

#include "support/TestSupport.h"

#include <QTest>

class TestWindowDefinition : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void menus_data();
    void menus();
    void menuOrder();
    void tabOrderStartsAtPicture();
    void descriptionEditorLiesOverList();
    void fontsAndColors();
    void clientAreaAndIcon();
};

void TestWindowDefinition::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // pixels within the container
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("visible");

    QTest::newRow("fraNeighbors") << "fraNeighbors" << QRect(96, 8, 57, 33) << " average"
                                  << "Average over adjacent pixels" << true;
    QTest::newRow("hscNeighbors") << "hscNeighbors" << QRect(0, 16, 49, 17) << ""
                                  << "" << true;
    QTest::newRow("txtNeighbors") << "txtNeighbors" << QRect(0, 0, 9, 19) << "5"
                                  << "Average over adjacent pixels" << true;
    QTest::newRow("cmdExit") << "cmdExit" << QRect(56, 24, 33, 17) << "Exit"
                             << "Save settings and exit" << true;
    QTest::newRow("cmdPaste") << "cmdPaste" << QRect(8, 24, 41, 17) << "Paste"
                              << "Paste in the clipboard" << true;
    QTest::newRow("cmdFile") << "cmdFile" << QRect(8, 8, 41, 17) << "File"
                             << "Input a graphic file" << true;
    QTest::newRow("cmdPrint") << "cmdPrint" << QRect(56, 8, 33, 17) << "Print"
                              << "Print the list and screen" << true;
    QTest::newRow("txtDesc") << "txtDesc" << QRect(461, 21, 81, 14) << ""
                             << "" << false;
    QTest::newRow("chkTags") << "chkTags" << QRect(160, 0, 49, 21) << "Tags"
                             << "Save and print clicked tags on screen" << true;
    QTest::newRow("cmdClearTags") << "cmdClearTags" << QRect(160, 24, 49, 17) << "Clear"
                                  << "Clear all tags on screen and list" << true;
    QTest::newRow("grdList") << "grdList" << QRect(208, 0, 361, 41) << ""
                             << "" << true;
    QTest::newRow("picColor") << "picColor" << QRect(8, 48, 561, 81) << ""
                              << "" << true;
    QTest::newRow("txtCursor") << "txtCursor" << QRect(208, 16, 57, 19) << "#FFFFFF"
                               << "" << true;
    QTest::newRow("imgCache") << "imgCache" << QRect(48, 24, 25, 25) << ""
                              << "" << false;
}

void TestWindowDefinition::controls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    QFETCH(bool, visible);

    // As created, before start-up and the first layout move anything.
    TestServices fakes;
    frmHuemark form(fakes.services());
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    QString shown;
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        shown = box->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        shown = button->text();
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        shown = frame->title();
    }
    QCOMPARE(shown, text);
    QCOMPARE(control->toolTip(), tooltip);
    QCOMPARE(!control->isHidden(), visible);
}

void TestWindowDefinition::menus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");

    QTest::newRow("input") << "mnuFileInput"
                           << "&File"
                           << "&Input File"
                           << "Ctrl+I";
    QTest::newRow("print") << "mnuFilePrint"
                           << "&File"
                           << "&Print"
                           << "Ctrl+P";
    QTest::newRow("setup") << "mnuFilePrintSetup"
                           << "&File"
                           << "Print Set&up"
                           << "Ctrl+U";
    QTest::newRow("exit") << "mnuFileExit"
                          << "&File"
                          << "E&xit"
                          << "";
    QTest::newRow("paste") << "mnuEditPaste"
                           << "&Edit"
                           << "Paste"
                           << "Ctrl+V";
    QTest::newRow("screen") << "mnuEditScreen"
                            << "&Edit"
                            << "&Screen"
                            << "Ctrl+Shift+V";
    QTest::newRow("open list") << "mnuFileOpenList"
                               << "&File"
                               << "&Open List..."
                               << "Ctrl+O";
    QTest::newRow("save list") << "mnuFileSaveList"
                               << "&File"
                               << "&Save List As..."
                               << "Ctrl+S";
    QTest::newRow("zoom in") << "mnuViewZoomIn"
                             << "&View"
                             << "Zoom &In"
                             << "Ctrl++";
    QTest::newRow("zoom out") << "mnuViewZoomOut"
                              << "&View"
                              << "Zoom &Out"
                              << "Ctrl+-";
    QTest::newRow("actual size") << "mnuViewActualSize"
                                 << "&View"
                                 << "&Actual Size"
                                 << "Ctrl+0";
    QTest::newRow("fit") << "mnuViewFit"
                         << "&View"
                         << "&Fit in Window"
                         << "";
    QTest::newRow("contents") << "mnuHelpContents"
                              << "&Help"
                              << "&Contents"
                              << "";
    QTest::newRow("howto") << "mnuHelpHowTo"
                           << "&Help"
                           << "HowTo"
                           << "F1";
    QTest::newRow("about") << "mnuHelpAbout"
                           << "&Help"
                           << "&About"
                           << "";
}

void TestWindowDefinition::menus() {
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);

    TestServices fakes;
    frmHuemark form(fakes.services());
    QStringList bar;
    for (QAction* top : form.menuBar()->actions()) {
        bar << top->text();
    }
    // The described menus, with View between Edit and Help.
    QCOMPARE(bar, (QStringList{"&File", "&Edit", "&View", "&Help"}));

    auto* action = form.findChild<QAction*>(name);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);
    QVERIFY(action->isEnabled() && action->isVisible() && !action->isCheckable());
    QMenu* owner = nullptr;
    for (QMenu* m : form.findChildren<QMenu*>()) {
        if (m->actions().contains(action)) {
            owner = m;
        }
    }
    QVERIFY(owner != nullptr);
    QCOMPARE(owner->title(), menu);
}

void TestWindowDefinition::menuOrder() {
    TestServices fakes;
    frmHuemark form(fakes.services());
    // The described items, in order; items added beyond them may stand between.
    const auto names = [](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions()) {
            if (a->objectName().startsWith(QLatin1String("mnu")) && a->menu() == nullptr &&
                !QStringList{"mnuFileOpenList", "mnuFileSaveList", "mnuFileOpenHistory",
                             "mnuFileKeepHistory"}
                     .contains(a->objectName())) {
                list << a->objectName();
            }
        }
        return list;
    };
    QCOMPARE(names(form.mnuFile),
             (QStringList{"mnuFileInput", "mnuFilePrint", "mnuFilePrintSetup", "mnuFileExit"}));
    QCOMPARE(names(form.mnuEdit),
             (QStringList{"mnuEditPaste", "mnuEditScreen", "mnuEditPickScreen"}));
    QCOMPARE(names(form.mnuView),
             (QStringList{"mnuViewZoomIn", "mnuViewZoomOut", "mnuViewActualSize", "mnuViewFit",
                          "mnuViewLoupe", "mnuViewMeasureArea", "mnuViewExtractPalette",
                          "mnuViewStoredColors", "mnuViewProfile", "mnuViewDetails"}));
    QCOMPARE(names(form.mnuHelp), (QStringList{"mnuHelpContents", "mnuHelpHowTo", "mnuHelpAbout"}));
}

void TestWindowDefinition::descriptionEditorLiesOverList() {
    TestWindow w;
    w.form->txtDesc->show();
    const QPoint centre = w.form->txtDesc->geometry().center();
    QCOMPARE(w.form->client->childAt(centre), static_cast<QWidget*>(w.form->txtDesc));
}

void TestWindowDefinition::tabOrderStartsAtPicture() {
    TestWindow w;
    QVERIFY(w.form->picColor->hasFocus());
    w.form->txtDesc->show(); // so that its place in the chain shows too
    QStringList order;
    QWidget* at = w.form->picColor;
    for (int i = 0; i < 10; ++i) {
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isVisible() || at->objectName().isEmpty()) {
            at = at->nextInFocusChain();
        }
        order << at->objectName();
    }
    QCOMPARE(order, (QStringList{"cmdFile", "cmdPaste", "cmdExit", "grdList", "cmdClearTags",
                                 "cmdPrint", "chkTags", "txtDesc", "hscNeighbors", "picColor"}));
}

void TestWindowDefinition::fontsAndColors() {
    TestServices fakes;
    frmHuemark form(fakes.services());
    for (QWidget* w : {static_cast<QWidget*>(form.grdList), static_cast<QWidget*>(form.txtDesc)}) {
        QCOMPARE(QFontInfo(w->font()).fixedPitch(), true);
        QCOMPARE(w->font().pointSizeF(), 8.25);
    }
    QCOMPARE(form.txtDesc->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(form.txtCursor->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(form.txtCursor->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(form.chkTags->isChecked());
    QCOMPARE(form.grdList->Rows(), 2);
    QCOMPARE(form.grdList->Cols(), 6);
}

void TestWindowDefinition::clientAreaAndIcon() {
    TestServices fakes;
    frmHuemark form(fakes.services());
    // As created: the first show lays the window out for its minimum height.
    QCOMPARE(form.size() - QSize(0, form.menuBar()->sizeHint().height()),
             QSize(583, 143)); // 8745 x 2145 twips
    QCOMPARE(form.windowTitle(), QStringLiteral("Huemark"));
    const QList<QSize> sizes = form.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

QTEST_MAIN(TestWindowDefinition)
#include "test_window.moc"
