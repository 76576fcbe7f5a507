// The list of picks as the grid shows it: each pick's texts and cell colours made from its colour
// (a background that would read as the list's default, 0, kept visible as near-black), picks and
// opened colours on top of the empty row that always stays last, descriptions written where the
// editor writes them, and clearing.

#include "list/PickList.h"

#include <QTest>

namespace {
// The rows as "code|description", the empty last row as "|description".
QStringList RowsOf(const PickList& list) {
    QStringList rows;
    for (int r = 0; r < list.rowCount(); ++r) {
        rows << list.index(r, PickList::WebColorCol).data().toString() + '|' +
                    list.index(r, PickList::DescriptionCol).data().toString();
    }
    return rows;
}

// "#RRGGBB", or "#RRGGBB=description".
Pick PickOf(const QString& word) {
    const Color c(word.mid(1, 2).toInt(nullptr, 16), word.mid(3, 2).toInt(nullptr, 16),
                  word.mid(5, 2).toInt(nullptr, 16));
    return Pick{c, word.mid(8), PickOrigin()};
}
} // namespace

class TestPickList : public QObject {
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void edits_data();
    void edits();
};

void TestPickList::cells_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QList<int>>("colors"); // WebColor back, text; WebBack back, text

    QTest::newRow("red") << 0x0000FF << "#FF0000|#00FFFF| 255| 0| 0|"
                         << QList<int>{0x0000FF, 0xFFFF00, 0xFFFF00, 0x0000FF};
    QTest::newRow("black") << 0 << "#000000|#FFFFFF| 0| 0| 0|"
                           << QList<int>{0x010101, 0xFFFFFF, 0xFFFFFF, 0};
    QTest::newRow("white") << 0xFFFFFF << "#FFFFFF|#000000| 255| 255| 255|"
                           << QList<int>{0xFFFFFF, 0, 0x010101, 0xFFFFFF};
    QTest::newRow("FF8000") << 0x0080FF << "#FF8000|#007FFF| 255| 128| 0|"
                            << QList<int>{0x0080FF, 0xFF7F00, 0xFF7F00, 0x0080FF};
}

void TestPickList::cells() {
    QFETCH(int, value);
    QFETCH(QString, texts);
    QFETCH(QList<int>, colors);
    PickList list;
    list.addOnTop(Pick{Color::fromValue(value), QString(), PickOrigin()});
    QStringList cells;
    for (int c = 0; c < PickList::kColumns; ++c) {
        cells << list.index(0, c).data().toString();
    }
    QCOMPARE(cells.join('|'), texts);
    const auto role = [&list](int col, int role) { return list.index(0, col).data(role).toInt(); };
    QCOMPARE((QList<int>{role(0, CellRole::BackValue), role(0, CellRole::ForeValue),
                         role(1, CellRole::BackValue), role(1, CellRole::ForeValue)}),
             colors);
    // The other cells and the empty last row have no colours of their own.
    for (int c = 2; c < PickList::kColumns; ++c) {
        QCOMPARE(role(c, CellRole::BackValue), 0);
        QVERIFY(!list.index(0, c).data(CellRole::ForeValue).isValid());
    }
    QCOMPARE(list.index(1, 0).data(CellRole::BackValue).toInt(), 0);
}

// A script of steps, one a line: "add #RRGGBB", "open #A #B ..." (a file's colours, its first on
// top), "describe ROW text", "write ROW COL text" (through the model's own interface, as the grid
// writes a cell), "remove ROW COUNT", "clear".
void TestPickList::edits_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("newest on top, the empty row last")
        << QStringList{"add #FF0000", "add #00FF00"} << QStringList{"#00FF00|", "#FF0000|", "|"};
    QTest::newRow("opened colours: the file's first on top, above earlier picks")
        << QStringList{"add #000000", "open #111111 #222222"}
        << QStringList{"#111111|", "#222222|", "#000000|", "|"};
    QTest::newRow("a description stays with its pick as picks arrive")
        << QStringList{"add #FF0000", "describe 0 Brick", "add #00FF00"}
        << QStringList{"#00FF00|", "#FF0000|Brick", "|"};
    QTest::newRow("the empty last row keeps its description and stays last")
        << QStringList{"describe 0 note", "add #0000FF"} << QStringList{"#0000FF|", "|note"};
    QTest::newRow("rows beyond the list are not written")
        << QStringList{"describe 1 x", "describe -1 y"} << QStringList{"|"};
    QTest::newRow("a description written as a cell")
        << QStringList{"add #FF0000", "write 0 5 Brick"} << QStringList{"#FF0000|Brick", "|"};
    QTest::newRow("a web code is made from the colour, never written")
        << QStringList{"add #FF0000", "write 0 0 #00FF00"} << QStringList{"#FF0000|", "|"};
    QTest::newRow("picks are removed, the empty last row is not")
        << QStringList{"add #FF0000", "add #00FF00", "describe 2 last", "remove 0 1", "remove 1 1"}
        << QStringList{"#FF0000|", "|last"};
    // A description is cut at the cap however it arrives, never inside a character.
    const QString full = QString(PickList::kMaxDescription, 'x');
    QTest::newRow("a description beyond the cap is cut")
        << QStringList{"add #FF0000", "describe 0 " + full + "yz", "describe 1 " + full + "!",
                       "open #00FF00=" + full + "!"}
        << QStringList{"#00FF00|" + full, "#FF0000|" + full, "|" + full};
    const QString pair = QString::fromUtf8("\xF0\x9F\x8E\xA8"); // two code units
    QTest::newRow("the cap falls inside a character: it goes whole")
        << QStringList{"describe 0 " + QString(PickList::kMaxDescription - 1, 'x') + pair}
        << QStringList{"|" + QString(PickList::kMaxDescription - 1, 'x')};
    QTest::newRow("clear leaves one empty row without a description")
        << QStringList{"add #FF0000", "describe 1 last", "clear"} << QStringList{"|"};
}

void TestPickList::edits() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, rows);
    PickList list;
    for (const QString& step : steps) {
        const QStringList words = step.split(' ');
        if (words[0] == "add") {
            list.addOnTop(PickOf(words[1]));
        } else if (words[0] == "open") {
            QList<Pick> opened;
            for (const QString& code : words.mid(1)) {
                opened << PickOf(code);
            }
            list.addOnTop(opened);
        } else if (words[0] == "describe") {
            list.setDescription(words[1].toInt(), words[2]);
        } else if (words[0] == "write") {
            list.setData(list.index(words[1].toInt(), words[2].toInt()), words[3]);
        } else if (words[0] == "remove") {
            list.removeRows(words[1].toInt(), words[2].toInt());
        } else if (words[0] == "clear") {
            list.clear();
        }
    }
    QCOMPARE(RowsOf(list), rows);
    QCOMPARE(list.count(), rows.size() - 1);
}

QTEST_APPLESS_MAIN(TestPickList)
#include "test_picklist.moc"
