// View, Measure Area in the window: a drag at a zoom of 2 outlines exactly the pixels it went
// over, the arrows move the area, Enter adds its mean, and Extract Palette adds its colours.

#include "controls/AreaPanel.h"
#include "support/TestSupport.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kGrey = 0x767676;

void Send(PictureBox& box, QEvent::Type type, QPoint pixel, Qt::MouseButtons buttons) {
    // The middle of the pixel's 2 x 2 block of widget pixels.
    const QPoint at(pixel.x() * 2 + 1, pixel.y() * 2 + 1);
    QVERIFY(box.view().pixelAt(at) == pixel);
    QMouseEvent event(type, at, box.mapTo(box.window(), at), box.mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&box, &event);
}
} // namespace

class TestMeasureWindow : public QObject {
    Q_OBJECT
private slots:
    void measureAnArea();
    void areaByKeysAlone();
};

void TestMeasureWindow::measureAnArea() {
    QImage picture = SolidPicture(30, 10, kRed);
    for (int x = 10; x < 30; ++x) {
        for (int y = 0; y < 10; ++y) {
            SetPixelValue(picture, x, y, kGrey);
        }
    }
    TestWindow w(picture);
    frmHuemark& form = *w.form;
    PictureBox& box = *form.picColor;
    box.setZoom(2, QPointF(0, 0));
    form.mnuViewMeasureArea->trigger();
    QVERIFY(form.areaPanelIfShown() != nullptr && form.areaPanelIfShown()->isVisible());

    // Dragged from pixel (5, 2) to (14, 6), backwards: the area is the 10 x 5 between.
    Send(box, QEvent::MouseButtonPress, QPoint(14, 6), Qt::LeftButton);
    Send(box, QEvent::MouseMove, QPoint(9, 4), Qt::LeftButton);
    Send(box, QEvent::MouseMove, QPoint(5, 2), Qt::LeftButton);
    Send(box, QEvent::MouseButtonRelease, QPoint(5, 2), Qt::NoButton);
    QCOMPARE(box.area(), QRect(5, 2, 10, 5));
    QCOMPARE(form.picks().count(), 0); // a drag in this mode picks nothing
    QVERIFY2(form.areaPanelIfShown()->figuresText().contains(QLatin1String("pixels     50")),
             qPrintable(form.areaPanelIfShown()->figuresText()));

    // One pixel right: 4 red columns and 6 grey. Enter adds the mean of the light; the average
    // of the codes would be #AD4747.
    QTest::keyClick(&box, Qt::Key_Right);
    QCOMPARE(box.area(), QRect(6, 2, 10, 5));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(form.picks().count(), 1);
    QCOMPARE(form.grdList->TextMatrix(1, 0), QStringLiteral("#BD5D5D"));
    QCOMPARE(form.picks().at(0).description, QStringLiteral("mean of 10 x 5 at 6,2"));
    QCOMPARE(form.picks().at(0).origin.area, QRect(6, 2, 10, 5));

    // The palette of the area: grey covers 60 %, red 40 %; the largest share on top.
    form.areaPanelIfShown()->setPaletteColors(2);
    form.areaPanelIfShown()->paletteButton()->click();
    QCOMPARE(form.picks().count(), 3);
    QCOMPARE(form.grdList->TextMatrix(1, 0), QStringLiteral("#767676"));
    QCOMPARE(form.picks().at(0).description, QStringLiteral("60 % of the area"));
    QCOMPARE(form.grdList->TextMatrix(2, 0), QStringLiteral("#FF0000"));
    QCOMPARE(form.picks().at(1).description, QStringLiteral("40 % of the area"));

    // Escape leaves the mode: the outline goes, and a click picks again.
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(!form.mnuViewMeasureArea->isChecked());
    QVERIFY(box.area().isEmpty());
    Send(box, QEvent::MouseButtonPress, QPoint(20, 3), Qt::LeftButton);
    QCOMPARE(form.picks().count(), 4);
}

// Without a mouse: the arrows put the pointer on a pixel, Shift with the arrows starts an area
// there and stretches it, Enter adds it; before there is an area, Enter picks as always.
void TestMeasureWindow::areaByKeysAlone() {
    TestWindow w(SolidPicture(30, 10, kRed));
    frmHuemark& form = *w.form;
    PictureBox& box = *form.picColor;
    w.pointAt(2, 2);
    form.mnuViewMeasureArea->trigger();

    QTest::keyClick(&box, Qt::Key_Right);
    QVERIFY(box.area().isEmpty());
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(form.picks().count(), 1);
    QVERIFY(form.picks().at(0).origin.position == QPoint(3, 2));

    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(&box, Qt::Key_Right, Qt::ShiftModifier);
    }
    QTest::keyClick(&box, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(box.area(), QRect(3, 2, 4, 2));
    QVERIFY(form.areaPanelIfShown()->addButton()->isEnabled());
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(form.picks().count(), 2);
    QCOMPARE(form.picks().at(0).origin.area, QRect(3, 2, 4, 2));
}

QTEST_MAIN(TestMeasureWindow)
#include "test_measurewindow.moc"
