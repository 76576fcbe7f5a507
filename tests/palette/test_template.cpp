// Colour templates: every placeholder on known colours, precisions, escapes, each fault a
// template can have with its message, picks without a place and exact values that are not
// finite.

#include "palette/Notations.h"
#include "palette/Template.h"

#include <QTest>
#include <limits>

class TestTemplate : public QObject {
    Q_OBJECT
private slots:
    void render_data();
    void render();
    void faults_data();
    void faults();
};

namespace {
enum Origin { Placed, Unplaced, NotFinite };

Pick PickOf(const QString& code, const QString& description, int origin) {
    PickOrigin where;
    if (origin != Unplaced) {
        where.position = QPoint(12, 34);
    }
    if (origin == NotFinite) {
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        constexpr double inf = std::numeric_limits<double>::infinity();
        where.precise = EncodedRgb{nan, inf, -inf};
    }
    return Pick(*ParseWebCode(code), description, where);
}
} // namespace

void TestTemplate::render_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("origin");
    QTest::addColumn<QString>("expected");

    // Goldenrod, #DAA520: hsl(42.903 74.4% 49.0196%), its channels 85.49%, 64.71%, 12.55%.
    const QString gold = QStringLiteral("#DAA520");
    QTest::newRow("web codes") << "{hex} {HEX}" << gold << "" << int(Placed) << "#daa520 #DAA520";
    QTest::newRow("channels") << "{r},{g},{b}" << gold << "" << int(Placed) << "218,165,32";
    QTest::newRow("percents") << "{r%} {g%} {b%}" << gold << "" << int(Placed)
                              << "85.49 64.71 12.55";
    QTest::newRow("hsl parts") << "{h} {s} {l}" << gold << "" << int(Placed) << "42.9 74.4 49.02";
    QTest::newRow("hsl as hsl()") << "hsl({h} {s}% {l}%)" << gold << "" << int(Placed)
                                  << ColorAs(Notation::Hsl, PickOf(gold, {}, Placed));
    // Red in Oklch as the published conversions give it: oklch(62.796% 0.25768 29.2339).
    QTest::newRow("oklch") << "{oklch}"
                           << "#FF0000"
                           << "" << int(Placed) << "oklch(0.62796 0.25768 29.234)";
    QTest::newRow("oklch parts") << "{oklch_l}/{oklch_c}/{oklch_h}"
                                 << "#FF0000"
                                 << "" << int(Placed) << "0.62796/0.25768/29.234";
    QTest::newRow("name") << "{name}" << gold << "" << int(Placed) << "goldenrod";
    QTest::newRow("near name") << "{name}"
                               << "#DAA521"
                               << "" << int(Placed)
                               << ColorAs(Notation::Name, PickOf("#DAA521", {}, Placed));
    QTest::newRow("place") << "{x},{y}" << gold << "" << int(Placed) << "12,34";
    // The description as typed, braces and all: it is not a template itself.
    QTest::newRow("description") << "--{description}: {hex};" << gold << "brand {hex}"
                                 << int(Placed) << "--brand {hex}: #daa520;";
    QTest::newRow("no description") << "[{description}]" << gold << "" << int(Placed) << "[]";
    QTest::newRow("only text") << "swatch" << gold << "" << int(Placed) << "swatch";
    // Precisions, rounded half up, trailing zeros dropped, as CssNumber writes numbers.
    QTest::newRow("fewer decimals")
        << "{h:.0} {s:.0} {l:.1}" << gold << "" << int(Placed) << "43 74 49";
    QTest::newRow("more decimals")
        << "{h:.4} {l:.4} {oklch_h:.5}" << gold << "" << int(Placed)
        << "42.9032 49.0196 " + HueText(OklchOf(Color(218, 165, 32)).hue, 5);
    QTest::newRow("ten decimals") << "{r%:.10}" << gold << "" << int(Placed) << "85.4901960784";
    QTest::newRow("whole numbers keep their digits")
        << "{r:.3} {x:.2} {g:.0}" << gold << "" << int(Placed) << "218 12 165";
    QTest::newRow("oklch rounded") << "{oklch_l:.2} {oklch_c:.1} {oklch_h:.0}"
                                   << "#FF0000"
                                   << "" << int(Placed) << "0.63 0.3 29";
    // A hue that rounds up to 360 is 0, as hsl() writes it.
    QTest::newRow("hue wraps") << "{h} {h:.0}"
                               << "#FF0001"
                               << "" << int(Placed) << "359.76 0";
    QTest::newRow("grey has no hue") << "{h} {s} {oklch_h} {oklch_c}"
                                     << "#808080"
                                     << "" << int(Placed) << "none 0 none 0";
    QTest::newRow("black") << "{l} {oklch_l} {r%}"
                           << "#000000"
                           << "" << int(Placed) << "0 0 0";
    // Escapes.
    QTest::newRow("braces") << "{{{hex}}} {{x}}" << gold << "" << int(Placed) << "{#daa520} {x}";
    QTest::newRow("line break and tab")
        << "{hex}\\n\\t{r}" << gold << "" << int(Placed) << "#daa520\n\t218";
    QTest::newRow("backslash") << "a\\\\n" << gold << "" << int(Placed) << "a\\n";
    QTest::newRow("other backslashes stand") << "C:\\x\\" << gold << "" << int(Placed) << "C:\\x\\";
    // Without a place: all but {x} and {y} as ever.
    QTest::newRow("opened colour")
        << "{hex} {name}" << gold << "" << int(Unplaced) << "#daa520 goldenrod";
    // An exact value that is not finite shows nowhere: the numbers are the 8-bit colour's, as
    // every notation's.
    QTest::newRow("not finite") << "{hex} {r} {g%} {h} {oklch}" << gold << "" << int(NotFinite)
                                << "#daa520 218 64.71 42.9 " +
                                       ColorAs(Notation::Oklch, PickOf(gold, {}, Placed));
}

void TestTemplate::render() {
    QFETCH(QString, text);
    QFETCH(QString, code);
    QFETCH(QString, description);
    QFETCH(int, origin);
    const ColorTemplate t(text);
    QVERIFY2(t.valid(), qPrintable(t.error()));
    const TemplateText out = t.render(PickOf(code, description, origin));
    QVERIFY2(out.ok(), qPrintable(out.error));
    QTEST(out.text, "expected");
}

void TestTemplate::faults_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("origin");
    QTest::addColumn<QString>("error");
    // Faults of the template itself, found as it is parsed.
    QTest::newRow("empty") << "" << int(Placed) << "the template is empty";
    QTest::newRow("unknown") << "{hex} {foo}" << int(Placed)
                             << "unknown placeholder {foo} in the template";
    QTest::newRow("unknown, with a precision")
        << "{red:.2}" << int(Placed) << "unknown placeholder {red} in the template";
    QTest::newRow("case counts") << "{Hex}" << int(Placed)
                                 << "unknown placeholder {Hex} in the template";
    QTest::newRow("nothing inside")
        << "{}" << int(Placed) << "unknown placeholder {} in the template";
    QTest::newRow("escape inside")
        << "{r\\n}" << int(Placed) << "unknown placeholder {r\\n} in the template";
    QTest::newRow("unclosed at the end")
        << "{hex} {r" << int(Placed) << "the { at character 7 of the template is not closed";
    QTest::newRow("unclosed before another") << "ab {r {g}" << int(Placed)
                                             << "the { at character 4 of the template is not "
                                                "closed";
    QTest::newRow("lone }") << "{r}, g}" << int(Placed)
                            << "a lone } at character 7 of the template (}} writes a brace)";
    QTest::newRow("lone } after an escaped one")
        << "}}}" << int(Placed) << "a lone } at character 3 of the template (}} writes a brace)";
    QTest::newRow("precision on a web code")
        << "{hex:.2}" << int(Placed) << "{hex} is text and takes no precision";
    QTest::newRow("precision on oklch()")
        << "{oklch:.1}" << int(Placed) << "{oklch} is text and takes no precision";
    QTest::newRow("precision on the description")
        << "{description:.0}" << int(Placed) << "{description} is text and takes no precision";
    QTest::newRow("precision not a number")
        << "{r:.x}" << int(Placed)
        << "bad precision in {r:.x}: write .0 to .10 after the colon, as in .3";
    QTest::newRow("too many decimals")
        << "{l:.11}" << int(Placed)
        << "bad precision in {l:.11}: write .0 to .10 after the colon, as in .3";
    QTest::newRow("no point") << "{l:3}" << int(Placed)
                              << "bad precision in {l:3}: write .0 to .10 after the colon, as "
                                 "in .3";
    QTest::newRow("point alone") << "{l:.}" << int(Placed)
                                 << "bad precision in {l:.}: write .0 to .10 after the colon, "
                                    "as in .3";
    QTest::newRow("colon alone") << "{l:}" << int(Placed)
                                 << "bad precision in {l:}: write .0 to .10 after the colon, as "
                                    "in .3";
    QTest::newRow("negative") << "{l:.-1}" << int(Placed)
                              << "bad precision in {l:.-1}: write .0 to .10 after the colon, "
                                 "as in .3";
    // Faults of a colour for a good template: a colour opened, not picked, has no place.
    QTest::newRow("no place for x")
        << "{hex} {x},{y}" << int(Unplaced) << "this colour has no place in a picture for {x}";
    QTest::newRow("no place for y, with a precision")
        << "{y:.0}" << int(Unplaced) << "this colour has no place in a picture for {y}";
}

void TestTemplate::faults() {
    QFETCH(QString, text);
    QFETCH(int, origin);
    QFETCH(QString, error);
    const ColorTemplate t(text);
    const TemplateText out = t.render(PickOf(QStringLiteral("#DAA520"), {}, origin));
    QCOMPARE(out.error, error);
    QCOMPARE(out.text, QString());
    // A fault of the template is found before any colour, and said the same way.
    if (origin == Placed) {
        QCOMPARE(t.error(), error);
        QVERIFY(!t.renderEach({PickOf(QStringLiteral("#000000"), {}, Placed)}).ok());
    } else {
        QVERIFY(t.valid());
        // In a list, the first colour without a place ends it.
        const TemplateLines lines = t.renderEach({PickOf(QStringLiteral("#000000"), {}, Placed),
                                                  PickOf(QStringLiteral("#FFFFFF"), {}, Unplaced)});
        QCOMPARE(lines.error, error);
        QVERIFY(lines.lines.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestTemplate)
#include "test_template.moc"
