#include "measure/AreaStats.h"

#include "pixels/Perceptual.h"
#include "pixels/PixelBuffer.h"
#include "pixels/WebCode.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <vector>

namespace {

ChannelFigures FiguresOf(const AreaMeasure::Histogram& histogram, qint64 pixels) {
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

} // namespace

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

namespace {

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

// Upper bounds of CIEDE2000 that cost far less than the formula. Its divisors SL, SC and SH are
// at least 1 (SH at least 1 + 0.0054 C'; its T is never below 0.362), its rotation term adds at
// most RC/2 times the chroma and hue terms (RC at most 2), and the chroma and hue differences
// together are the a'b' distance, a* stretched by 1 + G (at most 1.5).
class DifferenceBounds {
public:
    explicit DifferenceBounds(const LabValue& mean)
        : m_mean(mean), m_chroma(std::sqrt(mean.a * mean.a + mean.b * mean.b)) {}

    // From the plain Lab distance alone: at most 2.1214 times it.
    static double quick(double lab76) { return 2.1214 * lab76; }

    double tight(const LabValue& lab) const {
        constexpr double k25To7 = 6103515625.0;
        const double meanC = (std::sqrt(lab.a * lab.a + lab.b * lab.b) + m_chroma) / 2;
        const double c7 = Power7(meanC);
        const double stretch = 1 + 0.5 * (1 - std::sqrt(c7 / (c7 + k25To7)));
        const double a1 = stretch * lab.a;
        const double a2 = stretch * m_mean.a;
        const double c1 = std::sqrt(a1 * a1 + lab.b * lab.b);
        const double c2 = std::sqrt(a2 * a2 + m_mean.b * m_mean.b);
        const double meanCp = (c1 + c2) / 2;
        const double cp7 = Power7(meanCp);
        const double rc = 2 * std::sqrt(cp7 / (cp7 + k25To7));
        const double l = (lab.l + m_mean.l) / 2 - 50;
        const double sl = 1 + 0.015 * l * l / std::sqrt(20 + l * l);
        const double sMin = 1 + 0.0054 * meanCp;
        const double da = stretch * (lab.a - m_mean.a);
        const double db = lab.b - m_mean.b;
        const double dl = (lab.l - m_mean.l) / sl;
        return std::sqrt(dl * dl + (1 + rc / 2) * (da * da + db * db) / (sMin * sMin));
    }

private:
    static double Power7(double x) {
        const double x2 = x * x;
        return x2 * x2 * x2 * x;
    }
    LabValue m_mean;
    double m_chroma;
};

// The largest CIEDE2000 of the set's colours from mean, worked out exactly only for the colours
// whose bounds pass the largest difference found so far: those with the largest quick bounds
// first, which nearly always settle it.
double Spread(const ColorSet& colors, const LabValue& mean) {
    static const QuickLab quick;
    // More than the table's error can move a difference (and its bounds, about 2.2 times that).
    constexpr double kSlack = 0.05;
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
        candidates.push_back({float(DifferenceBounds::quick(distance) + kSlack), rgb});
    });
    const auto larger = [](const Candidate& x, const Candidate& y) {
        return x.bound > y.bound || (x.bound == y.bound && x.rgb < y.rgb);
    };
    constexpr std::size_t kFirst = 64;
    const auto firstEnd = candidates.begin() + std::ptrdiff_t(std::min(kFirst, candidates.size()));
    std::partial_sort(candidates.begin(), firstEnd, candidates.end(), larger);
    double largest = 0;
    for (auto it = candidates.begin(); it != firstEnd; ++it) {
        largest = std::max(largest, DeltaE2000(mean, ExactLab(it->rgb)));
    }
    const DifferenceBounds bounds(mean);
    for (auto it = firstEnd; it != candidates.end(); ++it) {
        if (it->bound > largest && bounds.tight(quick.of(it->rgb)) + kSlack > largest) {
            largest = std::max(largest, DeltaE2000(mean, ExactLab(it->rgb)));
        }
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

AreaMeasure::AreaMeasure(const QRect& area)
    : m_area(area), m_colors(std::make_unique<ColorSet>()) {}

AreaMeasure::~AreaMeasure() = default;

void AreaMeasure::add(const QImage& picture, int firstRow, int rows) {
    const int left = m_area.left();
    const int right = m_area.right();
    for (int y = firstRow; y < firstRow + rows; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
        std::uint32_t last = ~line[left]; // differs from the first pixel
        for (int x = left; x <= right; ++x) {
            const std::uint32_t rgb = line[x] & 0xFFFFFF;
            ++m_histograms[0][rgb >> 16];
            ++m_histograms[1][(rgb >> 8) & 0xFF];
            ++m_histograms[2][rgb & 0xFF];
            if (rgb != last) {
                m_colors->add(rgb);
                last = rgb;
            }
        }
    }
    m_pixels += qint64(rows) * m_area.width();
}

AreaFigures AreaMeasure::finish() const {
    AreaFigures figures;
    figures.area = m_area;
    figures.pixels = m_pixels;
    if (m_pixels == 0) {
        return figures;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        figures.channels[i] = FiguresOf(m_histograms[i], m_pixels);
    }
    const auto& ch = figures.channels;
    figures.mean = ColorOf(ch, &ChannelFigures::linearMean);
    figures.plainAverage = ColorOf(ch, &ChannelFigures::average);
    figures.median = ColorOf(ch, &ChannelFigures::median);
    figures.minimum = ColorOf(ch, &ChannelFigures::minimum);
    figures.maximum = ColorOf(ch, &ChannelFigures::maximum);
    // The mean's own light, before it was rounded to codes.
    const LinearRgb meanLight{ch[0].light, ch[1].light, ch[2].light};
    figures.spread = Spread(*m_colors, CielabOf(meanLight));
    return figures;
}

AreaFigures MeasureArea(const QImage& picture, const QRect& area) {
    AreaMeasure measure(area.intersected(picture.rect()));
    if (!measure.area().isEmpty()) {
        measure.add(picture, measure.area().top(), measure.area().height());
    }
    return measure.finish();
}

QString AreaText(const AreaFigures& f, Wording wording) {
    const auto say = [wording](const char* text) {
        return wording == Wording::English ? QString::fromUtf8(text)
                                           : QCoreApplication::translate("AreaStats", text);
    };
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
    // The rows' names are padded to 11 columns, so a longer name pushes its value along.
    //: A row's name in an area's figures: the rectangle measured.
    row(say(QT_TRANSLATE_NOOP("AreaStats", "area")), QStringLiteral("%1,%2,%3,%4")
                                                         .arg(f.area.x())
                                                         .arg(f.area.y())
                                                         .arg(f.area.width())
                                                         .arg(f.area.height()));
    //: A row's name in an area's figures: how many pixels the area has.
    row(say(QT_TRANSLATE_NOOP("AreaStats", "pixels")), QString::number(f.pixels));
    //: A row's name in an area's figures: the mean colour in linear light.
    row(say(QT_TRANSLATE_NOOP("AreaStats", "mean")),
        //: An area's mean. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two
        //: decimals.
        say(QT_TRANSLATE_NOOP("AreaStats", "%1  (in linear light: %2)"))
            .arg(WebCode(f.mean), codes(&ChannelFigures::linearMean)));
    //: A row's name in an area's figures: the plain average of the codes.
    row(say(QT_TRANSLATE_NOOP("AreaStats", "average")),
        //: An area's average. %1: its web code (#RRGGBB); %2: its three codes, 0 to 255 with two
        //: decimals.
        say(QT_TRANSLATE_NOOP("AreaStats", "%1  (of the codes: %2)"))
            .arg(WebCode(f.plainAverage), codes(&ChannelFigures::average)));
    //: A row's name in an area's figures: the median colour.
    row(say(QT_TRANSLATE_NOOP("AreaStats", "median")), WebCode(f.median));
    //: A row's name in an area's figures: the standard deviation of each channel.
    row(say(QT_TRANSLATE_NOOP("AreaStats", "deviation")), codes(&ChannelFigures::deviation));
    //: A row's name in an area's figures: the lowest code of each channel.
    row(say(QT_TRANSLATE_NOOP("AreaStats", "minimum")), WebCode(f.minimum));
    //: A row's name in an area's figures: the highest code of each channel.
    row(say(QT_TRANSLATE_NOOP("AreaStats", "maximum")), WebCode(f.maximum));
    //: A row's name in an area's figures: how far the colours lie from the mean.
    row(say(QT_TRANSLATE_NOOP("AreaStats", "spread")),
        //: An area's spread. %1: the largest colour difference from the mean, with two decimals.
        say(QT_TRANSLATE_NOOP("AreaStats", "%1  (largest CIEDE2000 from the mean)"))
            .arg(f.spread, 0, 'f', 2));
    return text;
}
