#include "controls/PictureBox.h"

#include "desktop/Twips.h"
#include "pixels/PixelBuffer.h"

#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <climits>

int PixelOf(double v) {
    constexpr double kFar = 1.0e6;
    return std::isfinite(v) ? static_cast<int>(std::floor(std::clamp(v, -kFar, kFar)))
                            : static_cast<int>(-kFar);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.setBackground(palette().color(QPalette::Button));
    setScaleMode(kScaleTwips);
    m_horizontalBar = new QScrollBar(Qt::Horizontal, this);
    m_verticalBar = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {m_horizontalBar, m_verticalBar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &PictureBox::scrollBarMoved);
    }
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(150);
    connect(m_settle, &QTimer::timeout, this, [this] {
        m_settling = false;
        update(m_viewRect);
    });
    m_arrivals = new QTimer(this);
    m_arrivals->setInterval(100);
    connect(m_arrivals, &QTimer::timeout, this, &PictureBox::watchArrivals);
    m_horizontalBar->setAccessibleName(tr("Scroll the picture sideways"));
    m_verticalBar->setAccessibleName(tr("Scroll the picture up and down"));
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
        return SumSquareByPoint([this](float px, float py) { return Point(px, py); }, x, y, n);
    }
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    // Far-off or non-finite: every sample is outside.
    if (!(fx > -1.0e6f && fx < 1.0e6f && fy > -1.0e6f && fy < 1.0e6f)) {
        return {};
    }
    return surface().SumSquare(static_cast<int>(fx), static_cast<int>(fy), n);
}

std::optional<Pick> PictureBox::PickAt(float x, float y, int radius) const {
    return surface().pickAt(
        QPoint(pixelIndex(x, m_unitsPerPixelX), pixelIndex(y, m_unitsPerPixelY)), radius);
}

void PictureBox::setPicture(const ArrivingImage& image, bool keepView) {
    ShowOptions options;
    options.background = m_surface.background();
    setPicture(ShownPicture::OfImage(image, options), keepView);
}

void PictureBox::setPicture(const ShownPicture& picture, bool keepView) {
    const bool sameView = keepView && !picture.isNull() && picture.size() == this->picture().size();
    m_surface.setPicture(picture);
    m_finalRowsShown = 0;
    // Rows arriving are watched until all have: a preview is repainted as they replace it, and
    // the end is told (where a file cut short ends).
    if (picture.arriving()) {
        m_arrivals->start();
    } else {
        m_arrivals->stop();
    }
    if (!sameView) {
        // A new picture shows at 100 % from its top-left corner.
        m_view = View::Mapping(picture.size(), 1, m_view.ratio(), m_view.view(), QPoint());
        ++m_viewSerial;
        layoutView();
    }
    update();
}

void PictureBox::watchArrivals() {
    const std::shared_ptr<const PendingPixels>& arriving = picture().arriving();
    if (!arriving) {
        m_arrivals->stop();
        return;
    }
    const bool complete = arriving->complete();
    const int rows = complete ? picture().size().height() : arriving->finalRows();
    // Repainted when rows the view shows became final.
    const int top = m_view.y().pixelAt(0);
    const int bottom = m_view.y().pixelAt(m_view.view().height() - 1);
    if (rows > m_finalRowsShown && rows > top && m_finalRowsShown <= bottom) {
        update(m_viewRect);
    }
    if (rows > m_finalRowsShown) {
        m_finalRowsShown = rows;
        emit PixelsArrived();
    }
    if (complete) {
        m_arrivals->stop();
        emit ArrivalEnded();
    }
}

QImage PictureBox::Image() const {
    return surface().image();
}

QImage PictureBox::Image(const QRect& area) const {
    return surface().image(area);
}

void PictureBox::Line(float x1, float y1, float x2, float y2) {
    // A position names the pixel it lies in.
    surface().line(pixelOf(toPixels(x1, y1)), pixelOf(toPixels(x2, y2)), QColorOf(m_foreColor));
    m_currentX = x2;
    m_currentY = y2;
    update();
}

void PictureBox::Print(const QString& text) {
    const QPointF topLeft = pixelOf(toPixels(m_currentX, m_currentY));
    // Crisp glyphs: every pixel of the label is exactly the drawing colour.
    QFont textFont = font();
    textFont.setStyleStrategy(QFont::NoAntialias);
    surface().text(topLeft, text, textFont, QColorOf(m_foreColor));
    const QFontMetrics metrics(textFont);
    m_currentX = 0;
    m_currentY = static_cast<float>(fromPixels(QPointF(0, topLeft.y() + metrics.height())).y());
    update();
}

void PictureBox::setMarker(std::optional<QPointF> at) {
    m_marker = at;
    update();
}

QPointF PictureBox::pixelOf(QPointF p) {
    return {std::floor(p.x()), std::floor(p.y())};
}
