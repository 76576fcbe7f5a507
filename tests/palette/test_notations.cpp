// Colour notations against published values and read back to the same 8-bit colour; contrast
// ratios and their verdicts against published WCAG figures, and APCA's Lc against its own
// published test values.

#include "palette/Contrast.h"
#include "palette/Notations.h"

#include <QRegularExpression>
#include <QTest>
#include <array>
#include <cmath>
#include <numbers>

class TestNotations : public QObject {
    Q_OBJECT
private slots:
    void notations_data();
    void notations();
    void notationsReadBackExactly();
    void contrast_data();
    void contrast();
    void apca_data();
    void apca();
};

void TestNotations::notations_data() {
    QTest::addColumn<int>("notation");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("web code") << int(Notation::WebCode) << "#FF8000"
                              << "Orange"
                              << "#FF8000";
    QTest::newRow("rgb") << int(Notation::Rgb) << "#DAA520"
                         << ""
                         << "rgb(218 165 32)";
    // The sRGB primaries and greys in Oklch, as the published conversions give them (red is
    // oklch(62.796% 0.25768 29.2339), #008000 oklch(51.975% 0.17686 142.495), mid grey
    // 59.987%); a grey's hue is powerless, so it is none.
    QTest::newRow("oklch red") << int(Notation::Oklch) << "#FF0000"
                               << ""
                               << "oklch(0.62796 0.25768 29.234)";
    QTest::newRow("oklch green") << int(Notation::Oklch) << "#008000"
                                 << ""
                                 << "oklch(0.51975 0.17686 142.495)";
    QTest::newRow("oklch lime") << int(Notation::Oklch) << "#00FF00"
                                << ""
                                << "oklch(0.86644 0.29483 142.495)";
    QTest::newRow("oklch blue") << int(Notation::Oklch) << "#0000FF"
                                << ""
                                << "oklch(0.45201 0.31321 264.052)";
    QTest::newRow("oklch grey") << int(Notation::Oklch) << "#808080"
                                << ""
                                << "oklch(0.59987 0 none)";
    QTest::newRow("oklch white") << int(Notation::Oklch) << "#FFFFFF"
                                 << ""
                                 << "oklch(1 0 none)";
    QTest::newRow("oklch black") << int(Notation::Oklch) << "#000000"
                                 << ""
                                 << "oklch(0 0 none)";
    QTest::newRow("hsl red") << int(Notation::Hsl) << "#FF0000"
                             << ""
                             << "hsl(0 100% 50%)";
    QTest::newRow("hsl green") << int(Notation::Hsl) << "#008000"
                               << ""
                               << "hsl(120 100% 25.1%)";
    QTest::newRow("hsl orange") << int(Notation::Hsl) << "#FF8000"
                                << ""
                                << "hsl(30.12 100% 50%)";
    QTest::newRow("hsl magenta-ish") << int(Notation::Hsl) << "#FF00FE"
                                     << ""
                                     << "hsl(300.24 100% 50%)";
    QTest::newRow("hsl grey") << int(Notation::Hsl) << "#808080"
                              << ""
                              << "hsl(none 0% 50.2%)";
    QTest::newRow("palette line") << int(Notation::GimpLine) << "#FF0000"
                                  << " Red\tbrick "
                                  << "255   0   0\tRed brick";
    QTest::newRow("palette line, no name") << int(Notation::GimpLine) << "#0A0B0C"
                                           << ""
                                           << " 10  11  12\t#0A0B0C";
    // CSS's own keyword for its value; a step off it, the keyword marked as near.
    QTest::newRow("name, exact") << int(Notation::Name) << "#FF6347"
                                 << "Sun"
                                 << "tomato";
    QTest::newRow("name, near") << int(Notation::Name) << "#FF6348"
                                << ""
                                << "≈ tomato";
}

void TestNotations::notations() {
    QFETCH(int, notation);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(ColorAs(Notation(notation), Pick{*ParseWebCode(code), name}), text);
}

namespace {
using Vector = std::array<double, 3>;

Vector Times(const std::array<Vector, 3>& m, const Vector& v) {
    Vector out{};
    for (int i = 0; i < 3; ++i) {
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    }
    return out;
}

int Encoded(double linear) {
    const double v =
        linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(v * 255));
}

QList<double> Numbers(const QString& text) {
    QList<double> numbers;
    static const QRegularExpression number("[0-9.]+|none");
    for (const QRegularExpressionMatch& m : number.globalMatch(text)) {
        numbers << (m.captured() == "none" ? 0.0 : m.captured().toDouble());
    }
    return numbers;
}

// Back from the written hsl(): the usual sector formula.
Color FromHsl(const QString& text) {
    const QList<double> n = Numbers(text);
    const double s = n[1] / 100;
    const double l = n[2] / 100;
    const auto f = [&](double k) {
        k = std::fmod(k + n[0] / 30, 12);
        return l - s * std::min(l, 1 - l) * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {int(std::lround(f(0) * 255)), int(std::lround(f(8) * 255)),
            int(std::lround(f(4) * 255))};
}

// Back from the written oklch(): Oklab to cone responses to linear sRGB (the inverse matrices).
Color FromOklch(const QString& text) {
    const QList<double> n = Numbers(text);
    const double h = n[2] * std::numbers::pi / 180;
    const Vector lab{n[0], n[1] * std::cos(h), n[1] * std::sin(h)};
    Vector lms = Times({{{1, 0.3963377773761749, 0.2158037573099136},
                         {1, -0.1055613458156586, -0.0638541728258133},
                         {1, -0.0894841775298119, -1.2914855480194092}}},
                       lab);
    for (double& v : lms) {
        v = v * v * v;
    }
    const Vector xyz = Times({{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                               {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                               {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}},
                             lms);
    const Vector rgb = Times({{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                               {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                               {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}},
                             xyz);
    return {Encoded(rgb[0]), Encoded(rgb[1]), Encoded(rgb[2])};
}
} // namespace

// The rounding keeps enough digits that a copied hsl() or oklch() names the same 8-bit colour.
void TestNotations::notationsReadBackExactly() {
    QList<int> values;
    for (int v = 0; v < 256; v += 7) {
        values << v;
    }
    values << 255;
    for (int r : values) {
        for (int g : values) {
            for (int b : values) {
                const Pick s{{r, g, b}, {}};
                const QString hsl = ColorAs(Notation::Hsl, s);
                const QString oklch = ColorAs(Notation::Oklch, s);
                if (FromHsl(hsl) != s.color || FromOklch(oklch) != s.color) {
                    QFAIL(qPrintable(QStringLiteral("%1 came back from %2 or %3")
                                         .arg(WebCode(s.color), hsl, oklch)));
                }
            }
        }
    }
}

void TestNotations::contrast_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("verdicts"); // AA normal, AA large, AAA normal, AAA large

    // The ends of the scale: black on white is 21:1, a colour on itself 1:1.
    QTest::newRow("black on white") << "#000000"
                                    << "#FFFFFF"
                                    << "21.00"
                                    << "yyyy";
    QTest::newRow("the same colour") << "#3C78B4"
                                     << "#3C78B4"
                                     << "1.00"
                                     << "nnnn";
    // Published figures: #767676 is the lightest grey that reads on white at AA (4.54:1); the
    // primaries on black give their luminance weights (red 5.25:1, green 15.3:1, blue 2.44:1).
    QTest::newRow("#767676 on white") << "#FFFFFF"
                                      << "#767676"
                                      << "4.54"
                                      << "yyny";
    QTest::newRow("red on black") << "#FF0000"
                                  << "#000000"
                                  << "5.25"
                                  << "yyny";
    QTest::newRow("green on black") << "#00FF00"
                                    << "#000000"
                                    << "15.30"
                                    << "yyyy";
    QTest::newRow("blue on black") << "#0000FF"
                                   << "#000000"
                                   << "2.44"
                                   << "nnnn";
    // 4.478:1 fails AA for normal text, and is shown cut, not rounded up towards 4.5.
    QTest::newRow("#777777 on white") << "#777777"
                                      << "#FFFFFF"
                                      << "4.47"
                                      << "nynn";
}

void TestNotations::contrast() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, ratio);
    QFETCH(QString, verdicts);
    const double value = ContrastRatio(*ParseWebCode(first), *ParseWebCode(second));
    QCOMPARE(RatioText(value), ratio);
    const ContrastVerdicts v = VerdictsOf(value);
    QString seen;
    for (bool pass : {v.aaNormal, v.aaLarge, v.aaaNormal, v.aaaLarge}) {
        seen += pass ? 'y' : 'n';
    }
    QCOMPARE(seen, verdicts);
    const ContrastReport report =
        ContrastReportOf({*ParseWebCode(first), ""}, {*ParseWebCode(second), ""});
    QVERIFY(report.plain.contains(ratio + ":1"));
    QVERIFY(report.rich.contains("color:" + first) && report.rich.contains("color:" + second));
}

void TestNotations::apca_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::addColumn<double>("lc");
    QTest::addColumn<QString>("shown");

    // clang-format off
    // APCA-W3's published test values (0.0.98G-4g), each pair both ways round: dark text on a
    // light background is positive, light on dark negative, and the two differ in size.
    QTest::newRow("#888 on white") << "#888888" << "#FFFFFF" << 63.056469930209424 << "63.1";
    QTest::newRow("white on #888") << "#FFFFFF" << "#888888" << -68.54146436644962 << "-68.5";
    QTest::newRow("black on #aaa") << "#000000" << "#AAAAAA" << 58.146262578561334 << "58.1";
    QTest::newRow("#aaa on black") << "#AAAAAA" << "#000000" << -56.24113336839742 << "-56.2";
    QTest::newRow("#123 on #def") << "#112233" << "#DDEEFF" << 91.66830811481631 << "91.7";
    QTest::newRow("#def on #123") << "#DDEEFF" << "#112233" << -93.06770049484275 << "-93.1";
    // Both near black: the soft clamp of the darkest levels decides these.
    QTest::newRow("#123 on #444") << "#112233" << "#444444" << 8.32326136957393 << "8.3";
    QTest::newRow("#444 on #123") << "#444444" << "#112233" << -7.526878460278154 << "-7.5";
    QTest::newRow("black on white") << "#000000" << "#FFFFFF" << 106.04067321268862 << "106.0";
    QTest::newRow("white on black") << "#FFFFFF" << "#000000" << -107.88473318309848 << "-107.9";
    // Too close to read: below the low clip, and equal colours.
    QTest::newRow("#fafafa on white") << "#FAFAFA" << "#FFFFFF" << 0.0 << "0.0";
    QTest::newRow("white on #fafafa") << "#FFFFFF" << "#FAFAFA" << 0.0 << "0.0";
    QTest::newRow("the same colour") << "#3C78B4" << "#3C78B4" << 0.0 << "0.0";
    // clang-format on
}

// The first row is the text, the second the background, in the report's own line too.
void TestNotations::apca() {
    QFETCH(QString, text);
    QFETCH(QString, background);
    QFETCH(double, lc);
    QFETCH(QString, shown);
    const double value = ApcaContrast(*ParseWebCode(text), *ParseWebCode(background));
    QVERIFY2(std::abs(value - lc) < 1e-9, qPrintable(QString::number(value, 'g', 17)));
    const ContrastReport report =
        ContrastReportOf({*ParseWebCode(text), ""}, {*ParseWebCode(background), ""});
    const QString line = QString("APCA Lc %1 (%2 text on %3)").arg(shown, text, background);
    QVERIFY2(report.plain.endsWith("\n" + line), qPrintable(report.plain));
    QVERIFY(report.rich.contains(line));
}

QTEST_GUILESS_MAIN(TestNotations)
#include "test_notations.moc"
