// The window's rules that need no window: the layout figures, and the window's geometry at every
// density and scale (a correction to the minimum is final, what is written reads back).

#include "app/LayoutRules.h"
#include "settings/SettingsForms.h"

#include <QTest>
#include <cmath>
#include <optional>

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void geometryAtDensities_data();
    void geometryAtDensities();
};

void TestRules::layout_data() {
    QTest::addColumn<double>("windowWidth");
    QTest::addColumn<double>("windowHeight");
    QTest::addColumn<double>("pictureWidth");
    QTest::addColumn<double>("pictureHeight");
    QTest::addColumn<float>("gridWidth");
    QTest::addColumn<int>("descriptionWidth");
    QTest::addColumn<int>("editorWidth");

    QTest::newRow("smallest") << 8700.0 << 3000.0 << 8300.0 << 1450.0 << 5300.0f << 1250 << 850;
    QTest::newRow("10000 wide") << 10000.0 << 3000.0 << 9600.0 << 1450.0 << 6600.0f << 2550 << 2150;
    QTest::newRow("default") << 9000.0 << 3000.0 << 8600.0 << 1450.0 << 5600.0f << 1550 << 1150;
    QTest::newRow("large") << 15360.0 << 11520.0 << 14960.0 << 9970.0 << 11960.0f << 7910 << 7510;
}

void TestRules::layout() {
    QFETCH(double, windowWidth);
    QFETCH(double, windowHeight);
    QFETCH(double, pictureWidth);
    QFETCH(double, pictureHeight);
    QFETCH(float, gridWidth);
    QFETCH(int, descriptionWidth);
    QFETCH(int, editorWidth);

    QCOMPARE(LayoutRules::PictureWidth(windowWidth), pictureWidth);
    QCOMPARE(LayoutRules::PictureHeight(windowHeight), pictureHeight);
    QCOMPARE(LayoutRules::GridWidth(windowWidth), gridWidth);
    QCOMPARE(LayoutRules::DescriptionWidth(gridWidth), descriptionWidth);
    QCOMPARE(LayoutRules::EditorWidth(descriptionWidth), editorWidth);
}

// At every logical density from 40 to 300 DPI and at each scale factor, a window that keeps whole
// pixels (at a fractional scale read back up to a pixel off): the default size and positions, the
// minimum and any size a run writes read back as themselves, and a window below the minimum is
// corrected once and is then not short any more, so the layout cannot correct itself without end.
void TestRules::geometryAtDensities_data() {
    QTest::addColumn<double>("scale");
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        QTest::addRow("scale %g", scale) << scale;
    }
}

void TestRules::geometryAtDensities() {
    QFETCH(double, scale);
    using namespace LayoutRules;
    const int slack = RoundingSlack(scale);
    for (int dpi = 40; dpi <= 300; ++dpi) {
        const double perPixel = 1440.0 / dpi;
        const auto pixels = [perPixel](double twips) {
            return static_cast<int>(std::lround(twips / perPixel));
        };
        const QByteArray where = QByteArray::number(dpi) + " DPI";
        for (const int off : {-slack, 0, slack}) {
            for (const double twips : {9000.0, 3000.0, 105.0, kMinWidth, kMinHeight}) {
                SetTwips set;
                set.remember(twips, pixels(twips));
                QVERIFY2(set.read(pixels(twips) + off, perPixel, slack) == twips, where);
            }
            // A size a run writes: whole pixels in twips, through the settings file's text form.
            for (const int had : {1, 208, 634, 1015, 4000}) {
                const auto written =
                    SettingsForms::ReadSize(SettingsForms::WriteGeometry(float(had * perPixel)));
                QVERIFY2(written && pixels(*written) == had, where);
                SetTwips set;
                set.remember(*written, pixels(*written));
                const QString again =
                    SettingsForms::WriteGeometry(float(set.read(had + off, perPixel, slack)));
                QVERIFY2(again == SettingsForms::WriteGeometry(*written), where);
            }
        }
        for (const double minimum : {kMinWidth, kMinHeight}) {
            // Without anything remembered, the minimum's own pixels are never short of it.
            QVERIFY2(!ShortOf(pixels(minimum) * perPixel, minimum, perPixel), where);
            // Corrected to the minimum, a window at its pixels (give or take the slack) reads as
            // the minimum, so the correction is final; one the desktop holds at other pixels
            // reads as those, so it is laid out as it is.
            SetTwips set;
            set.remember(minimum, pixels(minimum));
            for (int had = 1; had <= pixels(minimum) + 2; ++had) {
                const double now = set.read(had, perPixel, slack);
                if (std::abs(had - pixels(minimum)) <= slack) {
                    QVERIFY2(now == minimum, where);
                } else {
                    QVERIFY2(pixels(now) == had, where);
                }
            }
        }
    }
}

QTEST_MAIN(TestRules)
#include "test_rules.moc"
