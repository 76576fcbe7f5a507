#include "measure/DominantColors.h"

#include "pixels/Perceptual.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// Colours are first gathered in boxes of 5 bits a channel: each box keeps the sum of its exact
// colours, so a flat colour comes out of its box exactly.
constexpr int kBoxBits = 5;
constexpr int kBoxes = 1 << (3 * kBoxBits);
constexpr int kMaxRounds = 64;

struct Box {
    std::uint64_t pixels = 0;
    std::uint64_t red = 0;
    std::uint64_t green = 0;
    std::uint64_t blue = 0;
};

struct Point {
    LabValue lab;
    double weight;
};

double Distance2(const LabValue& x, const LabValue& y) {
    const double dl = x.l - y.l;
    const double da = x.a - y.a;
    const double db = x.b - y.b;
    return dl * dl + da * da + db * db;
}

std::vector<Point> PointsOf(const std::vector<Box>& boxes) {
    std::vector<Point> points;
    for (const Box& box : boxes) {
        if (box.pixels == 0) {
            continue;
        }
        const double n = double(box.pixels);
        // The box's average code is within the box, and a single colour's own code.
        const auto linear = [n](std::uint64_t sum) {
            const double v = double(sum) / n / 255;
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        points.push_back({OklabOf({linear(box.red), linear(box.green), linear(box.blue)}), n});
    }
    return points;
}

std::size_t Nearest(const LabValue& lab, const std::vector<LabValue>& centres) {
    std::size_t best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (std::size_t c = 0; c < centres.size(); ++c) {
        const double d = Distance2(lab, centres[c]);
        if (d < bestDistance) {
            bestDistance = d;
            best = c;
        }
    }
    return best;
}

// The start: the heaviest colour, then each time the colour that most weight lies far from.
std::vector<LabValue> Seeds(const std::vector<Point>& points, std::size_t count) {
    std::vector<LabValue> centres;
    std::vector<double> nearest(points.size(), std::numeric_limits<double>::max());
    std::size_t next = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i].weight > points[next].weight) {
            next = i;
        }
    }
    while (centres.size() < count) {
        centres.push_back(points[next].lab);
        double best = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            nearest[i] = std::min(nearest[i], Distance2(points[i].lab, centres.back()));
            const double score = points[i].weight * nearest[i];
            if (score > best) {
                best = score;
                next = i;
            }
        }
        if (best == 0) {
            break; // every colour is a centre already
        }
    }
    return centres;
}

} // namespace

struct PaletteGather::Boxes {
    std::vector<Box> boxes = std::vector<Box>(kBoxes);
};

PaletteGather::PaletteGather(const QRect& area)
    : m_area(area), m_boxes(std::make_unique<Boxes>()) {}

PaletteGather::~PaletteGather() = default;

void PaletteGather::add(const QImage& picture, int firstRow, int rows) {
    std::vector<Box>& boxes = m_boxes->boxes;
    for (int y = firstRow; y < firstRow + rows; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
        for (int x = m_area.left(); x <= m_area.right(); ++x) {
            const std::uint32_t rgb = line[x];
            const std::uint32_t red = (rgb >> 16) & 0xFF;
            const std::uint32_t green = (rgb >> 8) & 0xFF;
            const std::uint32_t blue = rgb & 0xFF;
            Box& box = boxes[(red >> 3) << 10 | (green >> 3) << 5 | (blue >> 3)];
            ++box.pixels;
            box.red += red;
            box.green += green;
            box.blue += blue;
        }
    }
    m_pixels += qint64(rows) * m_area.width();
}

QList<ColorShare> PaletteGather::finish(int count) const {
    if (m_pixels == 0) {
        return {};
    }
    const std::vector<Point> points = PointsOf(m_boxes->boxes);
    std::vector<LabValue> centres =
        Seeds(points, std::size_t(std::clamp(count, kMinPaletteColors, kMaxPaletteColors)));
    std::vector<std::size_t> owner(points.size(), centres.size());
    for (int round = 0; round < kMaxRounds; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const std::size_t c = Nearest(points[i].lab, centres);
            moved = moved || c != owner[i];
            owner[i] = c;
        }
        if (!moved) {
            break;
        }
        std::vector<LabValue> sums(centres.size());
        std::vector<double> weights(centres.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            LabValue& s = sums[owner[i]];
            const double w = points[i].weight;
            s.l += w * points[i].lab.l;
            s.a += w * points[i].lab.a;
            s.b += w * points[i].lab.b;
            weights[owner[i]] += w;
        }
        for (std::size_t c = 0; c < centres.size(); ++c) {
            if (weights[c] > 0) {
                centres[c] = {sums[c].l / weights[c], sums[c].a / weights[c],
                              sums[c].b / weights[c]};
            }
        }
    }
    std::vector<double> weights(centres.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        weights[owner[i]] += points[i].weight;
    }
    const double total = double(m_pixels);
    QList<ColorShare> shares;
    for (std::size_t c = 0; c < centres.size(); ++c) {
        if (weights[c] > 0) {
            const auto pixels = qint64(std::llround(weights[c]));
            shares.append(
                {ColorOfLinear(LinearOfOklab(centres[c])), pixels, double(pixels) / total});
        }
    }
    std::sort(shares.begin(), shares.end(), [](const ColorShare& x, const ColorShare& y) {
        return x.pixels > y.pixels || (x.pixels == y.pixels && x.color.value() < y.color.value());
    });
    return shares;
}

QList<ColorShare> DominantColors(const QImage& picture, const QRect& area, int count) {
    PaletteGather gather(area.intersected(picture.rect()));
    if (!gather.area().isEmpty()) {
        gather.add(picture, gather.area().top(), gather.area().height());
    }
    return gather.finish(count);
}

QString ShareText(double share, Wording wording) {
    const auto say = [wording](const char* text) {
        return wording == Wording::English ? QString::fromUtf8(text)
                                           : QCoreApplication::translate("DominantColors", text);
    };
    const double percent = share * 100;
    if (percent > 0 && percent < 1) {
        //: A palette colour's description: it covers less than one percent of the area.
        return say(QT_TRANSLATE_NOOP("DominantColors", "< 1 % of the area"));
    }
    //: A palette colour's description. %1: the percentage of the area it covers, a whole number.
    return say(QT_TRANSLATE_NOOP("DominantColors", "%1 % of the area"))
        .arg(int(std::lround(percent)));
}
