#include "screencheck/Chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr QRgb kGround = 0xff808080;

// A mark: four squares, light and dark crossed, so that it lies in one place only, to the pixel,
// along both axes.
void DrawMark(QImage& image, const QRect& at) {
    const int half = at.width() / 2;
    for (int y = 0; y < at.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(at.top() + y));
        for (int x = 0; x < at.width(); ++x) {
            const bool light = (x < half) == (y < half);
            row[at.left() + x] = light ? 0xffffffff : 0xff000000;
        }
    }
}
} // namespace

QList<ChartPatch> Chart::patchesOf(ChartPatch::Kind kind) const {
    QList<ChartPatch> of;
    for (const ChartPatch& p : patches) {
        if (p.kind == kind) {
            of << p;
        }
    }
    return of;
}

Chart MakeChart(QSize devicePixels, double ratio) {
    Chart chart;
    const int width = devicePixels.width();
    const int height = devicePixels.height();
    if (width < 300 || height < 200) {
        return chart;
    }
    // The chart's unit: 8 logical pixels, kept small enough on a small monitor.
    const int unit = std::clamp(int(std::lround(8 * std::max(ratio, 1.0))), 2, width / 80);
    const int margin = 2 * unit;
    const int mark = 2 * unit;
    chart.markSearch = std::min(margin, 8 * std::max(1, int(std::lround(ratio))));
    chart.image = QImage(width, height, QImage::Format_RGB32);
    chart.image.fill(kGround);
    const auto add = [&chart](ChartPatch::Kind kind, const QRect& area, QRgb color) {
        chart.patches << ChartPatch{kind, area, color};
    };
    for (const QPoint corner : {QPoint(margin, margin), QPoint(width - margin - mark, margin),
                                QPoint(margin, height - margin - mark),
                                QPoint(width - margin - mark, height - margin - mark)}) {
        const QRect at(corner, QSize(mark, mark));
        DrawMark(chart.image, at);
        add(ChartPatch::Kind::Mark, at, 0xffffffff);
    }
    // Four bands between the marks' rows: the primaries, the grey ramp, the near-black steps, the
    // checkerboard.
    const int left = margin + mark + unit;
    const int inner = width - 2 * left;
    const int top = margin + mark + unit;
    const int bands = 4;
    const int gap = unit;
    const int band = (height - 2 * top - (bands - 1) * gap) / bands;
    const auto bandRect = [&](int i) { return QRect(left, top + i * (band + gap), inner, band); };
    QPainter painter(&chart.image);
    painter.setPen(Qt::NoPen);
    const auto fill = [&](ChartPatch::Kind kind, const QRect& area, QRgb color) {
        painter.fillRect(area, QColor::fromRgb(color));
        add(kind, area, color);
    };
    // A band cut into n patches of whole pixels, the leftover split at both ends.
    const auto cut = [](const QRect& area, int n, int i) {
        const int w = area.width() / n;
        const int start = area.left() + (area.width() - w * n) / 2;
        return QRect(start + i * w, area.top(), w, area.height());
    };
    static const QRgb kPrimaries[] = {0xffff0000, 0xff00ff00, 0xff0000ff,
                                      0xff00ffff, 0xffff00ff, 0xffffff00};
    for (int i = 0; i < 6; ++i) {
        const QRect cell = cut(bandRect(0), 6, i);
        fill(ChartPatch::Kind::Primary, cell.adjusted(unit / 2, 0, -unit / 2, 0), kPrimaries[i]);
    }
    for (int level = 0; level < 256; ++level) {
        fill(ChartPatch::Kind::Grey, cut(bandRect(1), 256, level), qRgb(level, level, level));
    }
    for (int level = 0; level < 16; ++level) {
        const QRect cell = cut(bandRect(2), 16, level);
        fill(ChartPatch::Kind::NearBlack, cell.adjusted(unit / 4, 0, -unit / 4, 0),
             qRgb(level, level, level));
    }
    painter.end();
    const QRect board = bandRect(3);
    for (int y = board.top(); y <= board.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(chart.image.scanLine(y));
        for (int x = board.left(); x <= board.right(); ++x) {
            row[x] = ((x + y) & 1) == 0 ? 0xffffffff : 0xff000000;
        }
    }
    add(ChartPatch::Kind::Checkerboard, board, 0xffffffff);
    chart.image.setDevicePixelRatio(ratio);
    return chart;
}
