#include "platform/PictureBox.h"

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

int PixelOf(double v) {
    constexpr double kFar = 1.0e6;
    return std::isfinite(v) ? static_cast<int>(std::floor(std::clamp(v, -kFar, kFar)))
                            : static_cast<int>(-kFar);
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
    const int n = std::max(radius, 0);
    if (m_scaleMode != kScalePixels) {
        ChannelSums sums;
        for (int i = -n; i <= n; ++i) {
            for (int k = -n; k <= n; ++k) {
                const ColorValue c = Point(x + static_cast<float>(i), y + static_cast<float>(k));
                if (c >= 0) {
                    sums.add(c);
                }
            }
        }
        return sums;
    }
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
        if (x <= x1) {
            sums.add(m_backValue, x1 - x + 1);
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
        painter.drawPoint(QPoint(PixelOf(end.x()), PixelOf(end.y())));
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
        const int x = PixelOf(p.x());
        const int y = PixelOf(p.y());
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
