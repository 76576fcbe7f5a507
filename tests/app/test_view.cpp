// The picture's view in the window: at every zoom and scroll the read-out, a click, the arrow
// keys and Enter name the picture pixel painted under the pointer; the wheel scrolls and, with
// Ctrl, zooms around the pixel under the pointer; the middle button drags; the loupe shows the
// pixels around the pointer with its pixel outlined and the averaging square marked, and its
// option is remembered.

#include "controls/Loupe.h"
#include "controls/PictureBox.h"
#include "pixels/ColorVision.h"
#include "support/TestSupport.h"
#include "view/ViewMapping.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace {
// Every pixel its own colour: red and green the low bits of x and y, blue their high bits.
QRgb colorAt(int x, int y) {
    return qRgb(x & 0xFF, y & 0xFF, ((x >> 8) & 0x0F) | ((y >> 8) << 4));
}

QImage uniquePicture(int width = 1200, int height = 900) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, colorAt(x, y));
        }
    }
    return image;
}

QString codeOf(QRgb c) {
    return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

// A window large enough to scroll in, with the picture shown.
struct ViewWindow : TestWindow {
    explicit ViewWindow(const QImage& picture = uniquePicture()) : TestWindow(picture) {
        form->resize(900, 600);
        QCoreApplication::processEvents();
        form->hscNeighbors->setValue(0);
    }
    PictureBox& box() const { return *form->picColor; }
    // What the picture box shows at a point of the widget: the picture's pixel, or the
    // background beyond it.
    QRgb expectedAt(QPoint widgetPoint) const {
        const QPoint p = box().view().pixelAt(widgetPoint);
        if (QRect(QPoint(0, 0), box().picture().size()).contains(p)) {
            return colorAt(p.x(), p.y());
        }
        return QColorOf(box().BackColor()).rgb();
    }
    bool inDrawingArea(QPoint widgetPoint) const {
        const QSize drawn = box().picture().size().expandedTo(box().size());
        return QRect(QPoint(0, 0), drawn).contains(box().view().pixelAt(widgetPoint));
    }
    QString expectedCode(QPoint widgetPoint) const {
        // Outside the drawing area a point reads #FFFFFF.
        return inDrawingArea(widgetPoint) ? codeOf(expectedAt(widgetPoint))
                                          : QStringLiteral("#FFFFFF");
    }
    // A pointer move the desktop reports: with its place in the window, so the picture maps it
    // exactly; the pointer is left there.
    void moveTo(QPoint widgetPoint, Qt::MouseButtons buttons = Qt::NoButton) {
        const QPoint global = box().mapToGlobal(widgetPoint);
        fakes.pointer->position = global;
        QMouseEvent move(QEvent::MouseMove, widgetPoint, box().mapTo(form.get(), widgetPoint),
                         global, Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&box(), &move);
    }
    void press(QPoint widgetPoint, Qt::MouseButton button, QEvent::Type type) {
        const QPoint global = box().mapToGlobal(widgetPoint);
        QMouseEvent event(type, widgetPoint, box().mapTo(form.get(), widgetPoint), global, button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&box(), &event);
    }
    void wheel(QPoint widgetPoint, QPoint angle, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(widgetPoint, box().mapToGlobal(widgetPoint), QPoint(), angle,
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&box(), &event);
    }
    // The window as painted on the screen (the offscreen platform's backing store): every
    // device pixel of the view shows the pixel the mapping names, except under what floats on it.
    bool viewPaintedRight(QString* why) const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        const QImage shot = form->screen()->grabWindow(form->winId()).toImage();
        QRegion covered;
        for (QWidget* child : box().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible()) {
                covered += child->geometry();
            }
        }
        const QRect view = box().viewRect();
        for (int y = view.top(); y <= view.bottom(); ++y) {
            for (int x = view.left(); x <= view.right(); ++x) {
                if (covered.contains(QPoint(x, y))) {
                    continue;
                }
                const QPoint at = box().mapTo(form.get(), QPoint(x, y));
                const QRgb seen = shot.pixel(at) | 0xFF000000u;
                if (seen != expectedAt(QPoint(x, y))) {
                    *why = QStringLiteral("at (%1, %2) %3 painted, %4 expected")
                               .arg(x)
                               .arg(y)
                               .arg(codeOf(seen), codeOf(expectedAt(QPoint(x, y))));
                    return false;
                }
            }
        }
        return true;
    }
};
} // namespace

class TestView : public QObject {
    Q_OBJECT
private slots:
    void pointerNamesThePixelPaintedUnderIt_data();
    void pointerNamesThePixelPaintedUnderIt();
    void wheelScrollsAndZooms_data();
    void wheelScrollsAndZooms();
    void fitInWindow();
    void arrowStepsOnePixelAndScrolls_data();
    void arrowStepsOnePixelAndScrolls();
    void zoomedOutViewAveragesOnceItRests();
    void middleButtonDragsAndClickPicks();
    void newPictureShowsAtHundredPercent();
    void loupeShowsThePixelsAround_data();
    void loupeShowsThePixelsAround();
    void loupeOptionRemembered_data();
    void loupeOptionRemembered();
    void colorVisionDrawsOnly_data();
    void colorVisionDrawsOnly();
};

void TestView::pointerNamesThePixelPaintedUnderIt_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPoint>("scroll"); // device pixels, after zooming at the top-left

    QTest::newRow("100 %") << 1.0 << QPoint();
    QTest::newRow("100 %, scrolled") << 1.0 << QPoint(137, 59);
    QTest::newRow("8x, scrolled into a block") << 8.0 << QPoint(805, 333);
    QTest::newRow("64x") << 64.0 << QPoint(64 * 1100, 64 * 850);
    QTest::newRow("2/3") << 2.0 / 3 << QPoint(11, 7);
    QTest::newRow("1/16: beyond the drawing area") << 1.0 / 16 << QPoint();
}

void TestView::pointerNamesThePixelPaintedUnderIt() {
    QFETCH(double, zoom);
    QFETCH(QPoint, scroll);
    ViewWindow w;
    w.box().setZoom(zoom, QPointF(0, 0));
    w.box().scrollBy(scroll);
    const QRect view = w.box().viewRect();
    for (const QPoint& at : {QPoint(0, 0), QPoint(7, 3), QPoint(123, 45), view.bottomRight(),
                             QPoint(view.width() / 2, view.height() - 3)}) {
        w.moveTo(at);
        QCOMPARE(w.form->txtCursor->text(), w.expectedCode(at));
    }
    QString why;
    QVERIFY2(w.viewPaintedRight(&why), qPrintable(why));
    // A click picks the pixel under it; outside the drawing area, nothing.
    const QPoint at(123, 45);
    w.press(at, Qt::LeftButton, QEvent::MouseButtonPress);
    if (w.inDrawingArea(at)) {
        QCOMPARE(w.form->grdList->TextMatrix(1, 0), w.expectedCode(at));
    } else {
        QCOMPARE(w.form->grdList->Rows(), 2);
    }
}

void TestView::wheelScrollsAndZooms_data() {
    QTest::addColumn<QKeySequence>("keys"); // instead of the wheel, when there are any
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("angle");
    QTest::addColumn<double>("zoom");
    // (-1, -1): whatever keeps the pixel under the pointer; (-2, -2): where the limits say
    QTest::addColumn<QPoint>("offset");

    const QKeySequence wheel;
    const QPoint keep(-1, -1);
    const int ctrl = int(Qt::ControlModifier);
    // A notch is three lines of 20 pixels.
    QTest::newRow("down") << wheel << 0 << QPoint(0, -120) << 1.0 << QPoint(0, 60);
    QTest::newRow("up at the top") << wheel << 0 << QPoint(0, 120) << 1.0 << QPoint(0, 0);
    QTest::newRow("Shift: sideways")
        << wheel << int(Qt::ShiftModifier) << QPoint(0, -240) << 1.0 << QPoint(120, 0);
    QTest::newRow("Ctrl: in") << wheel << ctrl << QPoint(0, 120) << 2.0 << keep;
    QTest::newRow("Ctrl: three notches in") << wheel << ctrl << QPoint(0, 360) << 4.0 << keep;
    QTest::newRow("Ctrl: half a notch") << wheel << ctrl << QPoint(0, 60) << 1.0 << QPoint();
    QTest::newRow("Ctrl: out") << wheel << ctrl << QPoint(0, -120) << 2.0 / 3 << QPoint(-2, -2);
    QTest::newRow("Ctrl+Plus") << QKeySequence(Qt::CTRL | Qt::Key_Plus) << 0 << QPoint() << 2.0
                               << keep;
    QTest::newRow("Ctrl+=") << QKeySequence(Qt::CTRL | Qt::Key_Equal) << 0 << QPoint() << 2.0
                            << keep;
    QTest::newRow("Ctrl+Minus") << QKeySequence(Qt::CTRL | Qt::Key_Minus) << 0 << QPoint()
                                << 2.0 / 3 << QPoint(-2, -2);
    // In to 4x and back to 100 % around the pointer.
    QTest::newRow("Ctrl+0") << QKeySequence(Qt::CTRL | Qt::Key_0) << ctrl << QPoint(0, 360) << 1.0
                            << keep;
}

void TestView::wheelScrollsAndZooms() {
    QFETCH(QKeySequence, keys);
    QFETCH(int, modifiers);
    QFETCH(QPoint, angle);
    QFETCH(double, zoom);
    QFETCH(QPoint, offset);
    ViewWindow w;
    const QPoint at(301, 151);
    w.moveTo(at);
    const QPoint before = w.box().view().pixelAt(at);
    // Notch by notch, as a wheel turns.
    const QPoint notch = angle / std::max(1, std::abs(angle.y() + angle.x()) / 120);
    for (QPoint turned; turned != angle; turned += notch) {
        w.wheel(at, notch, Qt::KeyboardModifiers(modifiers));
    }
    if (!keys.isEmpty()) {
        QTest::keySequence(w.form.get(), keys);
    }
    QCOMPARE(w.box().zoom(), zoom);
    if (offset == QPoint(-1, -1)) {
        QCOMPARE(w.box().view().pixelAt(at), before);
    } else if (offset != QPoint(-2, -2)) {
        QCOMPARE(w.box().view().offset(), offset);
    }
    // The read-out names the pixel now under the pointer, and the view is painted whole.
    QCOMPARE(w.form->txtCursor->text(), w.expectedCode(at));
    QString why;
    QVERIFY2(w.viewPaintedRight(&why), qPrintable(why));
}

void TestView::fitInWindow() {
    ViewWindow w;
    w.box().setZoom(8, QPointF(300, 200));
    w.form->mnuViewFit->trigger();
    // The whole picture in the view, without scroll bars, from the top-left corner.
    QCOMPARE(w.box().view().offset(), QPoint());
    QCOMPARE(w.box().viewRect(), w.box().rect());
    QVERIFY(w.box().view().content().width() <= w.box().width() &&
            w.box().view().content().height() <= w.box().height());
}

void TestView::arrowStepsOnePixelAndScrolls_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("step");

    QTest::newRow("8x, right off the view") << 8.0 << int(Qt::Key_Right) << QPoint(1, 0);
    QTest::newRow("8x, down off the view") << 8.0 << int(Qt::Key_Down) << QPoint(0, 1);
    QTest::newRow("100 %, right off the view") << 1.0 << int(Qt::Key_Right) << QPoint(1, 0);
    // Zoomed out, a device pixel shows several pixels: a pick point steps them one by one.
    QTest::newRow("1/2, a pick point") << 0.5 << int(Qt::Key_Right) << QPoint(1, 0);
    QTest::newRow("1/3, up") << 1.0 / 3 << int(Qt::Key_Up) << QPoint(0, -1);
}

void TestView::arrowStepsOnePixelAndScrolls() {
    QFETCH(double, zoom);
    QFETCH(int, key);
    QFETCH(QPoint, step);
    ViewWindow w;
    w.box().setZoom(zoom, QPointF(0, 0));
    // Zoomed in, start next to the view's edge the steps go toward; zoomed out, in the middle of
    // the picture.
    const QRect view = w.box().viewRect();
    const QSize content = w.box().view().content();
    QPoint start(std::min(view.width(), content.width()) / 2,
                 std::min(view.height(), content.height()) / 2);
    if (zoom >= 1 && step.x() > 0) {
        start.setX(view.right() - 1);
    }
    if (zoom >= 1 && step.y() > 0) {
        start.setY(view.bottom() - 1);
    }
    w.moveTo(start);
    QPoint pixel = w.box().view().pixelAt(start);
    const QPoint offsetBefore = w.box().view().offset();
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(&w.box(), Qt::Key(key));
        QCoreApplication::processEvents();
        pixel += step;
        QCOMPARE(w.form->txtCursor->text(), codeOf(colorAt(pixel.x(), pixel.y())));
    }
    if (zoom >= 1) {
        // The view scrolled along and the pointer stands on the stepped pixel.
        QVERIFY(w.box().view().offset() != offsetBefore);
        const QPoint pointer = w.box().mapFromGlobal(w.fakes.pointer->position);
        QVERIFY(view.contains(pointer));
        QCOMPARE(w.box().view().pixelAt(pointer), pixel);
    }
    QTest::keyClick(&w.box(), Qt::Key_Return);
    QCOMPARE(w.form->grdList->TextMatrix(1, 0), codeOf(colorAt(pixel.x(), pixel.y())));
}

void TestView::zoomedOutViewAveragesOnceItRests() {
    // A white picture with a black line one pixel wide at x = 101, zoomed out to 1/2: while the
    // view moves each device pixel shows one picture pixel (the line falls between them), once it
    // rests the average of the 2 x 2 it covers (the line half of it).
    QImage picture(1200, 900, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < picture.height(); ++y) {
        picture.setPixel(101, y, qRgb(0, 0, 0));
    }
    ViewWindow w(picture);
    w.box().setZoom(0.5, QPointF(0, 0));
    const QPoint device(50, 20); // covers pixels 100 and 101
    const auto shown = [&w, device] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        const QImage shot = w.form->screen()->grabWindow(w.form->winId()).toImage();
        return QColor(shot.pixel(w.box().mapTo(w.form.get(), device))).name();
    };
    QCOMPARE(shown(), QStringLiteral("#ffffff"));
    QTRY_COMPARE(shown(), QStringLiteral("#808080"));
    // The read-out and picks still read the picture's own pixels.
    w.moveTo(device);
    QCOMPARE(w.form->txtCursor->text(), QStringLiteral("#FFFFFF"));
}

void TestView::middleButtonDragsAndClickPicks() {
    ViewWindow w;
    const QPoint from(300, 150);
    const QPoint pixel = w.box().view().pixelAt(from);
    w.moveTo(from);
    w.press(from, Qt::MiddleButton, QEvent::MouseButtonPress);
    for (const QPoint& to : {QPoint(290, 140), QPoint(250, 120)}) {
        w.moveTo(to, Qt::MiddleButton);
    }
    w.press(QPoint(250, 120), Qt::MiddleButton, QEvent::MouseButtonRelease);
    // The picture moved with the pointer: the same pixel is under it, and nothing was picked.
    QCOMPARE(w.box().view().offset(), QPoint(50, 30));
    QCOMPARE(w.box().view().pixelAt(QPoint(250, 120)), pixel);
    QCOMPARE(w.form->grdList->Rows(), 2);
    // A middle click that does not drag picks, as any button does.
    w.press(QPoint(250, 120), Qt::MiddleButton, QEvent::MouseButtonPress);
    w.press(QPoint(250, 120), Qt::MiddleButton, QEvent::MouseButtonRelease);
    QCOMPARE(w.form->grdList->TextMatrix(1, 0), codeOf(colorAt(pixel.x(), pixel.y())));
}

void TestView::newPictureShowsAtHundredPercent() {
    ViewWindow w;
    w.box().setZoom(8, QPointF(100, 100));
    w.box().scrollBy(QPoint(500, 500));
    QGuiApplication::clipboard()->setImage(uniquePicture(300, 200));
    w.form->cmdPaste_Click();
    QCOMPARE(w.box().zoom(), 1.0);
    QCOMPARE(w.box().view().offset(), QPoint());
    QVERIFY(w.box().view().isDefault());
}

void TestView::loupeShowsThePixelsAround_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("radius");

    QTest::newRow("inside") << QPoint(200, 100) << 2;
    QTest::newRow("top-left corner: outside is -1") << QPoint(2, 0) << 0;
}

void TestView::loupeShowsThePixelsAround() {
    QFETCH(QPoint, pixel);
    QFETCH(int, radius);
    ViewWindow w;
    w.form->hscNeighbors->setValue(radius);
    w.form->mnuViewLoupe->trigger();
    w.moveTo(pixel);
    auto* loupe = w.box().findChild<Loupe*>();
    QVERIFY(loupe != nullptr && loupe->isVisible());
    for (int row = 0; row < Loupe::kSpan; ++row) {
        for (int column = 0; column < Loupe::kSpan; ++column) {
            const QPoint p = pixel + QPoint(column, row) - QPoint(5, 5);
            const ColorValue expected =
                p.x() < 0 || p.y() < 0 ? -1
                                       : Color::fromQColor(QColor(colorAt(p.x(), p.y()))).value();
            QCOMPARE(loupe->pixels()[size_t(row * Loupe::kSpan + column)], expected);
        }
    }
    // As drawn, 7 pixels to a cell inside a 1-pixel frame: the pointer's cell ringed black
    // outside and white inside, and the averaging square's edge, dashed black on white, on the
    // cells at the radius in use and on no other.
    const QImage drawn = loupe->grab().toImage();
    const auto at = [&drawn](int x, int y) { return drawn.pixel(x, y) & 0xFFFFFF; };
    const int middle = 1 + 5 * Loupe::kCell;
    QCOMPARE(at(middle - 1, middle + 3), 0x000000u);
    QCOMPARE(at(middle, middle + 3), 0xFFFFFFu);
    for (int r = 1; r <= 5; ++r) {
        const int edge = middle - r * Loupe::kCell;
        QSet<QRgb> seen;
        for (int y = edge; y < middle + (r + 1) * Loupe::kCell; ++y) {
            seen.insert(at(edge, y));
        }
        const bool marked = seen == QSet<QRgb>({0x000000u, 0xFFFFFFu});
        QVERIFY2(marked == (r == radius), qPrintable(QStringLiteral("at radius %1").arg(r)));
    }
    // Beside the read-out, on the side away from the pointer.
    QCOMPARE(loupe->pos(), w.form->txtCursor->geometry().topRight() + QPoint(3, 0));
    // Off the picture both go; off, the loupe is gone.
    w.form->Form_MouseMove(0, 0, 0, 0);
    QVERIFY(!loupe->isVisible());
    w.form->mnuViewLoupe->trigger();
    QVERIFY(w.box().findChild<Loupe*>() == nullptr);
}

void TestView::loupeOptionRemembered_data() {
    QTest::addColumn<QString>("stored"); // a null text: no such key
    QTest::addColumn<bool>("on");

    QTest::newRow("missing") << QString() << false;
    QTest::newRow("on") << "1" << true;
    QTest::newRow("off") << "0" << false;
    QTest::newRow("not in the written form") << "yes" << false;
}

void TestView::loupeOptionRemembered() {
    QFETCH(QString, stored);
    QFETCH(bool, on);
    TestServices fakes;
    if (!stored.isNull()) {
        fakes.settings->values[QStringLiteral("Huemark/Options/Loupe")] = stored;
    }
    frmHuemark form(fakes.services());
    form.Form_Load();
    QCOMPARE(form.mnuViewLoupe->isChecked(), on);
    QCOMPARE(form.picColor->findChild<Loupe*>() != nullptr, on);
    form.Form_Unload();
    QCOMPARE(fakes.settings->values[QStringLiteral("Huemark/Options/Loupe")],
             on ? QStringLiteral("1") : QStringLiteral("0"));
    // After the eight settings.
    QVERIFY(fakes.settings->writes.indexOf(on ? QStringLiteral("Options/Loupe=1")
                                              : "Options/Loupe=0") >= 8);
}

void TestView::colorVisionDrawsOnly_data() {
    QTest::addColumn<QString>("stored"); // [Options] ColorVision; a null text: no such key
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QString>("vision"); // what is simulated: its key

    QTest::newRow("missing") << QString() << 1.0 << "normal";
    QTest::newRow("protanopia at 100 %") << "protanopia" << 1.0 << "protanopia";
    QTest::newRow("deuteranopia at 3x") << "deuteranopia" << 3.0 << "deuteranopia";
    QTest::newRow("tritanopia at 1/2") << "tritanopia" << 0.5 << "tritanopia";
    QTest::newRow("achromatopsia") << "achromatopsia" << 1.0 << "achromatopsia";
    QTest::newRow("not a key: normal") << "Protanopia" << 1.0 << "normal";
}

// A simulated colour vision changes what is drawn and nothing that is read: the read-out, the
// pick and the copied code keep the picture's values; the details line adds the colour seen.
void TestView::colorVisionDrawsOnly() {
    QFETCH(QString, stored);
    QFETCH(double, zoom);
    QFETCH(QString, vision);
    const ColorVision simulated = *ColorVisionOfKey(vision);
    constexpr quint32 kOrange = 0x1080F0; // #F08010
    std::map<QString, QString> settings;
    if (!stored.isNull()) {
        settings[QStringLiteral("Huemark/Options/ColourVision")] = stored;
    }
    TestWindow w(QImage(), settings);
    QGuiApplication::clipboard()->setImage(SolidPicture(60, 40, kOrange));
    w.form->cmdPaste_Click();
    QCOMPARE(w.form->picColor->colorVision(), simulated);
    w.form->picColor->setZoom(zoom);
    w.form->mnuViewDetails->trigger();
    w.fakes.pointer->setPos(
        w.form->picColor->mapToGlobal(w.form->picColor->widgetPointOf(10.5f, 10.5f).toPoint()));
    QCoreApplication::processEvents();

    const QColor real(0xF0, 0x80, 0x10);
    // The window as the offscreen platform's backing store holds it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    const QImage drawn = w.form->screen()->grabWindow(w.form->winId()).toImage();
    const QPoint at = w.form->picColor->mapTo(
        w.form.get(), w.form->picColor->widgetPointOf(10.5f, 10.5f).toPoint());
    QCOMPARE(QColor(drawn.pixel(at)), QColor(SimulatedColor(simulated, real.rgb())));
    const QString seenCode = QColor(SimulatedColor(simulated, real.rgb())).name().toUpper();
    // The read-out gives the real colour, and beside it the colour the vision sees, in full.
    const QString readout = simulated == ColorVision::Normal
                                ? QStringLiteral("#F08010")
                                : QStringLiteral("#F08010 \u2192 ") + seenCode;
    QCOMPARE(w.form->txtCursor->text(), readout);
    QVERIFY(w.form->txtCursor->fontMetrics().horizontalAdvance(readout) <
            w.form->txtCursor->contentsRect().width());
    const QString seen = QStringLiteral("sees ") + seenCode;
    QVERIFY2(w.form->lblDetails->text().contains(seen) == (simulated != ColorVision::Normal),
             qPrintable(w.form->lblDetails->text()));
    QTest::keyClick(w.form->picColor, Qt::Key_Return);
    QCOMPARE(w.form->picks().at(0).color, Color::fromQColor(real));

    w.form->Form_Unload();
    QCOMPARE(w.fakes.settings->values[QStringLiteral("Huemark/Options/ColourVision")], vision);
}

QTEST_MAIN(TestView)
#include "test_view.moc"
