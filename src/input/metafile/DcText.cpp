// Text runs: a font made from the file's, alignment, spacing per character and the opaque box.

#include "input/metafile/DeviceContext.h"

#include "input/metafile/DcSupport.h"

#include <QFontMetricsF>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gdi {

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
    const QString chars = run.text.left(WorkBudget::MaxTextRun);
    if (!m_budget.chargeText(chars.size()) || !usable(t)) {
        return;
    }
    const bool updatePosition = m_state.textAlign & TaUpdateCp;
    const QPointF reference = updatePosition ? m_state.position : run.reference;
    const QRectF box = run.rect.normalized();
    if ((run.options & EtoOpaque) && !box.isEmpty()) {
        paint(t, box, QPen(Qt::NoPen), QBrush(m_state.bkColor), R2CopyPen,
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
    const std::optional<QFont> font = makeFont(m_state.font, sx, sy);
    if (!font) {
        return;
    }
    const QFontMetricsF fm(*font);

    // Pen positions in the text's own frame: x along the baseline, y downwards.
    const bool whole = run.dx.isEmpty() && run.dy.isEmpty() && m_state.charExtra == 0;
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
                                   : fm.horizontalAdvance(chars[i]) + m_state.charExtra * sx;
            if (i < run.dy.size()) {
                y += run.dy[i] * sy * ySign;
            }
        }
    }
    const double width = x;
    double x0 = 0;
    if ((m_state.textAlign & TaCenter) == TaCenter) {
        x0 = -width / 2;
    } else if (m_state.textAlign & TaRight) {
        x0 = -width;
    }
    double y0 = fm.ascent();
    if ((m_state.textAlign & TaBaseline) == TaBaseline) {
        y0 = 0;
    } else if (m_state.textAlign & TaBottom) {
        y0 = -fm.descent();
    }
    const double angle =
        qRadiansToDegrees(std::atan2(ux.y(), ux.x())) - m_state.font.escapement / 10.0;
    const QTransform frame =
        QTransform().rotate(angle) * QTransform::fromTranslate(origin.x(), origin.y());
    const QRectF cell(x0, y0 - fm.ascent(), width, fm.height());
    if (m_state.bkMode == BkOpaque) {
        paint(frame, cell, QPen(Qt::NoPen), QBrush(m_state.bkColor), R2CopyPen,
              [&](QPainter& p) { p.fillRect(cell, p.brush()); });
    }
    if (!charge(frame.mapRect(cell))) {
        return;
    }
    applyClip();
    if ((run.options & EtoClipped) && !box.isEmpty()) {
        m_painter.setTransform(t);
        m_painter.setClipRect(box, m_state.clip ? Qt::IntersectClip : Qt::ReplaceClip);
        m_clipDirty = true;
    }
    m_painter.setTransform(frame);
    // Qt caches every glyph it draws as a bitmap; large text goes as outlines instead, so a
    // huge font cannot make that cache huge.
    const bool outlines = font->pixelSize() > 128;
    QPainterPath outline;
    auto draw = [&](QPointF at, const QString& chunk) {
        if (outlines) {
            outline.addText(at, *font, chunk);
        } else {
            m_painter.drawText(at, chunk);
        }
    };
    m_painter.setFont(*font);
    m_painter.setPen(m_state.textColor);
    m_painter.setBackgroundMode(Qt::TransparentMode);
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
        m_painter.fillPath(outline, m_state.textColor);
    }
    if (updatePosition && sx > 0) {
        m_state.position = reference + QPointF(width / sx, 0);
    }
}

} // namespace gdi
