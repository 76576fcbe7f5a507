// How every shape is painted: pens and brushes made from the file's, raster operations, and
// the budget asked before any pixel is touched. Between beginPath and endPath shapes are
// recorded instead.

#include "input/metafile/DeviceContext.h"

#include "input/metafile/DcSupport.h"

#include <algorithm>
#include <cmath>

namespace gdi {

QPen DeviceContext::makePen(const QTransform& t, bool pictureSpace) const {
    const Pen& pen = m_state.pen;
    if (pen.style == PsNull) {
        return QPen(Qt::NoPen);
    }
    const double scale = usable(t) ? lengthScale(t) : 1;
    const double logicalWidth = std::abs(pen.width);
    const double pictureWidth = std::min(logicalWidth * scale, WorkBudget::MaxCoordinate);
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
    p.setMiterLimit(m_state.miterLimit);
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
                pattern.setColor(0, m_state.textColor.rgb());
                pattern.setColor(1, m_state.bkColor.rgb());
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
        b.setTransform(QTransform::fromTranslate(m_state.brushOrigin.x(), m_state.brushOrigin.y()) *
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
    if (m_measuring) {
        charge(reach); // the shape's own extent, without the margin the budget allows for
        return;
    }
    if (!charge(reach.adjusted(-grow, -grow, grow, grow))) {
        return;
    }
    // Thin lines are drawn directly; fills and wide pens go through the polygon filler.
    if (outline != nullptr && (brush.style() != Qt::NoBrush || widePen) &&
        !m_budget.chargeEdges(*outline, t, widePen ? 2 * half * lengthScale(t) : 0)) {
        return;
    }
    applyClip();
    m_painter.setTransform(t);
    m_painter.setBackgroundMode(m_state.bkMode == BkOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.bkColor);

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
        m_painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        m_painter.setPen(p.style() == Qt::NoPen ? QPen(Qt::NoPen) : white);
        m_painter.setBrush(b.style() == Qt::NoBrush ? QBrush() : QBrush(Qt::white));
        draw(m_painter);
        m_painter.setCompositionMode(mode);
    }
    m_painter.setPen(p);
    m_painter.setBrush(b);
    draw(m_painter);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DeviceContext::shape(const QPainterPath& logical, bool fill, bool stroke) {
    const QTransform t = toPicture();
    if (!usable(t)) {
        return;
    }
    if (m_inPath) {
        m_path.addPath(t.map(logical));
        return;
    }
    QPainterPath path = logical;
    path.setFillRule(m_state.fillRule);
    paint(
        t, path.controlPointRect(), stroke ? makePen(t, false) : QPen(Qt::NoPen),
        fill ? makeBrush(m_state.brush, t) : QBrush(), m_state.rop2,
        [&](QPainter& p) { p.drawPath(path); }, &path);
}

// Lines that continue from the current position join the figure being recorded.
void DeviceContext::appendToFigure(const QPainterPath& logical) {
    const QTransform t = toPicture();
    if (!m_inPath) {
        shape(logical, false, true);
        return;
    }
    if (!usable(t)) {
        return;
    }
    const QPainterPath mapped = t.map(logical);
    if (m_path.elementCount() > 0 && mapped.elementCount() > 0 &&
        m_path.currentPosition() == QPointF(mapped.elementAt(0))) {
        m_path.connectPath(mapped);
    } else {
        m_path.addPath(mapped);
    }
}

} // namespace gdi
