// The texts of a printout, from plain values: list lines with their fields, the title block, and
// the part of the picture that the picture page shows.

#include "list/Printout.h"

#include <QTest>

class TestPrintout : public QObject {
    Q_OBJECT
private slots:
    void listLine_data();
    void listLine();
    void titleBlock_data();
    void titleBlock();
};

void TestPrintout::listLine_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<bool>("titlesRow");
    QTest::addColumn<QString>("expected");

    // The titles keep right-aligned over their fields once their leading blanks are gone.
    QTest::newRow("titles row") << QStringList{"WebColor", " WebBack", "  Red",
                                               "Green",    " Blue",    "Description"}
                                << true << "       WebColor    WebBack Red Green Blue Description";
    // 8 blanks, #FF8000, 4 blanks, #007FFF, 1 blank, 255, 3 blanks, 128, 4 blanks, 0, 1 blank.
    QTest::newRow("FF8000, 45 characters")
        << QStringList{"#FF8000", "#007FFF", " 255", " 128", " 0", "abc"} << false
        << "        #FF8000    #007FFF 255   128    0 abc";
    QTest::newRow("empty description ends in the blank before it")
        << QStringList{"#000000", "#FFFFFF", " 0", " 0", " 0", ""} << false
        << "        #000000    #FFFFFF   0     0    0 ";
    QTest::newRow("texts longer than their fields print unpadded")
        << QStringList{"#FF8000FF8000", "#007FFF007FFF", "  Red", " 1234567", " 123456", "x"}
        << false << "    #FF8000FF8000#007FFF007FFF  Red 1234567 123456 x";
    QTest::newRow("leading blanks of a pick row are kept")
        << QStringList{"#FF8000", "#007FFF", "  Red", " 128", " 0", "d"} << false
        << "        #FF8000    #007FFF  Red   128    0 d";
    QTest::newRow("missing cells are empty")
        << QStringList{"#FF8000"} << false << "        #FF8000                           ";
    const QString longText = QString(1000, QLatin1Char('w')) + QStringLiteral("END");
    QTest::newRow("a long description whole")
        << QStringList{"#FF8000", "#007FFF", " 255", " 128", " 0", longText} << false
        << QStringLiteral("        #FF8000    #007FFF 255   128    0 ") + longText;
    // Column 42 is where the description starts: a tab runs to column 48.
    QTest::newRow("tab to the next stop, control characters as blanks")
        << QStringList{"#FF8000",
                       "#007FFF",
                       " 255",
                       " 128",
                       " 0",
                       QStringLiteral("a\tb\x01"
                                      "c\nd\re\u2028f")}
        << false << "        #FF8000    #007FFF 255   128    0 a     b c d e f";
}

void TestPrintout::listLine() {
    QFETCH(QStringList, cells);
    QFETCH(bool, titlesRow);
    QFETCH(QString, expected);
    // The worked example's width holds the expected text to the layout's own figure, so that a
    // mistyped expectation cannot make the comparison below pass for a wrong line.
    if (QByteArray(QTest::currentDataTag()).startsWith("FF8000")) {
        QCOMPARE(expected.size(), 45);
    }
    QCOMPARE(PrintListLine(cells, titlesRow), expected);
}

void TestPrintout::titleBlock_data() {
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<bool>("picturePage");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");

    QTest::newRow("pasted, picture page 1")
        << QDateTime(QDate(2026, 12, 6), QTime(6, 40, 50)) << true << 1 << "Pasted from clipboard"
        << "    Pasted from clipboard  Printed: 12/06/2026 06:40:50  Page 1";
    QTest::newRow("no picture page: no label")
        << QDateTime(QDate(2026, 1, 2), QTime(23, 59, 59)) << false << 1 << "/home/a/b.gif"
        << "    /home/a/b.gif  Printed: 01/02/2026 23:59:59";
    QTest::newRow("picture page after a long list")
        << QDateTime(QDate(1999, 10, 31), QTime(0, 0, 0)) << true << 6 << "x.bmp"
        << "    x.bmp  Printed: 10/31/1999 00:00:00  Page 6";
    QTest::newRow("a caption with a tab and a line break")
        << QDateTime(QDate(2026, 3, 4), QTime(12, 0, 1)) << false << 1 << "a\tb\nc"
        << "    a   b c  Printed: 03/04/2026 12:00:01";
}

void TestPrintout::titleBlock() {
    QFETCH(QDateTime, when);
    QFETCH(bool, picturePage);
    QFETCH(int, page);
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    QCOMPARE(PrintTitleLine(caption, PrintTimestamp(when), PrintPageLabel(picturePage, page)),
             expected);
    QCOMPARE(PrintIndent(), QStringLiteral("    "));
    QCOMPARE(PrintRuleLine(), QStringLiteral("    ") + QString(80, QLatin1Char('_')));
}

QTEST_MAIN(TestPrintout)
#include "test_printout.moc"
