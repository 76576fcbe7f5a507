// The window's rules that need no window: the layout figures, the window's geometry at every
// density and scale (a correction to the minimum is final, what is written reads back), the text
// forms of the remembered settings (good forms read back, every malformed form read as missing),
// and where a remembered window can still be reached.

#include "app/LayoutRules.h"
#include "app/SettingsForms.h"

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
    void readForms_data();
    void readForms();
    void geometryRoundTrips_data();
    void geometryRoundTrips();
    void reachable_data();
    void reachable();
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

// Each key's reader: what shut-down writes reads back; anything else is missing (std::nullopt).
void TestRules::readForms_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected"); // NaN: read as missing

    const double missing = qQNaN();
    QTest::newRow("position") << "position"
                              << "105" << 105.0;
    QTest::newRow("negative position") << "position"
                                       << "-1500" << -1500.0;
    QTest::newRow("fraction") << "position"
                              << "7.5" << 7.5;
    QTest::newRow("position far off") << "position"
                                      << "1e9" << missing;
    QTest::newRow("not a number") << "position"
                                  << "abc" << missing;
    QTest::newRow("empty") << "position"
                           << "" << missing;
    QTest::newRow("nan") << "position"
                         << "nan" << missing;
    QTest::newRow("inf") << "size"
                         << "inf" << missing;
    QTest::newRow("beyond float") << "size"
                                  << "1e39" << missing;
    QTest::newRow("trailing junk") << "size"
                                   << "9000px" << missing;
    QTest::newRow("size") << "size"
                          << "9000" << 9000.0;
    QTest::newRow("small size kept") << "size"
                                     << "5000" << 5000.0;
    QTest::newRow("zero size") << "size"
                               << "0" << missing;
    QTest::newRow("negative size") << "size"
                                   << "-9000" << missing;
    QTest::newRow("tags on") << "tags"
                             << "1" << 1.0;
    QTest::newRow("tags off") << "tags"
                              << "0" << 0.0;
    QTest::newRow("tags 2") << "tags"
                            << "2" << missing;
    QTest::newRow("tags -1") << "tags"
                             << "-1" << missing;
    QTest::newRow("tags True") << "tags"
                               << "True" << missing;
    QTest::newRow("average 3") << "average"
                               << "3" << 3.0;
    QTest::newRow("average 5") << "average"
                               << "5" << 5.0;
    QTest::newRow("average 6") << "average"
                               << "6" << missing;
    QTest::newRow("average -1") << "average"
                                << "-1" << missing;
    QTest::newRow("average 2.5") << "average"
                                 << "2.5" << missing;
    QTest::newRow("average 70000") << "average"
                                   << "70000" << missing;
}

void TestRules::readForms() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(double, expected);

    std::optional<double> got;
    if (kind == QLatin1String("position")) {
        got = SettingsForms::ReadPosition(text);
    } else if (kind == QLatin1String("size")) {
        got = SettingsForms::ReadSize(text);
    } else if (kind == QLatin1String("tags")) {
        got = SettingsForms::ReadTags(text);
    } else {
        got = SettingsForms::ReadAverage(text);
    }
    if (qIsNaN(expected)) {
        QVERIFY2(!got.has_value(), qPrintable(QString::number(got.value_or(0))));
    } else {
        QVERIFY(got.has_value());
        QCOMPARE(*got, expected);
    }
}

// Shortest decimal text, no exponent, no decimal point for whole values; it reads back exactly.
void TestRules::geometryRoundTrips_data() {
    QTest::addColumn<float>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 9000.0f << "9000";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative") << -105.0f << "-105";
    QTest::newRow("large") << 491520.0f << "491520";
    QTest::newRow("fraction") << 13.090909f << "13.090909";
}

void TestRules::geometryRoundTrips() {
    QFETCH(float, twips);
    QFETCH(QString, text);

    QCOMPARE(SettingsForms::WriteGeometry(twips), text);
    QCOMPARE(SettingsForms::ReadPosition(text).value_or(qQNaN()), twips);
}

void TestRules::reachable_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<bool>("reachable");

    // Two screens side by side: 1920x1080 and, to its right, 1280x1024.
    QTest::newRow("on the first") << QRect(7, 7, 600, 200) << true;
    QTest::newRow("on the second") << QRect(2500, 500, 600, 200) << true;
    QTest::newRow("across both") << QRect(1800, 100, 600, 200) << true;
    QTest::newRow("below the second's bottom") << QRect(2500, 1050, 600, 200) << false;
    QTest::newRow("right of everything") << QRect(3300, 100, 600, 200) << false;
    QTest::newRow("left of everything") << QRect(-700, 100, 600, 200) << false;
    QTest::newRow("title bar above the top") << QRect(100, -150, 600, 200) << false;
    QTest::newRow("a little off the left") << QRect(-300, 100, 600, 200) << true;
    QTest::newRow("a sliver of the title bar") << QRect(100, 1076, 600, 200) << false;
}

void TestRules::reachable() {
    QFETCH(QRect, window);
    QFETCH(bool, reachable);
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    QCOMPARE(SettingsForms::IsReachable(window, screens), reachable);
}

QTEST_MAIN(TestRules)
#include "test_rules.moc"
