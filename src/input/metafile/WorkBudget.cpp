#include "input/metafile/WorkBudget.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace gdi {
namespace {

// A bound on the rectangles that combining two regions can make: each band of the result lies
// between the band edges of the two, and holds at most the rectangles of both bands.
qint64 combinedRectsBound(const QRegion& a, const QRegion& b) {
    auto shape = [](const QRegion& r, qint64& bands, qint64& widest) {
        int top = 0;
        qint64 inBand = 0;
        for (const QRect& rect : r) {
            if (bands == 0 || rect.top() != top) {
                ++bands;
                top = rect.top();
                inBand = 0;
            }
            widest = std::max(widest, ++inBand);
        }
    };
    qint64 bands = 0, widestA = 0, widestB = 0;
    shape(a, bands, widestA);
    shape(b, bands, widestB);
    return 2 * bands * (widestA + widestB);
}

} // namespace

WorkBudget::WorkBudget(QSize picture)
    : m_picture(picture), m_left(std::clamp<qint64>(qint64(picture.width()) * picture.height() * 64,
                                                    qint64(1) << 26, qint64(1) << 31)) {}

void WorkBudget::waive() {
    m_left = std::numeric_limits<qint64>::max() / 2;
}

bool WorkBudget::plausible(const QRectF& area) {
    return std::isfinite(area.x()) && std::isfinite(area.y()) && std::isfinite(area.width()) &&
           std::isfinite(area.height()) && std::abs(area.left()) <= MaxCoordinate &&
           std::abs(area.right()) <= MaxCoordinate && std::abs(area.top()) <= MaxCoordinate &&
           std::abs(area.bottom()) <= MaxCoordinate;
}

bool WorkBudget::chargeArea(const QRectF& area) {
    const QRectF visible = area.normalized() & QRectF(QPointF(), QSizeF(m_picture));
    m_left -= DrawCost;
    if (!visible.isEmpty()) {
        m_left -= qint64(visible.width() + 1) * qint64(visible.height() + 1);
    }
    return !exhausted();
}

bool WorkBudget::chargeEdges(const QPainterPath& path, const QTransform& t, double extraRows) {
    if (exhausted()) {
        return false;
    }
    const double height = m_picture.height();
    double crossings = 0;
    double top = height;
    double bottom = 0;
    qint64 points = 0;
    for (const QPolygonF& polygon : path.toSubpathPolygons(t)) {
        points += polygon.size();
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF a = polygon[i];
            const QPointF b = polygon[i + 1 < polygon.size() ? i + 1 : 0];
            const double y0 = std::max(0.0, std::min(a.y(), b.y()) - extraRows / 2);
            const double y1 = std::min(height, std::max(a.y(), b.y()) + extraRows / 2);
            if (y1 >= y0) { // false for NaN too
                crossings += y1 - y0 + 1;
                top = std::min(top, y0);
                bottom = std::max(bottom, y1);
            }
        }
    }
    m_left -= points;
    const double rows = std::max(1.0, bottom - top + 1);
    const double cost = crossings * std::max(1.0, crossings / rows);
    if (exhausted() || !(cost <= double(m_left))) {
        return false;
    }
    m_left -= qint64(cost);
    return true;
}

bool WorkBudget::chargeRegion(const QRegion& region) {
    if (region.rectCount() > MaxClipRects) {
        stop();
        return false;
    }
    return chargeRects(region.rectCount());
}

bool WorkBudget::chargeRects(qint64 count) {
    m_left -= count * RectCost;
    return !exhausted();
}

bool WorkBudget::chargeCombining(const QRegion& a, const QRegion& b) {
    if (!chargeRects(qint64(a.rectCount()) + b.rectCount())) {
        stop();
        return false;
    }
    return allowsUnion(a, b);
}

bool WorkBudget::allowsUnion(const QRegion& a, const QRegion& b) {
    if (combinedRectsBound(a, b) > MaxCombinedRects) {
        stop();
        return false;
    }
    return true;
}

bool WorkBudget::chargeDecode(qint64 pixels, bool pattern) {
    if (exhausted() || pixels < 0 || pixels > MaxDecodedPixels - m_decoded ||
        (pattern && (pixels > MaxPatternPixels || pixels > MaxPatternTotal - m_patterns))) {
        return false;
    }
    m_decoded += pixels;
    m_patterns += pattern ? pixels : 0;
    m_left -= pixels;
    return !exhausted();
}

bool WorkBudget::chargeText(qsizetype chars) {
    m_left -= qint64(chars) * CharCost;
    return !exhausted();
}

bool WorkBudget::chargeWidening(qint64 elements) {
    return chargeRects(elements) && elements <= MaxWidenElements / 16;
}

bool WorkBudget::chargeWidened(qint64 elements) {
    chargeRects(elements);
    return elements <= MaxWidenElements;
}

bool WorkBudget::chargeSavedClip(qint64 rects) {
    if (m_savedClipRects + rects > MaxSavedClipRects) {
        stop();
        return false;
    }
    m_savedClipRects += rects;
    return true;
}

} // namespace gdi
