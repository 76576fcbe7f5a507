// SVG drawings. A drawing is drawn only from what the file holds: references to anything outside
// it (a picture file, another document, a style sheet) are taken out before Qt's renderer sees
// the text, and the pictures it embeds are counted against the one pixel limit. What the drawing
// would cost to draw is measured first, by drawing it once onto a device that only adds up the
// pixels each shape reaches; a drawing beyond the budget is refused before a pixel is filled.

#include "input/ModernDecoders.h"
#include "input/metafile/WorkBudget.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>

namespace {

// message: one of the "Out of memory: the SVG drawing ..." texts.
[[noreturn]] void ThrowTooMuch(const char* message) {
    throw PlatformError(kErrOutOfMemory, QCoreApplication::translate("LoadPicture", message));
}

// The pixels a picture embedded as a data URI will take once decoded; -1 when its header does not
// tell (such a picture is left out).
qint64 EmbeddedPixels(QStringView uri) {
    const qsizetype comma = uri.indexOf(u',');
    if (comma < 0) {
        return -1;
    }
    const QByteArray payload = uri.mid(comma + 1).toLatin1();
    const QByteArray bytes = uri.left(comma).endsWith(u";base64", Qt::CaseInsensitive)
                                 ? QByteArray::fromBase64(payload)
                                 : QByteArray::fromPercentEncoding(payload);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer).size();
    return size.isValid() ? qint64(size.width()) * size.height() : -1;
}

bool IsHref(const QXmlStreamAttribute& a) {
    return a.name() == u"href";
}

// The text of an SVG drawing with every reference outside it taken out: an href that names no
// part of the same document, except a picture's data URI; style sheets' imports; processing
// instructions and the document type (whose entities the reader has already put in place).
// Throws when the embedded pictures together are beyond the pixel limit.
QByteArray SelfContained(const QByteArray& data) {
    QXmlStreamReader reader(data);
    QByteArray out;
    QXmlStreamWriter writer(&out);
    qint64 embeddedPixels = 0;
    int styleDepth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const bool image = reader.name() == u"image";
            QXmlStreamAttributes kept;
            bool dropped = false;
            for (const QXmlStreamAttribute& a : reader.attributes()) {
                const QStringView value = a.value().trimmed();
                bool keep = !IsHref(a) || value.startsWith(u'#');
                if (IsHref(a) && image && value.startsWith(u"data:", Qt::CaseInsensitive)) {
                    const qint64 pixels = EmbeddedPixels(value);
                    keep = pixels >= 0;
                    embeddedPixels += std::max<qint64>(pixels, 0);
                    if (embeddedPixels > MaxPictureBytes() / 4) {
                        ThrowTooMuch(QT_TRANSLATE_NOOP(
                            "LoadPicture",
                            "Out of memory: the SVG drawing embeds pictures too large to open."));
                    }
                }
                if (keep) {
                    kept.append(a);
                } else {
                    dropped = true;
                }
            }
            if (image && dropped) { // a picture from elsewhere: nothing of it is drawn
                reader.skipCurrentElement();
                break;
            }
            if (!dropped) {
                writer.writeCurrentToken(reader);
            } else {
                writer.writeStartElement(reader.namespaceUri().toString(),
                                         reader.name().toString());
                for (const QXmlStreamNamespaceDeclaration& ns : reader.namespaceDeclarations()) {
                    writer.writeNamespace(ns.namespaceUri().toString(), ns.prefix().toString());
                }
                writer.writeAttributes(kept);
            }
            styleDepth += reader.name() == u"style" || styleDepth > 0 ? 1 : 0;
            break;
        }
        case QXmlStreamReader::EndElement:
            styleDepth = std::max(0, styleDepth - 1);
            writer.writeCurrentToken(reader);
            break;
        case QXmlStreamReader::Characters:
            // A style sheet that imports another is left out whole.
            if (styleDepth == 0 || !reader.text().contains(u"@import", Qt::CaseInsensitive)) {
                writer.writeCurrentToken(reader);
            }
            break;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference: // one the reader could not put in place
            break;
        default:
            writer.writeCurrentToken(reader);
            break;
        }
    }
    if (reader.hasError()) {
        ThrowDamaged(QStringLiteral("SVG"), reader.errorString().simplified());
    }
    return out;
}

// Only text that cannot reach outside the document is passed on as it is: every reference
// outside (a style-sheet instruction's too) is an href, an import, or spelled by an entity.
bool MayReachOutside(const QByteArray& data) {
    return data.contains("href") || data.contains("<!ENTITY") || data.contains("@import");
}

// A paint engine that fills nothing: it charges each shape the pixels it reaches.
class WorkCounter final : public QPaintEngine {
public:
    explicit WorkCounter(gdi::WorkBudget& budget) : QPaintEngine(AllFeatures), m_budget(budget) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyTransform) {
            m_transform = state.transform();
        }
        if (state.state() & DirtyPen) {
            const QPen pen = state.pen();
            m_reach = pen.style() == Qt::NoPen ? 0.0 : std::max(1.0, pen.widthF()) / 2;
        }
    }

    void drawPath(const QPainterPath& path) override {
        if (charge(path.boundingRect())) {
            m_budget.chargeEdges(path, m_transform, 2 * m_reach * Stretch(m_transform));
        }
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        drawPath(path);
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            charge(rects[i]);
        }
    }
    void drawEllipse(const QRectF& rect) override { charge(rect); }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            charge(QRectF(lines[i].p1(), lines[i].p2()).normalized());
        }
    }
    void drawPoints(const QPointF* points, int count) override {
        for (int i = 0; i < count; ++i) {
            charge(QRectF(points[i], QSizeF()));
        }
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { charge(r); }
    void drawImage(const QRectF& r, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {
        charge(r);
    }
    void drawTiledPixmap(const QRectF& r, const QPixmap&, const QPointF&) override { charge(r); }

private:
    static double Stretch(const QTransform& t) {
        return std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    }
    bool charge(const QRectF& shape) {
        const double m = m_reach;
        const QRectF area = m_transform.mapRect(shape.adjusted(-m, -m, m, m));
        return gdi::WorkBudget::plausible(area) ? m_budget.chargeArea(area)
                                                : m_budget.chargeArea(QRectF(-1e9, -1e9, 2e9, 2e9));
    }

    gdi::WorkBudget& m_budget;
    QTransform m_transform;
    double m_reach = 0.5;
};

class WorkCountingDevice final : public QPaintDevice {
public:
    WorkCountingDevice(QSize size, gdi::WorkBudget& budget) : m_size(size), m_engine(budget) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return qRound(m_size.width() * 25.4 / 96);
        case PdmHeightMM:
            return qRound(m_size.height() * 25.4 / 96);
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize m_size;
    mutable WorkCounter m_engine;
};

} // namespace

QImage DecodeSvg(const QByteArray& data) {
    if (data.size() > kMaxSvgBytes) {
        ThrowTooMuch(QT_TRANSLATE_NOOP("LoadPicture",
                                       "Out of memory: the SVG drawing is too large to open."));
    }
    QSvgRenderer renderer(MayReachOutside(data) ? SelfContained(data) : data);
    if (!renderer.isValid()) {
        ThrowDamaged(QStringLiteral("SVG"),
                     QCoreApplication::translate("LoadPicture", "no drawing could be read"));
    }
    // Qt sizes a drawing that states no size by what it draws; one that draws nothing yet has
    // the size the web gives such pictures.
    QSizeF size = renderer.defaultSize();
    if (!size.isValid() || size.isEmpty()) {
        size = QSizeF(300, 150);
    }
    // Within the pixel limit, keeping its shape; no side beyond what a picture may have.
    const double pixels = double(MaxPictureBytes() / 4);
    double scale = std::min(1.0, std::sqrt(pixels / (size.width() * size.height())));
    scale = std::min({scale, 32767.0 / size.width(), 32767.0 / size.height()});
    const QSize drawn(std::max(1, int(std::floor(size.width() * scale))),
                      std::max(1, int(std::floor(size.height() * scale))));
    CheckPictureSize(drawn.width(), drawn.height());

    gdi::WorkBudget budget(drawn);
    {
        WorkCountingDevice counter(drawn, budget);
        QPainter painter(&counter);
        renderer.render(&painter);
    }
    if (budget.exhausted()) {
        ThrowTooMuch(QT_TRANSLATE_NOOP(
            "LoadPicture",
            "Out of memory: the SVG drawing asks for more drawing than a picture may take."));
    }

    QImage image = NewPicture(drawn, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        ThrowNoMemory(drawn.width(), drawn.height());
    }
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}
