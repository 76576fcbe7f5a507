// The text forms of the remembered settings: good forms read back, every malformed form reads as
// missing; and where a remembered window can still be reached.

#include "settings/SettingsForms.h"

#include <QTest>
#include <optional>

class TestSettingsForms : public QObject {
    Q_OBJECT
private slots:
    void readForms_data();
    void readForms();
    void geometryRoundTrips_data();
    void geometryRoundTrips();
    void reachable_data();
    void reachable();
};

// Each key's reader: what shut-down writes reads back; anything else is missing (std::nullopt).
void TestSettingsForms::readForms_data() {
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

void TestSettingsForms::readForms() {
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
void TestSettingsForms::geometryRoundTrips_data() {
    QTest::addColumn<float>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 9000.0f << "9000";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative") << -105.0f << "-105";
    QTest::newRow("large") << 491520.0f << "491520";
    QTest::newRow("fraction") << 13.090909f << "13.090909";
}

void TestSettingsForms::geometryRoundTrips() {
    QFETCH(float, twips);
    QFETCH(QString, text);

    QCOMPARE(SettingsForms::WriteGeometry(twips), text);
    QCOMPARE(SettingsForms::ReadPosition(text).value_or(qQNaN()), twips);
}

void TestSettingsForms::reachable_data() {
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

void TestSettingsForms::reachable() {
    QFETCH(QRect, window);
    QFETCH(bool, reachable);
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    QCOMPARE(SettingsForms::IsReachable(window, screens), reachable);
}

QTEST_GUILESS_MAIN(TestSettingsForms)
#include "test_settingsforms.moc"
