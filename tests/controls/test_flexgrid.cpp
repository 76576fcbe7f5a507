// The list grid: titles from the format string, rows added and removed by index, the current
// cell and the selection that cell properties act on, colour values read back as set, and the
// mouse-down and scroll events.

#include "controls/FlexGrid.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString kFormat = QStringLiteral(">WebColor|> WebBack|>  Red|>Green|> Blue|<Description");

std::unique_ptr<FlexGrid> makeGrid() {
    auto grid = std::make_unique<FlexGrid>();
    grid->setRows(2);
    grid->setFormatString(kFormat);
    grid->resize(400, 120);
    return grid;
}

QString rowText(const FlexGrid& grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid.Cols(); ++c) {
        cells << grid.TextMatrix(row, c);
    }
    return cells.join(QLatin1Char('|'));
}
} // namespace

class TestFlexGrid : public QObject {
    Q_OBJECT
private slots:
    void titlesAndAlignment();
    void addItem_data();
    void addItem();
    void removeItem();
    void fillStyle_data();
    void fillStyle();
    void keysSelect_data();
    void keysSelect();
    void backColorZeroIsDefault();
    void mouseDownAfterCellIsCurrent();
    void scrollsWhenRowsExceedHeight();
    void colWidthInTwips();
};

void TestFlexGrid::titlesAndAlignment() {
    auto grid = makeGrid();
    QCOMPARE(grid->Cols(), 6);
    QCOMPARE(grid->Rows(), 2);
    QCOMPARE(rowText(*grid, 0), QStringLiteral("WebColor| WebBack|  Red|Green| Blue|Description"));
    grid->AddItem(QStringLiteral("a\tb\tc\td\te\tf"), 1);
    QVERIFY(grid->ColAlignment(0) & Qt::AlignRight);
    QVERIFY(grid->ColAlignment(5) & Qt::AlignLeft);
    // Blanks in a title widen its column.
    QVERIFY(grid->columnWidth(2) > grid->fontMetrics().horizontalAdvance(QStringLiteral("Red")));
}

void TestFlexGrid::addItem_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("rows"); // rows 1.. afterwards

    QTest::newRow("trailing tab leaves the last cell empty")
        << "#FF0000\t#00FFFF\t 255\t 0\t 0\t" << 1
        << QStringList{"#FF0000|#00FFFF| 255| 0| 0|", "|||||"};
    QTest::newRow("fewer cells") << "x\ty" << 1 << QStringList{"x|y||||", "|||||"};
    QTest::newRow("extra cells are dropped")
        << "1\t2\t3\t4\t5\t6\t7" << 1 << QStringList{"1|2|3|4|5|6", "|||||"};
    QTest::newRow("at the end") << "z" << 2 << QStringList{"|||||", "z|||||"};
}

void TestFlexGrid::addItem() {
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(QStringList, rows);
    auto grid = makeGrid();
    grid->AddItem(text, index);
    QCOMPARE(grid->Rows(), static_cast<int>(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r) {
        QCOMPARE(rowText(*grid, r + 1), rows[r]);
    }
}

void TestFlexGrid::removeItem() {
    auto grid = makeGrid();
    grid->AddItem(QStringLiteral("a"), 1);
    grid->AddItem(QStringLiteral("b"), 1);
    grid->RemoveItem(1);
    QCOMPARE(grid->Rows(), 3);
    QCOMPARE(grid->TextMatrix(1, 0), QStringLiteral("a"));
    grid->RemoveItem(0); // the titles row is not a row to remove
    grid->RemoveItem(7);
    QCOMPARE(grid->Rows(), 3);
}

void TestFlexGrid::fillStyle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("colSel");
    QTest::addColumn<QString>("row");

    QTest::newRow("single: current cell only") << 0 << 5 << "x|b|c|d|e|f";
    QTest::newRow("repeat: the whole selection") << 1 << 5 << "x|x|x|x|x|x";
    QTest::newRow("repeat, selection of one") << 1 << 0 << "x|b|c|d|e|f";
}

void TestFlexGrid::fillStyle() {
    QFETCH(int, style);
    QFETCH(int, colSel);
    QFETCH(QString, row);
    auto grid = makeGrid();
    grid->AddItem(QStringLiteral("a\tb\tc\td\te\tf"), 1);
    grid->setRow(1);
    grid->setCol(0);
    grid->setColSel(colSel);
    grid->setFillStyle(style);
    grid->setText(QStringLiteral("x"));
    grid->setCellBackColor(0x123456);
    QCOMPARE(rowText(*grid, 1), row);
    grid->setFillStyle(0);
    grid->setCol(5); // moving the current cell collapses the selection
    QCOMPARE(grid->ColSel(), 5);
    QCOMPARE(grid->CellBackColor(), row.endsWith(QLatin1String("|x")) ? 0x123456 : 0);
}

// The keyboard's selections from the current cell (row 2, column 1) of four rows and the empty
// row after them: "row,col,end row,end col,compared row" after the keys.
void TestFlexGrid::keysSelect_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");

    QTest::newRow("Shift+Right twice") << "Shift+Right,Shift+Right"
                                       << "2,1,2,3,0";
    QTest::newRow("Shift+Down") << "Shift+Down"
                                << "2,1,3,1,0";
    QTest::newRow("Shift+Up stops at the first row") << "Shift+Up,Shift+Up,Shift+Up"
                                                     << "2,1,1,1,0";
    QTest::newRow("Shift+End") << "Shift+End"
                               << "2,1,2,5,0";
    QTest::newRow("Shift+Home") << "Shift+End,Shift+Home"
                                << "2,1,2,0,0";
    QTest::newRow("a plain arrow collapses it") << "Shift+Down,Down"
                                                << "3,1,3,1,0";
    QTest::newRow("Ctrl+Down chooses the next rows") << "Ctrl+Down,Ctrl+Down"
                                                     << "2,1,2,1,4";
    QTest::newRow("Ctrl+Up passes over the current row") << "Ctrl+Down,Ctrl+Up,Ctrl+Up"
                                                         << "2,1,2,1,1";
    QTest::newRow("Ctrl+Up stops at the first row") << "Ctrl+Up,Ctrl+Up"
                                                    << "2,1,2,1,1";
    QTest::newRow("Ctrl+Down reaches the empty last row")
        << "Ctrl+Down,Ctrl+Down,Ctrl+Down,Ctrl+Down"
        << "2,1,2,1,5";
    QTest::newRow("Shift drops the compared row") << "Ctrl+Down,Shift+Right"
                                                  << "2,1,2,2,0";
}

void TestFlexGrid::keysSelect() {
    QFETCH(QString, keys);
    QFETCH(QString, after);
    auto grid = makeGrid();
    for (int i = 0; i < 4; ++i) {
        grid->AddItem(QStringLiteral("a\tb\tc\td\te\tf"), 1);
    }
    grid->setRow(2);
    grid->setCol(1);
    for (const QString& key : keys.split(QLatin1Char(','))) {
        const QKeyCombination combination = QKeySequence::fromString(key)[0];
        QTest::keyClick(grid.get(), combination.key(), combination.keyboardModifiers());
    }
    QCOMPARE(QStringLiteral("%1,%2,%3,%4,%5")
                 .arg(grid->Row())
                 .arg(grid->Col())
                 .arg(grid->RowSel())
                 .arg(grid->ColSel())
                 .arg(grid->OtherRow()),
             after);
}

void TestFlexGrid::backColorZeroIsDefault() {
    auto grid = makeGrid();
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    grid->setRow(1);
    grid->setCol(0);
    grid->setCellBackColor(0x0000FF);
    const QRect cell = grid->visualRect(grid->model()->index(0, 0));
    QCOMPARE(grid->viewport()->grab().toImage().pixelColor(cell.center()), QColor(255, 0, 0));

    grid->setCellBackColor(0);
    QCOMPARE(grid->CellBackColor(), 0);
    QCOMPARE(grid->viewport()->grab().toImage().pixelColor(cell.center()), grid->cellBackground());

    grid->setCellForeColor(-1); // out-of-range values are kept as set
    QCOMPARE(grid->CellForeColor(), -1);
}

void TestFlexGrid::mouseDownAfterCellIsCurrent() {
    auto grid = makeGrid();
    grid->AddItem(QStringLiteral("a"), 1);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QPoint seen(-1, -1);
    QObject::connect(grid.get(), &FlexGrid::MouseDown, grid.get(),
                     [&] { seen = QPoint(grid->Col(), grid->Row()); });
    const QRect cell = grid->visualRect(grid->model()->index(1, 5));
    QTest::mouseClick(grid->viewport(), Qt::RightButton, Qt::NoModifier, cell.center());
    QCOMPARE(seen, QPoint(5, 2));
}

void TestFlexGrid::scrollsWhenRowsExceedHeight() {
    auto grid = makeGrid();
    grid->resize(400, 60);
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    for (int i = 0; i < 30; ++i) {
        grid->AddItem(QString::number(i), 1);
    }
    QCoreApplication::processEvents(); // lets the view lay out its new rows
    QSignalSpy scrolled(grid.get(), &FlexGrid::Scroll);
    QVERIFY(grid->verticalScrollBar()->maximum() > 0);
    grid->verticalScrollBar()->setValue(3);
    QCOMPARE(scrolled.count(), 1);
}

void TestFlexGrid::colWidthInTwips() {
    auto grid = makeGrid();
    grid->setColWidth(5, 1500);
    QCOMPARE(grid->columnWidth(5), 100); // 15 twips a pixel at 96 DPI
    QCOMPARE(grid->ColWidth(5), 1500);
}

QTEST_MAIN(TestFlexGrid)
#include "test_flexgrid.moc"
