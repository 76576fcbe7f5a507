#include "pixels/StoredValues.h"

#include <QRgba64>
#include <QStringList>
#include <cmath>

std::array<double, 3> StoredColor::fractions() const {
    if (isFloat()) {
        return values;
    }
    const double full = std::ldexp(1.0, bits) - 1;
    return {values[0] / full, values[1] / full, values[2] / full};
}

QString StoredText(const StoredColor& color) {
    QStringList channels;
    for (const double v : color.values) {
        // Floats at six significant digits; a mean of integers at two decimals, zeros dropped.
        QString text = color.isFloat() ? QString::number(v, 'g', 6) : QString::number(v, 'f', 2);
        if (!color.isFloat() && text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0'))) {
                text.chop(1);
            }
            if (text.endsWith(QLatin1Char('.'))) {
                text.chop(1);
            }
        }
        channels.append(text == QLatin1String("-0") ? QStringLiteral("0") : text);
    }
    const QString name = color.isFloat()   ? QStringLiteral("rgbf")
                         : color.bits == 8 ? QStringLiteral("rgb")
                                           : QStringLiteral("rgb%1").arg(color.bits);
    return QStringLiteral("%1(%2)").arg(name, channels.join(QLatin1Char(' ')));
}

StoredValues::StoredValues(QImage values, int bits) : m_values(std::move(values)), m_bits(bits) {}

namespace {
// Each channel's sum over a rectangle of rows, read by value(line, x) in the rows' own form.
template <typename Value>
std::array<double, 3> SumOver(const QImage& image, const QRect& r, const Value& value) {
    std::array<double, 3> sums{};
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = r.left(); x <= r.right(); ++x) {
            const std::array<double, 3> v = value(line, x);
            sums[0] += v[0];
            sums[1] += v[1];
            sums[2] += v[2];
        }
    }
    return sums;
}
} // namespace

std::optional<StoredColor> StoredValues::at(QPoint p, int radius, const QRect& within) const {
    if (!m_values.rect().contains(p)) {
        return std::nullopt;
    }
    QRect square =
        QRect(p.x() - radius, p.y() - radius, 2 * radius + 1, 2 * radius + 1) & m_values.rect();
    if (!within.isEmpty()) {
        square &= within;
        if (square.isEmpty()) {
            return std::nullopt;
        }
    }
    std::array<double, 3> sums{};
    switch (m_values.format()) {
    case QImage::Format_Grayscale16:
        sums = SumOver(m_values, square, [](const uchar* line, int x) {
            const double v = reinterpret_cast<const quint16*>(line)[x];
            return std::array<double, 3>{v, v, v};
        });
        break;
    case QImage::Format_RGBA64:
    case QImage::Format_RGBX64:
        sums = SumOver(m_values, square, [](const uchar* line, int x) {
            const QRgba64 v = reinterpret_cast<const QRgba64*>(line)[x];
            return std::array<double, 3>{double(v.red()), double(v.green()), double(v.blue())};
        });
        break;
    case QImage::Format_RGBA32FPx4:
        sums = SumOver(m_values, square, [](const uchar* line, int x) {
            const float* v = reinterpret_cast<const float*>(line) + qsizetype(x) * 4;
            return std::array<double, 3>{v[0], v[1], v[2]};
        });
        break;
    default: {
        const bool premultiplied = m_values.format() == QImage::Format_ARGB32_Premultiplied;
        sums = SumOver(m_values, square, [premultiplied](const uchar* line, int x) {
            QRgb v = reinterpret_cast<const QRgb*>(line)[x];
            v = premultiplied ? qUnpremultiply(v) : v;
            return std::array<double, 3>{double(qRed(v)), double(qGreen(v)), double(qBlue(v))};
        });
    }
    }
    const double count = double(square.width()) * square.height();
    StoredColor color;
    color.bits = m_bits;
    for (size_t c = 0; c < 3; ++c) {
        color.values[c] = sums[c] / count;
    }
    return color;
}
