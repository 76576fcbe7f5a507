#include "input/metafile/DeviceContext.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace gdi {
namespace {

constexpr size_t MaxSavedStates = 4096;
// Picture coordinates beyond this belong to damaged data; such shapes are left out.
constexpr double MaxCoordinate = 1 << 24;
// Clips of more rectangles than this are far beyond real pictures, and Qt's painter copes
// badly with them; playback ends there.
constexpr int MaxClipRects = 1 << 16;
// What all saved states may hold together.
constexpr qint64 MaxSavedClipRects = 1 << 20;
// Combining two regions can multiply their rectangles; larger estimates are not attempted.
constexpr qint64 MaxCombinedRects = 1 << 22;
constexpr qint64 RectCost = 16;
// Each widening multiplies a path's elements, so repeated ones would grow without end.
constexpr int MaxWidenElements = 1 << 20;
// Bitmap pixels decoded per file, and those kept in pattern brushes.
constexpr qint64 MaxDecodedPixels = qint64(1) << 28;
constexpr qint64 MaxPatternPixels = qint64(1) << 20;
constexpr qint64 MaxPatternTotal = qint64(1) << 24;
// Laying out text costs far more per character than filling a pixel.
constexpr qint64 CharCost = 256;

bool finite(const QTransform& t) {
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m13()) &&
           std::isfinite(t.m21()) && std::isfinite(t.m22()) && std::isfinite(t.m23()) &&
           std::isfinite(t.m31()) && std::isfinite(t.m32()) && std::isfinite(t.m33());
}

bool usable(const QTransform& t) {
    return finite(t) && std::abs(t.determinant()) > 1e-18;
}

bool finite(const QRectF& r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) &&
           std::isfinite(r.height());
}

// How much a transform scales lengths, on average.
double lengthScale(const QTransform& t) {
    return std::sqrt(std::abs(t.determinant()));
}

// How a binary raster operation combines pen or brush (source) with what is below. Black,
// white, copy and no-op need no combining and are handled before.
QPainter::CompositionMode rasterMode(int rop2) {
    using M = QPainter::CompositionMode;
    static const M modes[] = {M::CompositionMode_SourceOver,
                              M::CompositionMode_SourceOver,
                              M::RasterOp_NotSourceAndNotDestination,
                              M::RasterOp_NotSourceAndDestination,
                              M::RasterOp_NotSource,
                              M::RasterOp_SourceAndNotDestination,
                              M::RasterOp_NotDestination,
                              M::RasterOp_SourceXorDestination,
                              M::RasterOp_NotSourceOrNotDestination,
                              M::RasterOp_SourceAndDestination,
                              M::RasterOp_NotSourceXorDestination,
                              M::CompositionMode_SourceOver,
                              M::RasterOp_NotSourceOrDestination,
                              M::CompositionMode_SourceOver,
                              M::RasterOp_SourceOrNotDestination,
                              M::RasterOp_SourceOrDestination,
                              M::CompositionMode_SourceOver};
    return rop2 >= 0 && rop2 <= R2White ? modes[rop2] : M::CompositionMode_SourceOver;
}

// A ternary raster operation is the truth table of pattern, source and destination, bit
// 4P + 2S + D; a binary one is the truth table of pen and destination, bit 2P + D, plus one.
// Operations that ignore the pattern reduce to a binary one of source and destination, those
// that ignore the source to one of pattern and destination.
bool usesSource(int rop3) {
    return ((rop3 >> 2) & 0x33) != (rop3 & 0x33);
}
bool usesPattern(int rop3) {
    return ((rop3 >> 4) & 0x0f) != (rop3 & 0x0f);
}
int sourceRop2(int rop3) {
    return (rop3 & 0x0f) + 1;
}
int patternRop2(int rop3) {
    return ((rop3 & 0x03) | ((rop3 >> 2) & 0x0c)) + 1;
}

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

QPainterPath rectPath(const QRectF& r) {
    QPainterPath p;
    p.addRect(r.normalized());
    return p;
}

} // namespace

DeviceContext::DeviceContext(QImage picture, const QTransform& deviceToPicture,
                             QSizeF devicePixelsPerMm, qint64 workBudget)
    : picture_(std::move(picture)), deviceToPicture_(deviceToPicture),
      devicePixelsPerMm_(devicePixelsPerMm), budget_(workBudget) {
    painter_.begin(&picture_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
}

DeviceContext::~DeviceContext() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

QImage DeviceContext::takePicture() {
    if (painter_.isActive()) {
        painter_.end();
    }
    return std::move(picture_);
}

void DeviceContext::measureOnly() {
    measuring_ = true;
    // Measuring draws nothing, so it costs only the playing of the records.
    budget_ = std::numeric_limits<qint64>::max() / 2;
}

// ---- coordinate spaces ------------------------------------------------------------------------

void DeviceContext::setMapMode(int mode) {
    if (mode < MmText || mode > MmAnisotropic) {
        return;
    }
    DcState& s = state_;
    s.mapMode = mode;
    if (mode == MmText) {
        s.windowExt = s.viewportExt = QSizeF(1, 1);
    } else if (mode != MmAnisotropic) {
        // Fixed units (and the isotropic start) scale by the device's size; y grows upwards.
        static const double mmPerUnit[] = {0.1, 0.01, 0.254, 0.0254, 25.4 / 1440, 0.1};
        const double mm = mmPerUnit[mode - MmLoMetric];
        s.windowExt = QSizeF(1, 1);
        s.viewportExt = QSizeF(devicePixelsPerMm_.width() * mm, -devicePixelsPerMm_.height() * mm);
    }
}

void DeviceContext::setWindowExt(QSizeF ext) {
    if ((state_.mapMode == MmIsotropic || state_.mapMode == MmAnisotropic) && ext.width() != 0 &&
        ext.height() != 0) {
        state_.windowExt = ext;
    }
}

void DeviceContext::setViewportExt(QSizeF ext) {
    if ((state_.mapMode == MmIsotropic || state_.mapMode == MmAnisotropic) && ext.width() != 0 &&
        ext.height() != 0) {
        state_.viewportExt = ext;
    }
}

void DeviceContext::scaleWindowExt(double xNum, double xDenom, double yNum, double yDenom) {
    if (xDenom != 0 && yDenom != 0) {
        const QSizeF e = state_.windowExt;
        setWindowExt(QSizeF(e.width() * xNum / xDenom, e.height() * yNum / yDenom));
    }
}

void DeviceContext::scaleViewportExt(double xNum, double xDenom, double yNum, double yDenom) {
    if (xDenom != 0 && yDenom != 0) {
        const QSizeF e = state_.viewportExt;
        setViewportExt(QSizeF(e.width() * xNum / xDenom, e.height() * yNum / yDenom));
    }
}

bool DeviceContext::setWorldTransform(const QTransform& t) {
    if (!usable(t)) {
        return false;
    }
    state_.world = t;
    return true;
}

void DeviceContext::modifyWorldTransform(const QTransform& t, int mode) {
    switch (mode) {
    case 1:
        state_.world = QTransform();
        break;
    case 2:
        setWorldTransform(t * state_.world);
        break;
    case 3:
        setWorldTransform(state_.world * t);
        break;
    case 4:
        setWorldTransform(t);
        break;
    default:
        break;
    }
}

QTransform DeviceContext::toPicture() const {
    const DcState& s = state_;
    double sx = 1;
    double sy = 1;
    if (s.mapMode != MmText) {
        sx = s.viewportExt.width() / s.windowExt.width();
        sy = s.viewportExt.height() / s.windowExt.height();
        if (s.mapMode == MmIsotropic) {
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
    }
    const QTransform page(sx, 0, 0, sy, s.viewportOrg.x() - s.windowOrg.x() * sx,
                          s.viewportOrg.y() - s.windowOrg.y() * sy);
    return s.world * page * deviceToPicture_;
}

bool DeviceContext::mirrored() const {
    return toPicture().determinant() < 0;
}

void DeviceContext::saveState() {
    if (saved_.size() >= MaxSavedStates) {
        ++unsavedDepth_;
        return;
    }
    const qint64 rects = state_.clip ? state_.clip->rectCount() : 0;
    if (savedClipRects_ + rects > MaxSavedClipRects) {
        stop();
        return;
    }
    savedClipRects_ += rects;
    saved_.push_back(state_);
}

void DeviceContext::restoreState(int which) {
    qint64 index = 0;
    if (which < 0) {
        qint64 count = -qint64(which);
        const qint64 unsaved = std::min<qint64>(count, unsavedDepth_);
        unsavedDepth_ -= int(unsaved);
        count -= unsaved;
        if (count == 0) {
            return;
        }
        index = qint64(saved_.size()) - count;
    } else {
        index = qint64(which) - 1;
    }
    if (index < 0 || index >= qint64(saved_.size())) {
        return;
    }
    for (size_t i = size_t(index); i < saved_.size(); ++i) {
        savedClipRects_ -= saved_[i].clip ? saved_[i].clip->rectCount() : 0;
    }
    state_ = saved_[size_t(index)];
    saved_.resize(size_t(index));
    clipDirty_ = true;
}

void DeviceContext::select(const Object& object) {
    if (const auto* pen = std::get_if<Pen>(&object)) {
        state_.pen = *pen;
    } else if (const auto* brush = std::get_if<Brush>(&object)) {
        state_.brush = *brush;
    } else if (const auto* font = std::get_if<Font>(&object)) {
        state_.font = *font;
    } else if (const auto* region = std::get_if<Region>(&object)) {
        combineClip(regionToPicture(region->rects, toPicture()), RgnCopy);
    }
}

// ---- clipping ---------------------------------------------------------------------------------

// Every drawing asks here first, with the picture area it reaches.
bool DeviceContext::charge(const QRectF& area) {
    if (exhausted() || !finite(area) || std::abs(area.left()) > MaxCoordinate ||
        std::abs(area.right()) > MaxCoordinate || std::abs(area.top()) > MaxCoordinate ||
        std::abs(area.bottom()) > MaxCoordinate) {
        return false;
    }
    if (measuring_) {
        measured_ |= area.normalized();
        return false;
    }
    const QRectF visible = area.normalized() & QRectF(picture_.rect());
    budget_ -= 16;
    if (!visible.isEmpty()) {
        budget_ -= qint64(visible.width() + 1) * qint64(visible.height() + 1);
    }
    return !exhausted();
}

bool DeviceContext::chargeDecode(qint64 pixels, bool pattern) {
    if (exhausted() || pixels < 0 || pixels > MaxDecodedPixels - decoded_ ||
        (pattern && (pixels > MaxPatternPixels || pixels > MaxPatternTotal - patterns_))) {
        return false;
    }
    decoded_ += pixels;
    patterns_ += pattern ? pixels : 0;
    budget_ -= pixels;
    return !exhausted();
}

// Qt fills a shape row by row, sorting the edges that cross each row, so shapes whose edges
// pile onto the same rows cost far more than their area. Shapes the budget cannot pay for are
// left out.
bool DeviceContext::chargeEdges(const QPainterPath& path, const QTransform& t, double extraRows) {
    if (exhausted()) {
        return false;
    }
    const double height = picture_.height();
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
    budget_ -= points;
    const double rows = std::max(1.0, bottom - top + 1);
    const double cost = crossings * std::max(1.0, crossings / rows);
    if (exhausted() || !(cost <= double(budget_))) {
        return false;
    }
    budget_ -= qint64(cost);
    return true;
}

bool DeviceContext::chargeRegion(const QRegion& region) {
    if (region.rectCount() > MaxClipRects) {
        stop();
        return false;
    }
    budget_ -= region.rectCount() * RectCost;
    return !exhausted();
}

void DeviceContext::setClip(const QRegion& region) {
    if (chargeRegion(region)) {
        state_.clip = region;
        clipDirty_ = true;
    }
}

void DeviceContext::applyClip() {
    if (!clipDirty_) {
        return;
    }
    painter_.resetTransform();
    if (state_.clip) {
        painter_.setClipRegion(*state_.clip);
    } else {
        painter_.setClipping(false);
    }
    clipDirty_ = false;
}

void DeviceContext::combineClip(const QRegion& region, int mode) {
    if (exhausted()) {
        return;
    }
    if (mode < RgnAnd || mode > RgnDiff) {
        setClip(region);
        return;
    }
    const QRegion current = state_.clip.value_or(QRegion(picture_.rect()));
    budget_ -= (current.rectCount() + region.rectCount()) * RectCost;
    if (exhausted() || combinedRectsBound(current, region) > MaxCombinedRects) {
        stop();
        return;
    }
    switch (mode) {
    case RgnAnd:
        setClip(current & region);
        break;
    case RgnOr:
        setClip(current | region);
        break;
    case RgnXor:
        setClip(current ^ region);
        break;
    default:
        setClip(current - region);
        break;
    }
}

void DeviceContext::resetClip() {
    state_.clip.reset();
    clipDirty_ = true;
}

void DeviceContext::intersectClipRect(const QRectF& rect) {
    combineClip(regionToPicture({rect.normalized()}, toPicture()), RgnAnd);
}

void DeviceContext::excludeClipRect(const QRectF& rect) {
    combineClip(regionToPicture({rect.normalized()}, toPicture()), RgnDiff);
}

void DeviceContext::offsetClip(QPointF logicalOffset) {
    const QTransform t = toPicture();
    const QPointF d = t.map(logicalOffset) - t.map(QPointF());
    if (state_.clip && std::abs(d.x()) < MaxCoordinate && std::abs(d.y()) < MaxCoordinate) {
        // Only the picture matters; keeping the rest would let repeated moves overflow.
        setClip(state_.clip->translated(qRound(d.x()), qRound(d.y())) & picture_.rect());
    }
}

QRegion DeviceContext::regionToPicture(const QVector<QRectF>& rects, const QTransform& map) {
    if (!usable(map)) {
        return QRegion();
    }
    const QRectF reach = QRectF(picture_.rect()).adjusted(-2, -2, 2, 2);
    if (map.type() <= QTransform::TxScale) {
        // United pairwise, so each rectangle takes part in few unions.
        std::vector<QRegion> parts;
        parts.reserve(size_t(rects.size()));
        for (const QRectF& r : rects) {
            const QRectF m = map.mapRect(r) & reach;
            if (finite(m) && !m.isEmpty()) {
                const QPoint topLeft(qRound(m.left()), qRound(m.top()));
                const QPoint end(qRound(m.right()), qRound(m.bottom()));
                parts.emplace_back(QRect(topLeft, end - QPoint(1, 1)));
            }
        }
        budget_ -= qint64(rects.size()) * RectCost;
        while (parts.size() > 1) {
            std::vector<QRegion> next;
            next.reserve(parts.size() / 2 + 1);
            for (size_t i = 0; i < parts.size(); i += 2) {
                if (i + 1 == parts.size()) {
                    next.push_back(parts[i]);
                    continue;
                }
                if (combinedRectsBound(parts[i], parts[i + 1]) > MaxCombinedRects) {
                    stop();
                    return QRegion();
                }
                next.push_back(parts[i] | parts[i + 1]);
                if (!chargeRegion(next.back())) {
                    return QRegion();
                }
            }
            parts = std::move(next);
        }
        return parts.empty() ? QRegion() : parts.front();
    }
    // Rotated rectangles: rasterize once rather than uniting them one by one.
    QPainterPath path;
    for (const QRectF& r : rects) {
        path.addPolygon(map.map(QPolygonF(r)));
        path.closeSubpath();
    }
    return pathToRegion(path, Qt::WindingFill);
}

QRegion DeviceContext::pathToRegion(const QPainterPath& picturePath, Qt::FillRule rule) {
    const QRectF bounds = picturePath.controlPointRect();
    if (!charge(bounds) || !chargeEdges(picturePath, QTransform(), 0)) {
        stop(); // a clip left out would change everything drawn after it
        return QRegion();
    }
    const QRect cells = (bounds & QRectF(picture_.rect())).toAlignedRect() & picture_.rect();
    if (cells.isEmpty()) {
        return QRegion();
    }
    QImage mask(cells.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.translate(-cells.topLeft());
        QPainterPath path = picturePath;
        path.setFillRule(rule);
        p.fillPath(path, Qt::black);
    }
    QVector<QRect> rects;
    qsizetype previous = 0; // where the rectangles of the row above start
    for (int y = 0; y < mask.height(); ++y) {
        const qsizetype row = rects.size();
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < mask.width();) {
            if (line[x] == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < mask.width() && line[x] != 0) {
                ++x;
            }
            rects.append(QRect(cells.x() + start, cells.y() + y, x - start, 1));
        }
        // A row like the one above extends its rectangles downwards.
        const qsizetype count = rects.size() - row;
        bool same = count > 0 && row - previous == count;
        for (qsizetype i = 0; same && i < count; ++i) {
            const QRect& above = rects[previous + i];
            same = above.left() == rects[row + i].left() &&
                   above.right() == rects[row + i].right() && above.bottom() == cells.y() + y - 1;
        }
        if (same) {
            for (qsizetype i = 0; i < count; ++i) {
                rects[previous + i].setBottom(cells.y() + y);
            }
            rects.resize(row);
        } else {
            previous = row;
        }
        if (rects.size() > MaxClipRects) {
            stop();
            return QRegion();
        }
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

// ---- painting ---------------------------------------------------------------------------------

QPen DeviceContext::makePen(const QTransform& t, bool pictureSpace) const {
    const Pen& pen = state_.pen;
    if (pen.style == PsNull) {
        return QPen(Qt::NoPen);
    }
    const double scale = usable(t) ? lengthScale(t) : 1;
    const double logicalWidth = std::abs(pen.width);
    const double pictureWidth = std::min(logicalWidth * scale, MaxCoordinate);
    const double width = pictureSpace ? pictureWidth : logicalWidth;
    QPen p(pen.color);
    p.setWidthF(width > 0 ? width : 0); // zero: Qt's one-pixel cosmetic pen, as GDI draws it
    p.setCosmetic(width <= 0);
    // Dash lengths in units of the pen width: GDI's fixed pixel patterns for thin pens, and
    // patterns that grow with the width for wide ones.
    const bool thin = pictureWidth <= 1.5;
    switch (pen.style) {
    case PsDash:
        p.setDashPattern(thin ? QVector<qreal>{18, 6} : QVector<qreal>{3, 1});
        break;
    case PsDot:
        p.setDashPattern(thin ? QVector<qreal>{3, 3} : QVector<qreal>{1, 1});
        break;
    case PsDashDot:
        p.setDashPattern(thin ? QVector<qreal>{9, 6, 3, 6} : QVector<qreal>{3, 1, 1, 1});
        break;
    case PsDashDotDot:
        p.setDashPattern(thin ? QVector<qreal>{9, 3, 3, 3, 3, 3}
                              : QVector<qreal>{3, 1, 1, 1, 1, 1});
        break;
    case PsAlternate:
        p.setDashPattern({1, 1});
        break;
    case PsUserStyle: {
        QVector<qreal> dashes;
        const double unit = logicalWidth > 0 ? logicalWidth : 1;
        for (double d : pen.dashes) {
            dashes.append(std::clamp(d / unit, 0.01, 10000.0));
        }
        if (dashes.size() % 2 == 1) {
            dashes += dashes;
        }
        if (!dashes.isEmpty()) {
            p.setDashPattern(dashes);
        }
        break;
    }
    default:
        break;
    }
    switch (pen.flags & 0x0f00) {
    case 0x100:
        p.setCapStyle(Qt::SquareCap);
        break;
    case 0x200:
        p.setCapStyle(Qt::FlatCap);
        break;
    default:
        p.setCapStyle(Qt::RoundCap);
        break;
    }
    switch (pen.flags & 0xf000) {
    case 0x1000:
        p.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        p.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        p.setJoinStyle(Qt::RoundJoin);
        break;
    }
    p.setMiterLimit(state_.miterLimit);
    return p;
}

QBrush DeviceContext::makeBrush(const Brush& brush, const QTransform& t) const {
    QBrush b;
    switch (brush.style) {
    case BsNull:
        return QBrush(Qt::NoBrush);
    case BsHatched: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        b = QBrush(brush.color,
                   brush.hatch >= 0 && brush.hatch < 6 ? hatches[brush.hatch] : Qt::SolidPattern);
        break;
    }
    case BsPattern:
    case BsDibPattern:
    case BsDibPatternPt:
        if (!brush.pattern.isNull()) {
            QImage pattern = brush.pattern;
            if (brush.monochrome && pattern.format() == QImage::Format_Indexed8 &&
                pattern.colorCount() >= 2) {
                pattern.setColor(0, state_.textColor.rgb());
                pattern.setColor(1, state_.bkColor.rgb());
            }
            b = QBrush(pattern);
            break;
        }
        return QBrush(brush.color);
    default:
        return QBrush(brush.color);
    }
    // Patterns stay aligned to picture pixels from the brush origin, whatever the mapping.
    bool invertible = false;
    const QTransform inverse = t.inverted(&invertible);
    if (invertible) {
        b.setTransform(QTransform::fromTranslate(state_.brushOrigin.x(), state_.brushOrigin.y()) *
                       inverse);
    }
    return b;
}

void DeviceContext::paint(const QTransform& t, const QRectF& logicalBounds, const QPen& pen,
                          const QBrush& brush, int rop2, const Draw& draw,
                          const QPainterPath* outline) {
    if (rop2 == R2Nop || (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush)) {
        return;
    }
    // A wide pen reaches half its width beyond the shape in logical units, which an
    // anisotropic mapping may stretch far more one way than the other.
    const bool widePen = pen.style() != Qt::NoPen && !pen.isCosmetic() && pen.widthF() > 0;
    const double half = widePen ? pen.widthF() / 2 : 0;
    const double grow = pen.style() == Qt::NoPen ? 1 : pen.isCosmetic() ? 3 : 2;
    const QRectF reach = t.mapRect(logicalBounds.normalized().adjusted(-half, -half, half, half));
    if (measuring_) {
        charge(reach); // the shape's own extent, without the margin the budget allows for
        return;
    }
    if (!charge(reach.adjusted(-grow, -grow, grow, grow))) {
        return;
    }
    // Thin lines are drawn directly; fills and wide pens go through the polygon filler.
    if (outline != nullptr && (brush.style() != Qt::NoBrush || widePen) &&
        !chargeEdges(*outline, t, widePen ? 2 * half * lengthScale(t) : 0)) {
        return;
    }
    applyClip();
    painter_.setTransform(t);
    painter_.setBackgroundMode(state_.bkMode == BkOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(state_.bkColor);

    QPen p = pen;
    QBrush b = brush;
    if (rop2 == R2Black || rop2 == R2White) {
        const QColor c = rop2 == R2Black ? Qt::black : Qt::white;
        p.setColor(c);
        b = b.style() == Qt::NoBrush ? b : QBrush(c);
    }
    const QPainter::CompositionMode mode = rasterMode(rop2);
    if (mode != QPainter::CompositionMode_SourceOver) {
        // Raster operations combine with what lies below; a pixel the file has not painted yet
        // counts as the white page GDI would find there, not as transparent black.
        QPen white = p;
        white.setColor(Qt::white);
        painter_.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        painter_.setPen(p.style() == Qt::NoPen ? QPen(Qt::NoPen) : white);
        painter_.setBrush(b.style() == Qt::NoBrush ? QBrush() : QBrush(Qt::white));
        draw(painter_);
        painter_.setCompositionMode(mode);
    }
    painter_.setPen(p);
    painter_.setBrush(b);
    draw(painter_);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DeviceContext::shape(const QPainterPath& logical, bool fill, bool stroke) {
    const QTransform t = toPicture();
    if (!usable(t)) {
        return;
    }
    if (inPath_) {
        path_.addPath(t.map(logical));
        return;
    }
    QPainterPath path = logical;
    path.setFillRule(state_.fillRule);
    paint(
        t, path.controlPointRect(), stroke ? makePen(t, false) : QPen(Qt::NoPen),
        fill ? makeBrush(state_.brush, t) : QBrush(), state_.rop2,
        [&](QPainter& p) { p.drawPath(path); }, &path);
}

// Lines that continue from the current position join the figure being recorded.
void DeviceContext::appendToFigure(const QPainterPath& logical) {
    const QTransform t = toPicture();
    if (!inPath_) {
        shape(logical, false, true);
        return;
    }
    if (!usable(t)) {
        return;
    }
    const QPainterPath mapped = t.map(logical);
    if (path_.elementCount() > 0 && mapped.elementCount() > 0 &&
        path_.currentPosition() == QPointF(mapped.elementAt(0))) {
        path_.connectPath(mapped);
    } else {
        path_.addPath(mapped);
    }
}

void DeviceContext::moveTo(QPointF p) {
    state_.position = p;
    const QTransform t = toPicture();
    if (inPath_ && usable(t)) {
        path_.moveTo(t.map(p));
    }
}

void DeviceContext::lineTo(QPointF p) {
    QPainterPath path(state_.position);
    path.lineTo(p);
    appendToFigure(path);
    state_.position = p;
}

void DeviceContext::polyline(const QPolygonF& points) {
    if (points.size() < 2) {
        return;
    }
    QPainterPath path;
    path.addPolygon(points);
    shape(path, false, true);
}

void DeviceContext::polylineTo(const QPolygonF& points) {
    if (points.isEmpty()) {
        return;
    }
    QPainterPath path(state_.position);
    for (const QPointF& p : points) {
        path.lineTo(p);
    }
    appendToFigure(path);
    state_.position = points.back();
}

void DeviceContext::polygon(const QPolygonF& points) {
    if (points.size() < 2) {
        return;
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    shape(path, true, true);
}

void DeviceContext::polyPolygon(const QVector<QPolygonF>& polygons) {
    QPainterPath path;
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() >= 2) {
            path.addPolygon(polygon);
            path.closeSubpath();
        }
    }
    shape(path, true, true);
}

void DeviceContext::polyPolyline(const QVector<QPolygonF>& polylines) {
    QPainterPath path;
    for (const QPolygonF& line : polylines) {
        if (line.size() >= 2) {
            path.addPolygon(line);
        }
    }
    shape(path, false, true);
}

void DeviceContext::polyBezier(const QPolygonF& points) {
    if (points.size() < 4) {
        return;
    }
    QPainterPath path(points[0]);
    for (qsizetype i = 1; i + 2 < points.size(); i += 3) {
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    }
    shape(path, false, true);
}

void DeviceContext::polyBezierTo(const QPolygonF& points) {
    if (points.size() < 3) {
        return;
    }
    QPainterPath path(state_.position);
    qsizetype i = 0;
    for (; i + 2 < points.size(); i += 3) {
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    }
    appendToFigure(path);
    state_.position = points[i - 1];
}

void DeviceContext::polyDraw(const QPolygonF& points, QByteArrayView types) {
    enum { CloseFigure = 1, LineTo = 2, BezierTo = 4, MoveTo = 6 };
    QPainterPath path(state_.position);
    for (qsizetype i = 0; i < points.size() && i < types.size(); ++i) {
        const int type = quint8(types[i]) & ~CloseFigure;
        if (type == MoveTo) {
            path.moveTo(points[i]);
        } else if (type == LineTo) {
            path.lineTo(points[i]);
        } else if (type == BezierTo && i + 2 < points.size()) {
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
        } else {
            return; // GDI refuses the whole call
        }
        if (quint8(types[i]) & CloseFigure) {
            path.closeSubpath();
        }
    }
    appendToFigure(path);
    state_.position = path.currentPosition();
}

void DeviceContext::rectangle(const QRectF& box) {
    shape(rectPath(box), true, true);
}

void DeviceContext::roundRect(const QRectF& box, QSizeF corner) {
    QPainterPath path;
    path.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2,
                        std::abs(corner.height()) / 2);
    shape(path, true, true);
}

void DeviceContext::ellipse(const QRectF& box) {
    QPainterPath path;
    path.addEllipse(box.normalized());
    shape(path, true, true);
}

QPainterPath DeviceContext::arcPath(ArcKind kind, const QRectF& box, QPointF start,
                                    QPointF end) const {
    const QRectF r = box.normalized();
    QPainterPath path(state_.position);
    if (r.width() <= 0 || r.height() <= 0) {
        return path;
    }
    const QPointF c = r.center();
    // Angles of the radial lines through the given points, in the ellipse's own parameter.
    auto angle = [&](QPointF p) {
        return qRadiansToDegrees(
            std::atan2(-(p.y() - c.y()) / r.height(), (p.x() - c.x()) / r.width()));
    };
    const double a0 = angle(start);
    double sweep = angle(end) - a0;
    // The direction is the one seen on the picture, so a mirroring mapping reverses it here.
    if (state_.clockwise == mirrored()) {
        while (sweep <= 0) {
            sweep += 360;
        }
    } else {
        while (sweep >= 0) {
            sweep -= 360;
        }
    }
    switch (kind) {
    case ArcKind::Arc:
    case ArcKind::Chord:
        path = QPainterPath();
        path.arcMoveTo(r, a0);
        break;
    case ArcKind::Pie:
        path = QPainterPath(c);
        break;
    case ArcKind::ArcTo:
        break;
    }
    path.arcTo(r, a0, sweep);
    if (kind == ArcKind::Chord || kind == ArcKind::Pie) {
        path.closeSubpath();
    }
    return path;
}

void DeviceContext::arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end) {
    const QPainterPath path = arcPath(kind, box, start, end);
    switch (kind) {
    case ArcKind::Arc:
        shape(path, false, true);
        break;
    case ArcKind::ArcTo:
        appendToFigure(path);
        state_.position = path.currentPosition();
        break;
    case ArcKind::Chord:
    case ArcKind::Pie:
        shape(path, true, true);
        break;
    }
}

void DeviceContext::angleArc(QPointF center, double radius, double startDegrees,
                             double sweepDegrees) {
    if (!std::isfinite(startDegrees) || !std::isfinite(sweepDegrees)) {
        return;
    }
    QPainterPath path(state_.position);
    path.arcTo(QRectF(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius),
               startDegrees, std::clamp(sweepDegrees, -3600.0, 3600.0));
    appendToFigure(path);
    state_.position = path.currentPosition();
}

void DeviceContext::setPixel(QPointF p, const QColor& color) {
    const QTransform t = toPicture();
    const QPointF at = t.map(p);
    const QRectF cell(std::floor(at.x()), std::floor(at.y()), 1, 1);
    paint(QTransform(), cell, QPen(Qt::NoPen), QBrush(color), R2CopyPen,
          [&](QPainter& painter) { painter.fillRect(cell, painter.brush()); });
}

// ---- text -------------------------------------------------------------------------------------

namespace {

std::optional<QFont> makeFont(const Font& f, double sx, double sy) {
    double px = f.height == 0 ? 12.0 : std::abs(double(f.height)) * sy;
    if (!(px >= 0.5)) {
        return std::nullopt;
    }
    px = std::min(px, 16384.0);
    QFont font(f.face.isEmpty() ? QStringLiteral("Sans Serif") : f.face);
    font.setPixelSize(std::max(1, qRound(px)));
    if (f.height > 0) {
        // A positive height is the whole cell; the em is smaller by the internal leading.
        const double cell = QFontMetricsF(font).height();
        if (cell > 0) {
            font.setPixelSize(qRound(std::clamp(px * px / cell, 1.0, 16384.0)));
        }
    }
    font.setWeight(QFont::Weight(f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoAntialias);
    if (f.width != 0) {
        const double average = QFontMetricsF(font).averageCharWidth();
        if (average > 0) {
            const double stretch = 100 * std::abs(double(f.width)) * sx / average;
            font.setStretch(qRound(std::clamp(stretch, 1.0, 4000.0)));
        }
    }
    return font;
}

} // namespace

void DeviceContext::text(const TextRun& run) {
    const QTransform t = toPicture();
    const QString chars = run.text.left(MaxTextRun);
    budget_ -= chars.size() * CharCost;
    if (!usable(t) || exhausted()) {
        return;
    }
    const bool updatePosition = state_.textAlign & TaUpdateCp;
    const QPointF reference = updatePosition ? state_.position : run.reference;
    const QRectF box = run.rect.normalized();
    if ((run.options & EtoOpaque) && !box.isEmpty()) {
        paint(t, box, QPen(Qt::NoPen), QBrush(state_.bkColor), R2CopyPen,
              [&](QPainter& p) { p.fillRect(box, p.brush()); });
    }
    if (chars.isEmpty() || run.glyphIndices) {
        return;
    }
    const QPointF origin = t.map(reference);
    const QPointF ux = t.map(reference + QPointF(1, 0)) - origin;
    const QPointF uy = t.map(reference + QPointF(0, 1)) - origin;
    const double sx = std::hypot(ux.x(), ux.y());
    const double sy = std::hypot(uy.x(), uy.y());
    const std::optional<QFont> font = makeFont(state_.font, sx, sy);
    if (!font) {
        return;
    }
    const QFontMetricsF fm(*font);

    // Pen positions in the text's own frame: x along the baseline, y downwards.
    const bool whole = run.dx.isEmpty() && run.dy.isEmpty() && state_.charExtra == 0;
    QVector<QPointF> positions;
    double x = 0;
    double y = 0;
    if (whole) {
        x = fm.horizontalAdvance(chars);
    } else {
        const double ySign = t.determinant() < 0 ? -1 : 1;
        positions.reserve(chars.size());
        for (qsizetype i = 0; i < chars.size(); ++i) {
            positions.append(QPointF(x, y));
            x += i < run.dx.size() ? run.dx[i] * sx
                                   : fm.horizontalAdvance(chars[i]) + state_.charExtra * sx;
            if (i < run.dy.size()) {
                y += run.dy[i] * sy * ySign;
            }
        }
    }
    const double width = x;
    double x0 = 0;
    if ((state_.textAlign & TaCenter) == TaCenter) {
        x0 = -width / 2;
    } else if (state_.textAlign & TaRight) {
        x0 = -width;
    }
    double y0 = fm.ascent();
    if ((state_.textAlign & TaBaseline) == TaBaseline) {
        y0 = 0;
    } else if (state_.textAlign & TaBottom) {
        y0 = -fm.descent();
    }
    const double angle =
        qRadiansToDegrees(std::atan2(ux.y(), ux.x())) - state_.font.escapement / 10.0;
    const QTransform frame =
        QTransform().rotate(angle) * QTransform::fromTranslate(origin.x(), origin.y());
    const QRectF cell(x0, y0 - fm.ascent(), width, fm.height());
    if (state_.bkMode == BkOpaque) {
        paint(frame, cell, QPen(Qt::NoPen), QBrush(state_.bkColor), R2CopyPen,
              [&](QPainter& p) { p.fillRect(cell, p.brush()); });
    }
    if (!charge(frame.mapRect(cell))) {
        return;
    }
    applyClip();
    if ((run.options & EtoClipped) && !box.isEmpty()) {
        painter_.setTransform(t);
        painter_.setClipRect(box, state_.clip ? Qt::IntersectClip : Qt::ReplaceClip);
        clipDirty_ = true;
    }
    painter_.setTransform(frame);
    // Qt caches every glyph it draws as a bitmap; large text goes as outlines instead, so a
    // huge font cannot make that cache huge.
    const bool outlines = font->pixelSize() > 128;
    QPainterPath outline;
    auto draw = [&](QPointF at, const QString& chunk) {
        if (outlines) {
            outline.addText(at, *font, chunk);
        } else {
            painter_.drawText(at, chunk);
        }
    };
    painter_.setFont(*font);
    painter_.setPen(state_.textColor);
    painter_.setBackgroundMode(Qt::TransparentMode);
    if (whole) {
        draw(QPointF(x0, y0), chars);
    } else {
        for (qsizetype i = 0; i < chars.size(); ++i) {
            // A surrogate pair is one character at the first unit's position.
            const qsizetype units = chars[i].isHighSurrogate() && i + 1 < chars.size() ? 2 : 1;
            draw(positions[i] + QPointF(x0, y0), chars.mid(i, units));
            i += units - 1;
        }
    }
    if (outlines) {
        painter_.fillPath(outline, state_.textColor);
    }
    if (updatePosition && sx > 0) {
        state_.position = reference + QPointF(width / sx, 0);
    }
}

// ---- bitmaps, gradients, regions --------------------------------------------------------------

void DeviceContext::drawBitmap(const QRectF& dest, const QImage& image, const QRectF& source,
                               quint32 rop, double opacity) {
    const int rop3 = (rop >> 16) & 0xff;
    if (!usesSource(rop3)) {
        patBlt(dest, rop);
        return;
    }
    // Operations that mix in the brush as well are drawn as plain copies.
    const int rop2 = usesPattern(rop3) ? int(R2CopyPen) : sourceRop2(rop3);
    const QRectF visible = source.normalized() & QRectF(image.rect());
    if (image.isNull() || source.width() == 0 || source.height() == 0 || visible.isEmpty()) {
        return;
    }
    // Source pixels onto the destination; negative sizes on either side mirror.
    const double kx = dest.width() / source.width();
    const double ky = dest.height() / source.height();
    const QTransform s(kx, 0, 0, ky, dest.x() - source.x() * kx, dest.y() - source.y() * ky);
    const QTransform t = s * toPicture();
    if (!usable(t) || !charge(t.mapRect(visible))) {
        return;
    }
    applyClip();
    painter_.setTransform(t);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, state_.stretchMode == StretchHalftone);
    const QPainter::CompositionMode mode = rasterMode(rop2);
    if (mode != QPainter::CompositionMode_SourceOver) {
        // As for pens and brushes: the unpainted page counts as white.
        painter_.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        painter_.fillRect(visible, Qt::white);
        painter_.setCompositionMode(mode);
    }
    painter_.setOpacity(opacity);
    painter_.drawImage(visible, image, visible);
    painter_.setOpacity(1);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DeviceContext::patBlt(const QRectF& dest, quint32 rop) {
    const QTransform t = toPicture();
    if (!usable(t)) {
        return;
    }
    const QRectF box = dest.normalized();
    paint(t, box, QPen(Qt::NoPen), makeBrush(state_.brush, t), patternRop2((rop >> 16) & 0xff),
          [&](QPainter& p) { p.fillRect(box, p.brush()); });
}

void DeviceContext::gradientRects(const QVector<GradientVertex>& vertices,
                                  const QVector<std::array<quint32, 2>>& rects, bool vertical) {
    const QTransform t = toPicture();
    if (!usable(t)) {
        return;
    }
    for (const auto& [first, second] : rects) {
        if (first >= quint32(vertices.size()) || second >= quint32(vertices.size())) {
            continue;
        }
        const GradientVertex& a = vertices[first];
        const GradientVertex& b = vertices[second];
        const QRectF box = QRectF(a.position, b.position).normalized();
        QLinearGradient g(vertical ? QPointF(0, a.position.y()) : QPointF(a.position.x(), 0),
                          vertical ? QPointF(0, b.position.y()) : QPointF(b.position.x(), 0));
        g.setColorAt(0, a.color);
        g.setColorAt(1, b.color);
        paint(t, box, QPen(Qt::NoPen), QBrush(g), R2CopyPen,
              [&](QPainter& p) { p.fillRect(box, p.brush()); });
        if (exhausted()) {
            return;
        }
    }
}

void DeviceContext::gradientTriangles(const QVector<GradientVertex>& vertices,
                                      const QVector<std::array<quint32, 3>>& triangles) {
    const QTransform t = toPicture();
    if (!usable(t)) {
        return;
    }
    for (const auto& tri : triangles) {
        if (std::any_of(tri.begin(), tri.end(),
                        [&](quint32 i) { return i >= quint32(vertices.size()); })) {
            continue;
        }
        QPointF p[3];
        QColor c[3];
        for (int k = 0; k < 3; ++k) {
            p[k] = t.map(vertices[tri[k]].position);
            c[k] = vertices[tri[k]].color;
        }
        const QRectF bounds = QPolygonF({p[0], p[1], p[2]}).boundingRect();
        // Shading pixel by pixel costs more than a plain fill.
        if (!charge(bounds) || !charge(bounds)) {
            return;
        }
        const QRect cells = (bounds & QRectF(picture_.rect())).toAlignedRect() & picture_.rect();
        const double det = (p[1].y() - p[2].y()) * (p[0].x() - p[2].x()) +
                           (p[2].x() - p[1].x()) * (p[0].y() - p[2].y());
        if (cells.isEmpty() || std::abs(det) < 1e-9) {
            continue;
        }
        QImage tile(cells.size(), QImage::Format_ARGB32_Premultiplied);
        tile.fill(Qt::transparent);
        for (int y = 0; y < tile.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
            const double cy = cells.y() + y + 0.5;
            for (int x = 0; x < tile.width(); ++x) {
                const double cx = cells.x() + x + 0.5;
                const double w0 = ((p[1].y() - p[2].y()) * (cx - p[2].x()) +
                                   (p[2].x() - p[1].x()) * (cy - p[2].y())) /
                                  det;
                const double w1 = ((p[2].y() - p[0].y()) * (cx - p[2].x()) +
                                   (p[0].x() - p[2].x()) * (cy - p[2].y())) /
                                  det;
                const double w2 = 1 - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0) {
                    continue;
                }
                auto mix = [&](auto channel) {
                    return std::clamp(
                        qRound(w0 * channel(c[0]) + w1 * channel(c[1]) + w2 * channel(c[2])), 0,
                        255);
                };
                line[x] = qRgb(mix([](const QColor& q) { return q.red(); }),
                               mix([](const QColor& q) { return q.green(); }),
                               mix([](const QColor& q) { return q.blue(); }));
            }
        }
        applyClip();
        painter_.resetTransform();
        painter_.drawImage(cells.topLeft(), tile);
    }
}

void DeviceContext::paintPictureRegion(const QRegion& region, const QBrush& brush, int rop2) {
    // Rectangle by rectangle: as one path, Qt's filler would sort all their edges on every row.
    if (!chargeRegion(region)) {
        return;
    }
    paint(QTransform(), region.boundingRect(), QPen(Qt::NoPen), brush, rop2,
          [&](QPainter& p) { p.drawRects(region.begin(), int(region.rectCount())); });
}

void DeviceContext::fillRegion(const QRegion& region, const Brush& brush) {
    paintPictureRegion(region, makeBrush(brush, QTransform()), state_.rop2);
}

void DeviceContext::frameRegion(const QRegion& region, const Brush& brush, QSizeF logicalSize) {
    const QTransform t = toPicture();
    const QPointF o = t.map(QPointF());
    const double w = QLineF(o, t.map(QPointF(logicalSize.width(), 0))).length();
    const double h = QLineF(o, t.map(QPointF(0, logicalSize.height()))).length();
    const int fw = std::isfinite(w) ? qRound(std::clamp(w, 1.0, 65536.0)) : 1;
    const int fh = std::isfinite(h) ? qRound(std::clamp(h, 1.0, 65536.0)) : 1;
    const QRegion inner = region & region.translated(fw, 0) & region.translated(-fw, 0) &
                          region.translated(0, fh) & region.translated(0, -fh);
    paintPictureRegion(region - inner, makeBrush(brush, QTransform()), state_.rop2);
}

void DeviceContext::invertRegion(const QRegion& region) {
    paintPictureRegion(region, QBrush(Qt::black), R2Not);
}

// ---- paths ------------------------------------------------------------------------------------

void DeviceContext::beginPath() {
    path_ = QPainterPath();
    inPath_ = true;
    pathWidened_ = false;
}

void DeviceContext::abortPath() {
    path_ = QPainterPath();
    inPath_ = false;
}

void DeviceContext::closeFigure() {
    if (inPath_) {
        path_.closeSubpath();
    }
}

void DeviceContext::paintPath(bool fill, bool stroke) {
    QPainterPath path = std::exchange(path_, QPainterPath());
    inPath_ = false;
    path.setFillRule(pathWidened_ ? Qt::WindingFill : state_.fillRule);
    paint(
        QTransform(), path.controlPointRect(),
        stroke ? makePen(toPicture(), true) : QPen(Qt::NoPen),
        fill ? makeBrush(state_.brush, QTransform()) : QBrush(), state_.rop2,
        [&](QPainter& p) { p.drawPath(path); }, &path);
}

void DeviceContext::widenPath() {
    const QPen pen = makePen(toPicture(), true);
    if (pen.style() == Qt::NoPen || !charge(path_.controlPointRect())) {
        return;
    }
    budget_ -= path_.elementCount() * RectCost;
    if (exhausted() || path_.elementCount() > MaxWidenElements / 16) {
        return;
    }
    QPainterPathStroker stroker(pen);
    stroker.setWidth(std::max(1.0, pen.widthF()));
    QPainterPath wide = stroker.createStroke(path_);
    budget_ -= wide.elementCount() * RectCost;
    if (wide.elementCount() > MaxWidenElements) {
        return;
    }
    path_ = std::move(wide);
    pathWidened_ = true;
}

void DeviceContext::selectClipPath(int mode) {
    const QPainterPath path = std::exchange(path_, QPainterPath());
    inPath_ = false;
    combineClip(pathToRegion(path, state_.fillRule), mode);
}

} // namespace gdi
