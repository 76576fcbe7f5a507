#include "screencheck/Comparison.h"

#include "pixels/Perceptual.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {
int ChannelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

LabValue LabOf(QRgb c) {
    return CielabOf(LinearOf(Color(qRed(c), qGreen(c), qBlue(c))));
}

// The captured pixel that shows the chart's pixel (x, y), moved by offset; nothing outside.
std::optional<QRgb> CapturedAt(const QImage& capture, int x, int y, QPoint offset) {
    const int cx = x + offset.x();
    const int cy = y + offset.y();
    if (cx < 0 || cy < 0 || cx >= capture.width() || cy >= capture.height()) {
        return std::nullopt;
    }
    return reinterpret_cast<const QRgb*>(capture.constScanLine(cy))[cx] | 0xff000000u;
}

// Where the mark lies in the capture, from where the chart put it: the place within the search
// whose pixels come closest to the mark's (ties to the nearest). Nothing when no place comes
// close: the capture does not show the chart there.
std::optional<QPoint> FindMark(const Chart& chart, const QImage& capture, const QRect& mark) {
    const int r = chart.markSearch;
    qint64 best = std::numeric_limits<qint64>::max();
    QPoint bestAt;
    for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
            qint64 sum = 0;
            for (int y = mark.top(); y <= mark.bottom() && sum <= best; ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(chart.image.constScanLine(y));
                for (int x = mark.left(); x <= mark.right(); ++x) {
                    const std::optional<QRgb> c = CapturedAt(capture, x, y, {dx, dy});
                    sum += c ? ChannelDifference(row[x], *c) : 255;
                }
            }
            const int distance = std::abs(dx) + std::abs(dy);
            if (sum < best ||
                (sum == best && distance < std::abs(bestAt.x()) + std::abs(bestAt.y()))) {
                best = sum;
                bestAt = {dx, dy};
            }
        }
    }
    // Light and dark squares crossed: closer than half the way from light to dark on average.
    const qint64 pixels = qint64(mark.width()) * mark.height();
    if (best > pixels * 96) {
        return std::nullopt;
    }
    return bestAt;
}

int Bits(int distinct) {
    return distinct <= 1 ? 0 : int(std::lround(std::log2(double(distinct))));
}
} // namespace

CaptureComparison CompareCapture(const Chart& chart, const QImage& picture) {
    CaptureComparison result;
    const QImage& image = chart.image;
    result.expected = image.size();
    result.captured = picture.size();
    const QImage capture =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    if (image.isNull() || capture.isNull()) {
        return result;
    }
    // The common case first: the same pixels, row for row.
    if (capture.size() == image.size()) {
        bool same = true;
        for (int y = 0; y < image.height() && same; ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(capture.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (((a[x] ^ b[x]) & 0xffffff) != 0) {
                    same = false;
                    break;
                }
            }
        }
        if (same) {
            result.exact = true;
            result.marksFound = true;
            return result;
        }
    }
    // Where the marks lie.
    const QList<ChartPatch> marks = chart.patchesOf(ChartPatch::Kind::Mark);
    result.marksFound = !marks.isEmpty();
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const std::optional<QPoint> at = FindMark(chart, capture, marks[i].area);
        if (!at) {
            result.marksFound = false;
            continue;
        }
        if (i == 0) {
            result.offset = *at;
        } else if (*at != result.offset) {
            result.marksAgree = false;
        }
    }
    if (!result.marksFound) {
        result.offset = QPoint();
    }
    // Every pixel against its chart colour, the offset taken out. Colours repeat: each pair's
    // CIEDE2000 is worked out once.
    QHash<quint64, double> differences;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = row[x] | 0xff000000u;
            const std::optional<QRgb> got = CapturedAt(capture, x, y, result.offset);
            if (!got || *got == want) {
                continue;
            }
            ++result.pixelsDiffering;
            result.largestDifference =
                std::max(result.largestDifference, ChannelDifference(want, *got));
            const quint64 key = (quint64(want & 0xffffff) << 24) | (*got & 0xffffff);
            auto known = differences.constFind(key);
            if (known == differences.constEnd()) {
                known = differences.insert(key, DeltaE2000(LabOf(want), LabOf(*got)));
            }
            result.largestDeltaE = std::max(result.largestDeltaE, *known);
        }
    }
    // The levels that come back apart, read in each patch's middle.
    const auto middleOf = [&](const ChartPatch& p) {
        const QPoint c = p.area.center();
        return CapturedAt(capture, c.x(), c.y(), result.offset);
    };
    int fewest = 256;
    for (int channel = 0; channel < 3; ++channel) {
        QSet<int> levels;
        for (const ChartPatch& p : chart.patchesOf(ChartPatch::Kind::Grey)) {
            if (const std::optional<QRgb> c = middleOf(p)) {
                levels.insert(channel == 0 ? qRed(*c) : channel == 1 ? qGreen(*c) : qBlue(*c));
            }
        }
        fewest = std::min(fewest, int(levels.size()));
    }
    result.bitsPerChannel = Bits(fewest);
    QSet<QRgb> steps;
    for (const ChartPatch& p : chart.patchesOf(ChartPatch::Kind::NearBlack)) {
        if (const std::optional<QRgb> c = middleOf(p)) {
            steps.insert(*c);
        }
    }
    result.nearBlackSteps = int(steps.size());
    for (const ChartPatch& p : chart.patchesOf(ChartPatch::Kind::Checkerboard)) {
        for (int y = p.area.top(); y <= p.area.bottom() && result.checkerboardExact; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = p.area.left(); x <= p.area.right(); ++x) {
                const std::optional<QRgb> got = CapturedAt(capture, x, y, result.offset);
                if (!got || ChannelDifference(row[x], *got) > 64) {
                    result.checkerboardExact = false;
                    break;
                }
            }
        }
    }
    return result;
}
