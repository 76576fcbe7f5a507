#include "controls/Loupe.h"

#include <QPainter>
#include <algorithm>

namespace {
constexpr int kFrame = 1;
constexpr int kMiddle = Loupe::kSpan / 2;
} // namespace

Loupe::Loupe(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("loupe"));
    //: The magnifier beside the pointer, for screen readers.
    setAccessibleName(tr("Loupe"));
    setAccessibleDescription(tr("The pixels around the pointer, enlarged"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    const int side = kSpan * kCell + 2 * kFrame;
    setFixedSize(side, side);
    m_pixels.fill(-1);
}

void Loupe::setPixels(const Pixels& pixels, int radius) {
    if (pixels == m_pixels && radius == m_radius) {
        return;
    }
    m_pixels = pixels;
    m_radius = radius;
    update();
}

void Loupe::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const auto cell = [](int column, int row) {
        return QRect(kFrame + column * kCell, kFrame + row * kCell, kCell, kCell);
    };
    for (int row = 0; row < kSpan; ++row) {
        for (int column = 0; column < kSpan; ++column) {
            const ColorValue v = m_pixels[size_t(row * kSpan + column)];
            if (v < 0) {
                // Nothing there: a hatch, never a colour that could be taken for one.
                painter.fillRect(cell(column, row), QColor(0x80, 0x80, 0x80));
                painter.fillRect(cell(column, row),
                                 QBrush(QColor(0xC0, 0xC0, 0xC0), Qt::BDiagPattern));
            } else {
                painter.fillRect(cell(column, row),
                                 QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF));
            }
        }
    }
    // The averaging square, dashed black on white, around its cells.
    const int n = std::clamp(m_radius, 0, kMiddle);
    if (n > 0) {
        const QRect square = cell(kMiddle - n, kMiddle - n).united(cell(kMiddle + n, kMiddle + n));
        painter.setPen(QPen(Qt::white, 0));
        painter.drawRect(square.adjusted(0, 0, -1, -1));
        painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
        painter.drawRect(square.adjusted(0, 0, -1, -1));
    }
    // The pointer's pixel: black and white rings, seen on any colour.
    const QRect middle = cell(kMiddle, kMiddle);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(middle.adjusted(-1, -1, 0, 0));
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(middle.adjusted(0, 0, -1, -1));
}
