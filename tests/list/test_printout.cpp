// The texts of a printout, from plain values: list lines with their fields, the title block, and
// the part of the picture that the picture page shows.

#include "list/Printout.h"

#include <QTest>

class TestPrintout : public QObject {
    Q_OBJECT
private slots:
    void listLine_data();
    void listLine();
    void translatedTitles_data();
    void translatedTitles();
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

// Titles in other languages: a field too narrow for its title and a blank widens, so that no
// title runs into the one on its left, and the rows' values stay right-aligned under it. A
// character of East Asian scripts takes two columns.
void TestPrintout::translatedTitles_data() {
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("titlesLine");
    QTest::addColumn<QString>("pickLine");

    QTest::newRow("English keeps every field")
        << QStringList{"WebColor", " WebBack", "  Red", "Green", " Blue", "Description"}
        << "       WebColor    WebBack Red Green Blue Description"
        << "        #FF8000    #007FFF 255   128    0 d";
    QTest::newRow("Spanish: Rojo widens its field by one")
        << QStringList{"Color web", "Fondo web", " Rojo", "Verde", " Azul", "Descripción"}
        << "      Color web  Fondo web Rojo Verde Azul Descripción"
        << "        #FF8000    #007FFF  255   128    0 d";
    QTest::newRow("a title longer than two fields")
        << QStringList{"Farbe", "Invers", "Rotanteil", "Grün", "Blau", "Text"}
        << "          Farbe     Invers Rotanteil  Grün Blau Text"
        << "        #FF8000    #007FFF       255   128    0 d";
    QTest::newRow("Japanese: wide characters count twice")
        << QStringList{QStringLiteral("Web 色"), QStringLiteral("反転色"), QStringLiteral("赤色"),
                       QStringLiteral("緑"),     QStringLiteral("青"),     QStringLiteral("説明")}
        << QStringLiteral("         Web 色     反転色 赤色    緑   青 説明")
        << "        #FF8000    #007FFF  255   128    0 d";
}

void TestPrintout::translatedTitles() {
    QFETCH(QStringList, titles);
    QFETCH(QString, titlesLine);
    QFETCH(QString, pickLine);
    const PrintFields fields = PrintFieldWidths(titles);
    QCOMPARE(PrintListLine(titles, true, fields), titlesLine);
    QCOMPARE(PrintListLine({"#FF8000", "#007FFF", " 255", " 128", " 0", "d"}, false, fields),
             pickLine);
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
