#include "platform/PictureBox.h"

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

ColorValue ColorValueOf(const QColor& color) {
    return static_cast<ColorValue>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QColor QColorOf(ColorValue value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_backColor = palette().color(QPalette::Button);
    m_backValue = ColorValueOf(m_backColor);
    setScaleMode(kScaleTwips);
}

void PictureBox::setScaleMode(int mode) {
    m_scaleMode = mode == kScalePixels ? kScalePixels : kScaleTwips;
    if (m_scaleMode == kScalePixels) {
        m_unitsPerPixelX = 1;
        m_unitsPerPixelY = 1;
    } else {
        m_unitsPerPixelX = static_cast<float>(TwipsPerPixelX());
        m_unitsPerPixelY = static_cast<float>(TwipsPerPixelY());
    }
}

QPointF PictureBox::toPixels(float x, float y) const {
    return {x / m_unitsPerPixelX, y / m_unitsPerPixelY};
}

QPointF PictureBox::fromPixels(QPointF pixels) const {
    return {pixels.x() * m_unitsPerPixelX, pixels.y() * m_unitsPerPixelY};
}

ChannelSums PictureBox::SumSquare(float x, float y, int radius) const {
    if (m_scaleMode != kScalePixels) {
        return ::SumSquare([this](float px, float py) { return Point(px, py); }, x, y, radius);
    }
    const int n = std::clamp(radius, kMinRadius, kMaxRadius);
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    // Far-off or non-finite: every sample is outside.
    if (!(fx > -1.0e6f && fx < 1.0e6f && fy > -1.0e6f && fy < 1.0e6f)) {
        return {};
    }
    const int cx = static_cast<int>(fx);
    const int cy = static_cast<int>(fy);
    // The square clipped to the drawing area; of that, the part the canvas covers is read from
    // its scan lines and the rest shows the background.
    const int x0 = std::max(cx - n, 0);
    const int x1 = std::min(cx + n, width() - 1);
    const int y0 = std::max(cy - n, 0);
    const int y1 = std::min(cy + n, height() - 1);
    ChannelSums sums;
    if (x0 > x1 || y0 > y1) {
        return sums;
    }
    const int canvasX1 = std::min(x1, m_canvas.width() - 1);
    for (int row = y0; row <= y1; ++row) {
        int x = x0;
        if (row < m_canvas.height() && x0 <= canvasX1) {
            const auto* line = reinterpret_cast<const QRgb*>(m_canvas.constScanLine(row));
            for (; x <= canvasX1; ++x) {
                sums.red += qRed(line[x]);
                sums.green += qGreen(line[x]);
                sums.blue += qBlue(line[x]);
            }
            sums.count += canvasX1 - x0 + 1;
        }
        const int background = x1 - x + 1;
        if (background > 0) {
            sums.red += static_cast<std::int64_t>(background) * (m_backValue & 0xFF);
            sums.green += static_cast<std::int64_t>(background) * ((m_backValue >> 8) & 0xFF);
            sums.blue += static_cast<std::int64_t>(background) * ((m_backValue >> 16) & 0xFF);
            sums.count += background;
        }
    }
    return sums;
}

void PictureBox::setPicture(const QImage& picture) {
    m_picture = picture;
    if (picture.isNull()) {
        m_canvas = QImage();
    } else if (picture.format() == QImage::Format_RGB32) {
        m_canvas = picture; // shared until something is drawn
    } else {
        // Transparent parts show the surface's background, as they are shown on screen.
        QImage canvas(picture.size(), QImage::Format_RGB32);
        canvas.fill(m_backColor);
        QPainter painter(&canvas);
        painter.drawImage(0, 0, picture);
        painter.end();
        m_canvas = canvas;
    }
    update();
}

void PictureBox::prepareCanvasForDrawing() {
    const int w = std::max(m_canvas.width(), width());
    const int h = std::max(m_canvas.height(), height());
    if (m_canvas.width() == w && m_canvas.height() == h) {
        return;
    }
    QImage grown(w, h, QImage::Format_RGB32);
    grown.fill(m_backColor);
    if (!m_canvas.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, m_canvas);
    }
    m_canvas = grown;
}

QImage PictureBox::Image() const {
    QImage image(std::max(m_canvas.width(), width()), std::max(m_canvas.height(), height()),
                 QImage::Format_RGB32);
    image.fill(m_backColor);
    if (!m_canvas.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, m_canvas);
    }
    return image;
}

void PictureBox::Line(float x1, float y1, float x2, float y2) {
    prepareCanvasForDrawing();
    if (!m_canvas.isNull()) {
        QPainter painter(&m_canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColorOf(m_foreColor), 0));
        // Pixel centres, so that (x, y) names the pixel whose top-left corner is there.
        const QPointF offset(0.5, 0.5);
        const QPointF end = toPixels(x2, y2);
        painter.drawLine(toPixels(x1, y1) + offset, end + offset);
        // Both ends belong to the line, even a line of no length.
        painter.drawPoint(QPoint(static_cast<int>(std::floor(std::clamp(end.x(), -1e6, 1e6))),
                                 static_cast<int>(std::floor(std::clamp(end.y(), -1e6, 1e6)))));
    }
    m_currentX = x2;
    m_currentY = y2;
    update();
}

void PictureBox::Print(const QString& text) {
    prepareCanvasForDrawing();
    QFont textFont = font();
    // Crisp glyphs: every pixel of the label is exactly the drawing colour.
    textFont.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(textFont);
    const QPointF topLeft = toPixels(m_currentX, m_currentY);
    if (!m_canvas.isNull()) {
        QPainter painter(&m_canvas);
        painter.setFont(textFont);
        painter.setPen(QColorOf(m_foreColor));
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    }
    m_currentX = 0;
    m_currentY = static_cast<float>(fromPixels(QPointF(0, topLeft.y() + metrics.height())).y());
    update();
}

void PictureBox::setMarker(std::optional<QPointF> at) {
    m_marker = at;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), m_backColor);
    if (!m_canvas.isNull()) {
        painter.drawImage(0, 0, m_canvas);
    }
    if (m_marker) {
        // Arms in black and white around the marked pixel, leaving the pixel itself visible.
        const QPointF p =
            toPixels(static_cast<float>(m_marker->x()), static_cast<float>(m_marker->y()));
        const int x = static_cast<int>(std::floor(std::clamp(p.x(), -1e6, 1e6)));
        const int y = static_cast<int>(std::floor(std::clamp(p.y(), -1e6, 1e6)));
        const auto arms = [&](const QColor& color, int offset) {
            painter.setPen(QPen(color, 0));
            painter.drawLine(x - 6 + offset, y + offset, x - 2 + offset, y + offset);
            painter.drawLine(x + 2 + offset, y + offset, x + 6 + offset, y + offset);
            painter.drawLine(x + offset, y - 6 + offset, x + offset, y - 2 + offset);
            painter.drawLine(x + offset, y + 2 + offset, x + offset, y + 6 + offset);
        };
        arms(Qt::white, 1);
        arms(Qt::black, 0);
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = fromPixels(event->position());
    emit MouseMove(ButtonStateOf(event->buttons()), ShiftStateOf(event->modifiers()),
                   static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF p = fromPixels(event->position());
    emit MouseDown(ButtonStateOf(event->button()), ShiftStateOf(event->modifiers()),
                   static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    int keyCode = KeyCodeOf(event->key());
    if (keyCode == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit KeyDown(keyCode, ShiftStateOf(event->modifiers()));
    // The key goes on to the window unless a handler consumed it.
    event->setAccepted(keyCode == 0);
}
