#pragma once
// The drawing state both metafile players drive: coordinate mapping, selected objects, colours,
// modes, clipping, the saved-state stack and the path under construction. It draws with QPainter
// onto the picture, without anti-aliasing, so every filled area has exactly the colour the file
// names.

#include "input/metafile/GdiObjects.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRegion>
#include <QTransform>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace gdi {

struct DcState {
    int mapMode = MmText;
    QPointF windowOrg;
    QPointF viewportOrg;
    QSizeF windowExt{1, 1};
    QSizeF viewportExt{1, 1};
    QTransform world;

    Pen pen;
    Brush brush;
    Font font;

    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = BkOpaque;
    quint32 textAlign = 0;
    int charExtra = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    int rop2 = R2CopyPen;
    bool clockwise = false;
    int stretchMode = 0;
    double miterLimit = 10;
    QPointF brushOrigin; // picture pixels
    QPointF position;    // logical units

    std::optional<QRegion> clip; // picture pixels; none: the whole picture
};

// Characters of one text run that are drawn; longer runs reach far beyond any picture.
constexpr qsizetype MaxTextRun = 1 << 14;

struct TextRun {
    QPointF reference; // logical units
    QString text;
    QVector<double> dx; // advance per UTF-16 unit, logical units; may be short or empty
    QVector<double> dy; // with EtoPdy
    quint32 options = 0;
    QRectF rect; // opaque / clip rectangle, logical units
    bool glyphIndices = false;
};

struct GradientVertex {
    QPointF position; // logical units
    QColor color;
};

class DeviceContext {
public:
    // deviceToPicture maps the file's device units onto the picture; devicePixelsPerMm gives the
    // fixed map modes their scale. workBudget bounds the pixels all drawing may touch.
    DeviceContext(QImage picture, const QTransform& deviceToPicture, QSizeF devicePixelsPerMm,
                  qint64 workBudget);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    DcState& state() { return state_; }
    const DcState& state() const { return state_; }
    // Drawing stops for good once the work budget is spent.
    bool exhausted() const { return budget_ < 0; }
    // Charges a bitmap about to be decoded (a pattern brush's when pattern is set). False when
    // the budget or the file's share of decoded pixels cannot pay for it: it is then left out.
    bool chargeDecode(qint64 pixels, bool pattern);
    QImage takePicture();
    // From now on nothing is drawn: the picture area each drawing would reach is added to
    // measured() instead, so a file's extent can be found by playing it.
    void measureOnly();
    const QRectF& measured() const { return measured_; }

    // Coordinate spaces.
    void setMapMode(int mode);
    void setWindowExt(QSizeF ext);
    void setViewportExt(QSizeF ext);
    void scaleWindowExt(double xNum, double xDenom, double yNum, double yDenom);
    void scaleViewportExt(double xNum, double xDenom, double yNum, double yDenom);
    bool setWorldTransform(const QTransform& t);
    void modifyWorldTransform(const QTransform& t, int mode);
    QTransform toPicture() const;
    const QTransform& deviceToPicture() const { return deviceToPicture_; }

    void saveState();
    void restoreState(int which);
    void select(const Object& object);

    // Clipping. Rectangles are in logical units; regions are lists of rectangles in the space
    // the given transform maps onto the picture.
    void intersectClipRect(const QRectF& rect);
    void excludeClipRect(const QRectF& rect);
    void offsetClip(QPointF logicalOffset);
    void resetClip();
    void combineClip(const QRegion& pictureRegion, int mode);
    QRegion regionToPicture(const QVector<QRectF>& rects, const QTransform& map);

    // Drawing, in logical units.
    void moveTo(QPointF p);
    void lineTo(QPointF p);
    void polyline(const QPolygonF& points);
    void polylineTo(const QPolygonF& points);
    void polygon(const QPolygonF& points);
    void polyPolygon(const QVector<QPolygonF>& polygons);
    void polyPolyline(const QVector<QPolygonF>& polylines);
    void polyBezier(const QPolygonF& points);
    void polyBezierTo(const QPolygonF& points);
    void polyDraw(const QPolygonF& points, QByteArrayView types);
    void rectangle(const QRectF& box);
    void roundRect(const QRectF& box, QSizeF corner);
    void ellipse(const QRectF& box);
    enum class ArcKind { Arc, ArcTo, Chord, Pie };
    void arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end);
    void angleArc(QPointF center, double radius, double startDegrees, double sweepDegrees);
    void setPixel(QPointF p, const QColor& color);
    void text(const TextRun& run);

    // Bitmaps: source is in bitmap pixels (rows top-down); rop is a ternary raster operation.
    // Opacity is AlphaBlend's constant alpha.
    void drawBitmap(const QRectF& dest, const QImage& image, const QRectF& source, quint32 rop,
                    double opacity = 1);
    void patBlt(const QRectF& dest, quint32 rop);
    void gradientRects(const QVector<GradientVertex>& vertices,
                       const QVector<std::array<quint32, 2>>& rects, bool vertical);
    void gradientTriangles(const QVector<GradientVertex>& vertices,
                           const QVector<std::array<quint32, 3>>& triangles);

    // Regions, already in picture pixels.
    void fillRegion(const QRegion& region, const Brush& brush);
    void frameRegion(const QRegion& region, const Brush& brush, QSizeF logicalSize);
    void invertRegion(const QRegion& region);

    // Paths, recorded in picture pixels between beginPath and endPath.
    void beginPath();
    void endPath() { inPath_ = false; }
    void abortPath();
    void closeFigure();
    void fillPath() { paintPath(true, false); }
    void strokePath() { paintPath(false, true); }
    void strokeAndFillPath() { paintPath(true, true); }
    void widenPath();
    void selectClipPath(int mode);

private:
    using Draw = std::function<void(QPainter&)>;
    void shape(const QPainterPath& logical, bool fill, bool stroke);
    void appendToFigure(const QPainterPath& logicalContinuation);
    // outline, when given, is what the draw fills or strokes, in the same space as the bounds.
    void paint(const QTransform& t, const QRectF& logicalBounds, const QPen& pen,
               const QBrush& brush, int rop2, const Draw& draw,
               const QPainterPath* outline = nullptr);
    void paintPath(bool fill, bool stroke);
    void paintPictureRegion(const QRegion& region, const QBrush& brush, int rop2);
    QPen makePen(const QTransform& t, bool pictureSpace) const;
    QBrush makeBrush(const Brush& brush, const QTransform& t) const;
    QPainterPath arcPath(ArcKind kind, const QRectF& box, QPointF start, QPointF end) const;
    QRegion pathToRegion(const QPainterPath& picturePath, Qt::FillRule rule);
    bool charge(const QRectF& pictureArea);
    bool chargeEdges(const QPainterPath& path, const QTransform& t, double extraRows);
    bool chargeRegion(const QRegion& region);
    void setClip(const QRegion& region);
    void stop() { budget_ = -1; }
    void applyClip();
    bool mirrored() const;

    QImage picture_;
    QPainter painter_;
    QTransform deviceToPicture_;
    QSizeF devicePixelsPerMm_;
    qint64 budget_;
    qint64 decoded_ = 0;  // bitmap pixels decoded so far
    qint64 patterns_ = 0; // of those, the ones kept in pattern brushes

    DcState state_;
    std::vector<DcState> saved_;
    int unsavedDepth_ = 0; // saves beyond the stack limit, matched by restores
    qint64 savedClipRects_ = 0;
    bool clipDirty_ = true;

    bool measuring_ = false;
    QRectF measured_; // picture pixels

    bool inPath_ = false;
    bool pathWidened_ = false;
    QPainterPath path_; // picture pixels
};

} // namespace gdi
