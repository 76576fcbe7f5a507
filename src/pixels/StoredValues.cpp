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

std::array<double, 3> StoredValues::pixel(int x, int y) const {
    const uchar* line = m_values.constScanLine(y);
    switch (m_values.format()) {
    case QImage::Format_Grayscale16: {
        const double v = reinterpret_cast<const quint16*>(line)[x];
        return {v, v, v};
    }
    case QImage::Format_RGBA64:
    case QImage::Format_RGBX64: {
        const QRgba64 p = reinterpret_cast<const QRgba64*>(line)[x];
        return {double(p.red()), double(p.green()), double(p.blue())};
    }
    case QImage::Format_RGBA32FPx4: {
        const float* p = reinterpret_cast<const float*>(line) + qsizetype(x) * 4;
        return {p[0], p[1], p[2]};
    }
    default: {
        QRgb p = reinterpret_cast<const QRgb*>(line)[x];
        if (m_values.format() == QImage::Format_ARGB32_Premultiplied) {
            p = qUnpremultiply(p);
        }
        return {double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
    }
    }
}

std::optional<StoredColor> StoredValues::at(QPoint p, int radius) const {
    if (!m_values.rect().contains(p)) {
        return std::nullopt;
    }
    const QRect square =
        QRect(p.x() - radius, p.y() - radius, 2 * radius + 1, 2 * radius + 1) & m_values.rect();
    std::array<double, 3> sums{};
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x) {
            const std::array<double, 3> v = pixel(x, y);
            for (size_t c = 0; c < 3; ++c) {
                sums[c] += v[c];
            }
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
