// The custom notation dialog's explanation wraps only between its placeholders and escapes,
// never inside one ("{l:." on one line and "1}" on the next), in any language's text, and reads
// as it was written.

#include "desktop/Services.h"

#include <QRegularExpression>
#include <QTest>
#include <QTextBoundaryFinder>

class TestPlaceholderLabel : public QObject {
    Q_OBJECT
private slots:
    void keptWhole_data();
    void keptWhole();
};

void TestPlaceholderLabel::keptWhole_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("whole"); // the runs no line may break inside
    QTest::newRow("English")
        << "&Template, with placeholders such as {hex}, {r} {g} {b}, {h} {s} {l}, {l:.1}, "
           "{oklch}, {name}, {x} {y} and {description}; {{ and }} for braces, \\n for a line break:"
        << QStringList{"{l:.1}", "{description}", "{{", "}}", "\\n", "{oklch}"};
    QTest::newRow("Japanese, no spaces")
        << "テンプレート（{hex}、{r}{g}{b}、{l:.1}、{oklch_h:.2}など。{{と}}は波括弧、\\nは改行）："
        << QStringList{"{l:.1}", "{oklch_h:.2}", "{{", "}}", "\\n"};
    QTest::newRow("escapes") << "a \\t tab, \\\\ a backslash, {r%}/{g%}"
                             << QStringList{"\\t", "\\\\", "{r%}", "{g%}"};
    QTest::newRow("nothing to keep") << "Template: type it here, then press OK." << QStringList{};
    QTest::newRow("brace left open") << "{l:.1 and more" << QStringList{};
}

void TestPlaceholderLabel::keptWhole() {
    QFETCH(QString, text);
    QFETCH(QStringList, whole);
    const QString kept = KeepPlaceholdersWhole(text);
    QCOMPARE(QString(kept).remove(QChar(0x2060)), text);
    if (whole.isEmpty()) {
        QCOMPARE(kept, text);
    }
    for (const QString& run : whole) {
        // The run as kept: its characters with anything but a possible break between them.
        QString pattern;
        for (QChar c : run) {
            pattern +=
                (pattern.isEmpty() ? "" : "\\x{2060}") + QRegularExpression::escape(QString(c));
        }
        const QRegularExpressionMatch m = QRegularExpression(pattern).match(kept);
        QVERIFY2(m.hasMatch(), qPrintable(run));
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, kept);
        for (qsizetype at = m.capturedStart() + 1; at < m.capturedEnd(); ++at) {
            breaks.setPosition(at);
            QVERIFY2(!breaks.isAtBoundary(), qPrintable(run + " breaks at " + QString::number(at)));
        }
    }
}

QTEST_GUILESS_MAIN(TestPlaceholderLabel)
#include "test_placeholderlabel.moc"
