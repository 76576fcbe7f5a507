// The renderer's work budget on its own: what each kind of work costs, where the caps lie, and
// which refusals end playback and which only leave one piece out.

#include "input/metafile/WorkBudget.h"

#include <QTest>
#include <functional>
#include <limits>

using gdi::WorkBudget;
using Work = std::function<bool(WorkBudget&)>;
Q_DECLARE_METATYPE(Work)

namespace {

// Work done n times; true when every time was paid for.
Work times(int n, const Work& work) {
    return [=](WorkBudget& b) {
        bool paid = true;
        for (int i = 0; i < n; ++i) {
            paid = work(b) && paid;
        }
        return paid;
    };
}

Work fill(const QRectF& area) {
    return [=](WorkBudget& b) { return b.chargeArea(area); };
}

// A polygon of n points alternating between the top and the bottom row of a picture of height h.
QPainterPath zigzag(int n, int h) {
    QPolygonF points;
    for (int i = 0; i < n; ++i) {
        points << QPointF(i, i % 2 ? h : 0);
    }
    QPainterPath path;
    path.addPolygon(points);
    return path;
}

// n one-pixel horizontal lines, one per row, as separate figures.
QPainterPath rows(int n) {
    QPainterPath path;
    for (int y = 0; y < n; ++y) {
        path.moveTo(0, y);
        path.lineTo(100, y);
    }
    return path;
}

// n stripes one pixel wide, across (one per band) or beside each other (all in one band).
QRegion stripes(int n, bool across) {
    QVector<QRect> rects;
    for (int i = 0; i < n; ++i) {
        rects << (across ? QRect(0, 2 * i, 4 * n, 1) : QRect(2 * i, 0, 1, 4 * n));
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

} // namespace

class TestWorkBudget : public QObject {
    Q_OBJECT
private slots:
    void charges_data();
    void charges();
};

void TestWorkBudget::charges_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<Work>("before");
    QTest::addColumn<Work>("work");
    QTest::addColumn<bool>("paid");
    QTest::addColumn<bool>("exhausted");

    const QSize small(100, 100), square(1000, 1000), medium(2000, 2000), huge(20000, 20000);
    auto row = [](const char* name, QSize picture, const Work& before, const Work& work, bool paid,
                  bool exhausted) {
        QTest::newRow(name) << picture << before << work << paid << exhausted;
    };
    const Work nothing = [](WorkBudget&) { return true; };
    const Work waive = [](WorkBudget& b) { return b.waive(), true; };
    const Work stop = [](WorkBudget& b) { return b.stop(), true; };
    const Work beyond = [](WorkBudget&) { return WorkBudget::plausible({0, 0, 1 << 25, 10}); };
    const Work notANumber = [](WorkBudget&) { return WorkBudget::plausible({0, qQNaN(), 1, 1}); };
    const Work longText = [](WorkBudget& b) { return b.chargeText(WorkBudget::MaxTextRun); };
    const Work widenLargest = [](WorkBudget& b) {
        return b.chargeWidening(65536) && b.chargeWidened(1 << 20);
    };
    const Work widenMore = [](WorkBudget& b) { return b.chargeWidening(65537); };
    const Work widenedMore = [](WorkBudget& b) { return b.chargeWidened((1 << 20) + 1); };
    const Work saveAndRestore = [](WorkBudget& b) {
        const bool paid = b.chargeSavedClip(1 << 20);
        b.releaseSavedClip(1);
        return paid;
    };
    auto edges = [](const QPainterPath& path, double extraRows) -> Work {
        return [=](WorkBudget& b) { return b.chargeEdges(path, QTransform(), extraRows); };
    };
    auto region = [](int n) -> Work {
        return [=](WorkBudget& b) { return b.chargeRegion(stripes(n, false)); };
    };
    auto combine = [](int n) -> Work {
        return
            [=](WorkBudget& b) { return b.chargeCombining(stripes(n, true), stripes(n, false)); };
    };
    auto decode = [](qint64 pixels, bool pattern) -> Work {
        return [=](WorkBudget& b) { return b.chargeDecode(pixels, pattern); };
    };
    auto save = [](qint64 rects) -> Work {
        return [=](WorkBudget& b) { return b.chargeSavedClip(rects); };
    };

    // 2000 x 2000 pays for 64 x 4 M pixels: 63 fills of 2001 x 2001 with their fixed cost.
    const Work wholeMedium = fill({0, 0, 2000, 2000});
    const Work wholeHuge = fill({0, 0, 20000, 20000});
    row("63 fills of the picture", medium, nothing, times(63, wholeMedium), true, false);
    row("the 64th ends playback", medium, times(63, wholeMedium), wholeMedium, false, true);
    row("only the part on the picture costs", small, nothing, fill({-1e6, -1e6, 2e6, 2e6}), true,
        false);
    row("small pictures get the floor", small, nothing, times(1000, fill({0, 0, 100, 100})), true,
        false);
    row("large pictures meet the ceiling", huge, times(5, wholeHuge), wholeHuge, false, true);
    row("measuring waives the budget", huge, waive, times(100, wholeHuge), true, false);
    row("area beyond any picture", small, nothing, beyond, false, false);
    row("area not a number", small, nothing, notANumber, false, false);

    row("zigzag of 20 edges", square, nothing, edges(zigzag(20, 1000), 0), true, false);
    row("zigzag of 2000 edges left out, playback goes on", square, nothing,
        edges(zigzag(2000, 1000), 0), false, false);
    row("200 thin lines", square, nothing, edges(rows(200), 0), true, false);
    row("200 lines a wide pen spreads over every row left out", square, nothing,
        edges(rows(200), 1e9), false, false);

    row("clip of 65536 rectangles", small, nothing, region(65536), true, false);
    row("clip of 65537 rectangles ends playback", small, nothing, region(65537), false, true);
    row("1024 stripes across 1024", small, nothing, combine(1024), true, false);
    row("2048 stripes across 2048 end playback", small, nothing, combine(2048), false, true);
    row("saved clips of 2^20 rectangles", small, save(1 << 19), save(1 << 19), true, false);
    row("one rectangle more ends playback", small, save(1 << 20), save(1), false, true);
    row("restoring gives them back", small, saveAndRestore, save(1), true, false);

    row("2^28 bitmap pixels", huge, nothing, decode(qint64(1) << 28, false), true, false);
    row("one pixel more left out", huge, decode(qint64(1) << 28, false), decode(1, false), false,
        false);
    row("pattern of 2^20 pixels", small, nothing, decode(1 << 20, true), true, false);
    row("pattern of 2^20 + 1 pixels left out", small, nothing, decode((1 << 20) + 1, true), false,
        false);
    row("the 17th pattern of 2^20 pixels left out", huge, times(16, decode(1 << 20, true)),
        decode(1 << 20, true), false, false);
    row("nothing decoded once exhausted", huge, stop, decode(1, false), false, true);

    row("16 text runs of 16384 characters", small, nothing, times(16, longText), true, false);
    row("the 17th ends playback", small, nothing, times(17, longText), false, true);
    row("path of 65536 elements widened", small, nothing, widenLargest, true, false);
    row("path of 65537 elements kept", small, nothing, widenMore, false, false);
    row("widened path of 2^20 + 1 elements dropped", small, nothing, widenedMore, false, false);
}

void TestWorkBudget::charges() {
    QFETCH(QSize, picture);
    QFETCH(Work, before);
    QFETCH(Work, work);
    QFETCH(bool, paid);
    QFETCH(bool, exhausted);
    WorkBudget budget(picture);
    before(budget);
    QCOMPARE(work(budget), paid);
    QCOMPARE(budget.exhausted(), exhausted);
}

QTEST_APPLESS_MAIN(TestWorkBudget)
#include "test_workbudget.moc"
