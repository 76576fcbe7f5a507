#include "measure/AreaStats.h"

#include "pixels/Perceptual.h"
#include "pixels/PixelBuffer.h"
#include "pixels/WebCode.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using Histogram = std::array<std::uint64_t, 256>;

ChannelFigures FiguresOf(const Histogram& histogram, qint64 pixels) {
    ChannelFigures f;
    double sum = 0;
    double squares = 0;
    double linear = 0;
    qint64 seen = 0;
    bool minimumSeen = false;
    bool medianSeen = false;
    const qint64 middle = (pixels - 1) / 2; // the lower median's place, counted from 0
    for (int code = 0; code < 256; ++code) {
        const auto count = static_cast<qint64>(histogram[code]);
        if (count == 0) {
            continue;
        }
        if (!minimumSeen) {
            f.minimum = code;
            minimumSeen = true;
        }
        f.maximum = code;
        if (!medianSeen && seen + count > middle) {
            f.median = code;
            medianSeen = true;
        }
        seen += count;
        sum += double(count) * code;
        squares += double(count) * code * code;
        linear += double(count) * LinearChannel(code);
    }
    const double n = double(pixels);
    f.average = sum / n;
    f.deviation = std::sqrt(std::max(0.0, squares / n - f.average * f.average));
    f.light = linear / n;
    f.linearMean = EncodedChannel(f.light);
    return f;
}

// The colours present in the area, as one bit per 24-bit colour.
class ColorSet {
public:
    ColorSet() : m_words(std::size_t{1} << 18) {}
    void add(std::uint32_t rgb) { m_words[rgb >> 6] |= std::uint64_t{1} << (rgb & 63); }
    template <typename Visit> void forEach(const Visit& visit) const {
        for (std::size_t w = 0; w < m_words.size(); ++w) {
            for (std::uint64_t bits = m_words[w]; bits != 0; bits &= bits - 1) {
                visit(static_cast<std::uint32_t>(w * 64 + std::size_t(std::countr_zero(bits))));
            }
        }
    }

private:
    std::vector<std::uint64_t> m_words;
};

// CIELAB quickly, for the bound below: the cube root from a table, off by far less than the
// slack the bound allows.
class QuickLab {
public:
    QuickLab() {
        for (int i = 0; i <= kSteps; ++i) {
            m_curve[std::size_t(i)] = Curve(double(i) / kSteps * kTop);
        }
        for (int code = 0; code < 256; ++code) {
            m_linear[std::size_t(code)] = LinearChannel(code);
        }
    }
    LabValue of(std::uint32_t rgb) const {
        const double r = m_linear[(rgb >> 16) & 0xFF];
        const double g = m_linear[(rgb >> 8) & 0xFF];
        const double b = m_linear[rgb & 0xFF];
        // Linear sRGB to XYZ over the white's X and Z.
        const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
        const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
        const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
        const double fx = curve(x);
        const double fy = curve(y);
        const double fz = curve(z);
        return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
    }

private:
    static constexpr int kSteps = 8192;
    static constexpr double kTop = 1.01;
    static double Curve(double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    }
    double curve(double t) const {
        const double at = std::clamp(t, 0.0, kTop) / kTop * kSteps;
        const int i = std::min(int(at), kSteps - 1);
        const double f = at - i;
        return m_curve[std::size_t(i)] * (1 - f) + m_curve[std::size_t(i) + 1] * f;
    }
    std::array<double, kSteps + 1> m_curve{};
    std::array<double, 256> m_linear{};
};

LabValue ExactLab(std::uint32_t rgb) {
    return CielabOf(LinearOf(Color(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF)));
}

// The largest CIEDE2000 of the set's colours from mean. CIEDE2000 never exceeds 2.1214 times
// the plain Lab distance (its divisors are at least 1, its rotation term at most doubles the
// chroma and hue terms, and a* is stretched by at most 1.5), so only the colours whose bound
// passes the largest difference found so far need the exact formula.
double Spread(const ColorSet& colors, const LabValue& mean) {
    static const QuickLab quick;
    constexpr double kBound = 2.1214;
    constexpr double kSlack = 0.01; // more than the table's error in the Lab distance
    struct Candidate {
        float bound;
        std::uint32_t rgb;
    };
    std::vector<Candidate> candidates;
    colors.forEach([&](std::uint32_t rgb) {
        const LabValue lab = quick.of(rgb);
        const double distance =
            std::sqrt((lab.l - mean.l) * (lab.l - mean.l) + (lab.a - mean.a) * (lab.a - mean.a) +
                      (lab.b - mean.b) * (lab.b - mean.b));
        candidates.push_back({float(kBound * (distance + kSlack)) + 1e-3f, rgb});
    });
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& x, const Candidate& y) {
        return x.bound > y.bound || (x.bound == y.bound && x.rgb < y.rgb);
    });
    double largest = 0;
    for (const Candidate& c : candidates) {
        if (c.bound <= largest) {
            break;
        }
        largest = std::max(largest, DeltaE2000(mean, ExactLab(c.rgb)));
    }
    return largest;
}

Color ColorOf(const std::array<ChannelFigures, 3>& channels, double ChannelFigures::*field) {
    const auto code = [&](int i) { return int(std::lround(channels[std::size_t(i)].*field)); };
    return Color(code(0), code(1), code(2));
}
Color ColorOf(const std::array<ChannelFigures, 3>& channels, int ChannelFigures::*field) {
    return Color(channels[0].*field, channels[1].*field, channels[2].*field);
}

} // namespace

AreaFigures MeasureArea(const QImage& picture, const QRect& area) {
    AreaFigures figures;
    figures.area = area.intersected(picture.rect());
    const QRect& r = figures.area;
    if (r.isEmpty()) {
        return figures;
    }
    std::array<Histogram, 3> histograms{};
    ColorSet colors;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
        std::uint32_t last = ~line[r.left()]; // differs from the first pixel
        for (int x = r.left(); x <= r.right(); ++x) {
            const std::uint32_t rgb = line[x] & 0xFFFFFF;
            ++histograms[0][rgb >> 16];
            ++histograms[1][(rgb >> 8) & 0xFF];
            ++histograms[2][rgb & 0xFF];
            if (rgb != last) {
                colors.add(rgb);
                last = rgb;
            }
        }
    }
    figures.pixels = qint64(r.width()) * r.height();
    for (std::size_t i = 0; i < 3; ++i) {
        figures.channels[i] = FiguresOf(histograms[i], figures.pixels);
    }
    const auto& ch = figures.channels;
    figures.mean = ColorOf(ch, &ChannelFigures::linearMean);
    figures.plainAverage = ColorOf(ch, &ChannelFigures::average);
    figures.median = ColorOf(ch, &ChannelFigures::median);
    figures.minimum = ColorOf(ch, &ChannelFigures::minimum);
    figures.maximum = ColorOf(ch, &ChannelFigures::maximum);
    // The mean's own light, before it was rounded to codes.
    const LinearRgb meanLight{ch[0].light, ch[1].light, ch[2].light};
    figures.spread = Spread(colors, CielabOf(meanLight));
    return figures;
}

QImage FlattenedPicture(const QImage& picture, const QColor& background) {
    if (picture.format() == QImage::Format_RGB32) {
        return picture;
    }
    QImage flat = NewPicture(picture.size(), QImage::Format_RGB32);
    flat.fill(background.rgb());
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat;
}

QString AreaText(const AreaFigures& f) {
    const auto codes = [&](double ChannelFigures::*field) {
        QStringList parts;
        for (const ChannelFigures& c : f.channels) {
            parts << QString::number(c.*field, 'f', 2);
        }
        return parts.join(QLatin1Char(' '));
    };
    QString text;
    const auto row = [&](const QString& name, const QString& value) {
        text += name.leftJustified(11) + value + QLatin1Char('\n');
    };
    row(QCoreApplication::translate("AreaStats", "area"), QStringLiteral("%1,%2,%3,%4")
                                                              .arg(f.area.x())
                                                              .arg(f.area.y())
                                                              .arg(f.area.width())
                                                              .arg(f.area.height()));
    row(QCoreApplication::translate("AreaStats", "pixels"), QString::number(f.pixels));
    row(QCoreApplication::translate("AreaStats", "mean"),
        QCoreApplication::translate("AreaStats", "%1  (in linear light: %2)")
            .arg(WebCode(f.mean), codes(&ChannelFigures::linearMean)));
    row(QCoreApplication::translate("AreaStats", "average"),
        QCoreApplication::translate("AreaStats", "%1  (of the codes: %2)")
            .arg(WebCode(f.plainAverage), codes(&ChannelFigures::average)));
    row(QCoreApplication::translate("AreaStats", "median"), WebCode(f.median));
    row(QCoreApplication::translate("AreaStats", "deviation"), codes(&ChannelFigures::deviation));
    row(QCoreApplication::translate("AreaStats", "minimum"), WebCode(f.minimum));
    row(QCoreApplication::translate("AreaStats", "maximum"), WebCode(f.maximum));
    row(QCoreApplication::translate("AreaStats", "spread"),
        QCoreApplication::translate("AreaStats", "%1  (largest CIEDE2000 from the mean)")
            .arg(f.spread, 0, 'f', 2));
    return text;
}
