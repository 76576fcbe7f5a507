// Picks into the list: the row texts and cell colours a pick leaves, the tag it draws on the
// picture, the order of rows, and the picks that must record nothing.

#include "readout/ColorCodes.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTest>

namespace {
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kBlack = 0x000000;
constexpr quint32 kWhite = 0xFFFFFF;

struct CellColors {
    ColorValue back0, fore0, back1, fore1;
};

CellColors colorsOfRow1(FlexGrid* grid) {
    grid->setRow(1);
    grid->setCol(0);
    CellColors c{grid->CellBackColor(), grid->CellForeColor(), 0, 0};
    grid->setCol(1);
    c.back1 = grid->CellBackColor();
    c.fore1 = grid->CellForeColor();
    return c;
}

QString rowText(FlexGrid* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->Cols(); ++c) {
        cells << grid->TextMatrix(row, c);
    }
    return cells.join(QLatin1Char('|'));
}

// Whether any pixel of the rectangle reads the colour.
bool anyPixelIs(PictureBox* box, QRect r, ColorValue color) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (box->Point(static_cast<float>(x), static_cast<float>(y)) == color) {
                return true;
            }
        }
    }
    return false;
}
} // namespace

class TestPicking : public QObject {
    Q_OBJECT
private slots:
    void pick_data();
    void pick();
    void picksStackNewestFirst();
    void pickOutsideRecordsNothing();
    void clickClosesDescriptionEditor();
    void softEdgeAsShown();
};

void TestPicking::pick_data() {
    QTest::addColumn<quint32>("pixel"); // colour of the clicked pixel
    QTest::addColumn<bool>("tags");
    QTest::addColumn<int>("radius");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("row");
    QTest::addColumn<ColorValue>("back0");
    QTest::addColumn<ColorValue>("fore0");
    QTest::addColumn<ColorValue>("back1");
    QTest::addColumn<ColorValue>("fore1");

    QTest::newRow("red with tags")
        << kRed << true << 0 << Qt::LeftButton << "#FF0000|#00FFFF| 255| 0| 0|" << 0xFF << 0xFFFF00
        << 0xFFFF00 << 0xFF;
    QTest::newRow("black: near-black background")
        << kBlack << true << 0 << Qt::LeftButton << "#000000|#FFFFFF| 0| 0| 0|" << 0x010101
        << 0xFFFFFF << 0xFFFFFF << 0;
    QTest::newRow("white: near-black inverse background")
        << kWhite << true << 0 << Qt::LeftButton << "#FFFFFF|#000000| 255| 255| 255|" << 0xFFFFFF
        << 0 << 0x010101 << 0xFFFFFF;
    QTest::newRow("tags off") << kRed << false << 0 << Qt::LeftButton
                              << "#FF0000|#00FFFF| 255| 0| 0|" << 0xFF << 0xFFFF00 << 0xFFFF00
                              << 0xFF;
    QTest::newRow("radius 5 still records the one pixel")
        << 0x563412u << true << 5 << Qt::LeftButton << "#123456|#EDCBA9| 18| 52| 86|" << 0x563412
        << 0xA9CBED << 0xA9CBED << 0x563412;
    QTest::newRow("right button picks too")
        << kRed << true << 0 << Qt::RightButton << "#FF0000|#00FFFF| 255| 0| 0|" << 0xFF << 0xFFFF00
        << 0xFFFF00 << 0xFF;
}

void TestPicking::pick() {
    QFETCH(quint32, pixel);
    QFETCH(bool, tags);
    QFETCH(int, radius);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, row);
    QFETCH(ColorValue, back0);
    QFETCH(ColorValue, fore0);
    QFETCH(ColorValue, back1);
    QFETCH(ColorValue, fore1);

    // A grey picture with the picked colour at (20, 15) only, so an average would differ.
    QImage picture = SolidPicture(120, 80, 0x808080);
    SetPixelValue(picture, 20, 15, pixel);
    TestWindow w(picture);
    w.form->chkTags->setChecked(tags);
    w.form->hscNeighbors->setValue(radius);
    w.form->cmdFile->setFocus();

    QTest::mouseClick(w.form->picColor, button, Qt::NoModifier, QPoint(20, 15));

    FlexGrid* grid = w.form->grdList;
    QCOMPARE(grid->Rows(), 3);
    QCOMPARE(rowText(grid, 1), row);
    QCOMPARE(rowText(grid, 2), QStringLiteral("|||||"));
    // What the pick leaves set: current cell (1, 1), single-cell fill, focus on the picture.
    QCOMPARE(grid->Row(), 1);
    QCOMPARE(grid->Col(), 1);
    QCOMPARE(grid->FillStyle(), 0);
    QVERIFY(w.form->picColor->hasFocus());

    const CellColors colors = colorsOfRow1(grid);
    QCOMPARE(colors.back0, back0);
    QCOMPARE(colors.fore0, fore0);
    QCOMPARE(colors.back1, back1);
    QCOMPARE(colors.fore1, fore1);

    PictureBox* pic = w.form->picColor;
    const ColorValue inv = InverseColor(static_cast<ColorValue>(pixel));
    QCOMPARE(pic->Point(20, 15), static_cast<ColorValue>(pixel)); // the pixel itself stays
    if (tags) {
        // Leader line from one pixel below-right to (X+10, Y+20), label from there on.
        QCOMPARE(pic->Point(21, 16), inv);
        QCOMPARE(pic->Point(30, 35), inv);
        QVERIFY(anyPixelIs(pic, QRect(31, 36, 50, 14), inv));
        QCOMPARE(pic->ForeColor(), inv);
        QCOMPARE(pic->CurrentX(), 0.0f);
        QVERIFY(pic->CurrentY() > 35.0f);
    } else {
        QVERIFY(!anyPixelIs(pic, QRect(21, 16, 60, 40), inv));
    }
}

void TestPicking::picksStackNewestFirst() {
    QImage picture = SolidPicture(60, 40, kWhite);
    SetPixelValue(picture, 5, 5, kRed);
    SetPixelValue(picture, 9, 5, kBlack);
    TestWindow w(picture);
    QTest::mouseClick(w.form->picColor, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(w.form->picColor, Qt::LeftButton, Qt::NoModifier, QPoint(9, 5));

    FlexGrid* grid = w.form->grdList;
    QCOMPARE(grid->Rows(), 4);
    QCOMPARE(grid->TextMatrix(1, 0), QStringLiteral("#000000"));
    QCOMPARE(grid->TextMatrix(2, 0), QStringLiteral("#FF0000"));
    QCOMPARE(grid->TextMatrix(3, 0), QString()); // the blank row stays last
}

void TestPicking::pickOutsideRecordsNothing() {
    TestWindow w(SolidPicture(60, 40, kRed));
    const QImage before = w.form->picColor->Image();
    // Enter with the pointer away from the picture: nothing is there to record.
    w.fakes.pointer->deliverMoves = false;
    w.fakes.pointer->setPos(w.form->mapToGlobal(QPoint(-50, -50)));
    w.form->picColor->setFocus();
    QTest::keyClick(w.form->picColor, Qt::Key_Return);

    QCOMPARE(w.form->grdList->Rows(), 2);
    QCOMPARE(w.form->picColor->Image(), before);
    QVERIFY(w.fakes.messageBox->messages.empty());
}

void TestPicking::clickClosesDescriptionEditor() {
    TestWindow w(SolidPicture(60, 40, kRed));
    w.form->txtDesc->show();
    QTest::mouseClick(w.form->picColor, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QVERIFY(!w.form->txtDesc->isVisible());
    QCOMPARE(w.form->grdList->TextMatrix(1, 0), QStringLiteral("#FF0000"));
}

// An icon's soft edge: each partly transparent pixel reads and picks as the colour shown there,
// the icon's colour blended over the control's background (to within the rounding of a blend).
void TestPicking::softEdgeAsShown() {
    const QList<int> alphas{0, 1, 64, 128, 200, 254, 255};
    QImage icon(alphas.size(), 1, QImage::Format_ARGB32);
    for (int i = 0; i < alphas.size(); ++i) {
        icon.setPixel(i, 0, qRgba(255, 128, 0, alphas[i]));
    }
    TestWindow w(icon);
    const QColor back = QApplication::palette().color(QPalette::Button);
    const QImage shown = w.form->picColor->grab().toImage();
    for (int i = 0; i < alphas.size(); ++i) {
        const QColor drawn(shown.pixel(i, 0));
        const auto blend = [&](int over, int under) {
            return (over * alphas[i] + under * (255 - alphas[i])) / 255.0;
        };
        QVERIFY(qAbs(drawn.red() - blend(255, back.red())) <= 1);
        QVERIFY(qAbs(drawn.green() - blend(128, back.green())) <= 1);
        QVERIFY(qAbs(drawn.blue() - blend(0, back.blue())) <= 1);
        w.pointAt(i, 0);
        QCOMPARE(w.form->txtCursor->text(), drawn.name().toUpper());
        QTest::mouseClick(w.form->picColor, Qt::LeftButton, Qt::NoModifier, QPoint(i, 0));
        QCOMPARE(w.form->grdList->TextMatrix(1, 0), drawn.name().toUpper());
    }
}

QTEST_MAIN(TestPicking)
#include "test_picking.moc"
