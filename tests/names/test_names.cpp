// The nearest name of a colour in CSS's keywords and in X11's rgb.txt: each list's own values
// give their names (one spelling a value), and a colour a step off one gives that name as near.

#include "names/ColorNames.h"
#include "pixels/WebCode.h"

#include <QTest>

class TestNames : public QObject {
    Q_OBJECT
private slots:
    void nearestName_data();
    void nearestName();
};

void TestNames::nearestName_data() {
    QTest::addColumn<bool>("x11");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");

    // clang-format off
    // CSS Color 4's table; where two keywords share a value, the older one.
    QTest::newRow("css tomato") << false << "#FF6347" << "tomato";
    QTest::newRow("css gray, not grey") << false << "#808080" << "gray";
    QTest::newRow("css darkgray, not darkgrey") << false << "#A9A9A9" << "darkgray";
    QTest::newRow("css rebeccapurple") << false << "#663399" << "rebeccapurple";
    QTest::newRow("css aqua, not cyan") << false << "#00FFFF" << "aqua";
    QTest::newRow("css fuchsia, not magenta") << false << "#FF00FF" << "fuchsia";
    QTest::newRow("css lightgoldenrodyellow") << false << "#FAFAD2" << "lightgoldenrodyellow";
    QTest::newRow("css black") << false << "#000000" << "black";
    // A step off a keyword's value, far from every other keyword.
    QTest::newRow("css near tomato") << false << "#FF6348" << "≈ tomato";
    QTest::newRow("css near gray") << false << "#7F7F7F" << "≈ gray";
    QTest::newRow("css near rebeccapurple") << false << "#663398" << "≈ rebeccapurple";
    QTest::newRow("css near black") << false << "#010101" << "≈ black";
    QTest::newRow("css near red") << false << "#FE0000" << "≈ red";

    // rgb.txt's rows, spelt as the file spells them; the first name the file gives a value.
    QTest::newRow("x11 black, not gray0") << true << "#000000" << "black";
    QTest::newRow("x11 white, not gray100") << true << "#FFFFFF" << "white";
    QTest::newRow("x11 tomato, not tomato1") << true << "#FF6347" << "tomato";
    QTest::newRow("x11 ghost white, not GhostWhite") << true << "#F8F8FF" << "ghost white";
    QTest::newRow("x11 light grey first") << true << "#D3D3D3" << "light grey";
    // X11's own values where CSS's differ.
    QTest::newRow("x11 gray") << true << "#BEBEBE" << "gray";
    QTest::newRow("x11 purple") << true << "#A020F0" << "purple";
    QTest::newRow("x11 maroon") << true << "#B03060" << "maroon";
    QTest::newRow("x11 gray50") << true << "#7F7F7F" << "gray50";
    // CSS's gray lies between gray50 (#7F7F7F) and gray51 (#828282), a step from the first.
    QTest::newRow("x11 near gray50") << true << "#808080" << "≈ gray50";
    QTest::newRow("x11 near yellow") << true << "#FFFF01" << "≈ yellow";
    // clang-format on
}

void TestNames::nearestName() {
    QFETCH(bool, x11);
    QFETCH(QString, code);
    QFETCH(QString, text);
    const Color c = *ParseWebCode(code);
    const ColorName name = x11 ? NearestX11Name(c) : NearestCssName(c);
    QCOMPARE(NameText(name), text);
    QCOMPARE(name.exact, !text.startsWith("≈"));
}

QTEST_GUILESS_MAIN(TestNames)
#include "test_names.moc"
