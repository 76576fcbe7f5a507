#pragma once
// The drawing state both metafile players drive: coordinate mapping, selected objects, colours,
// modes, clipping, the saved-state stack and the path under construction. It draws with QPainter
// onto the picture, without anti-aliasing, so every filled area has exactly the colour the file
// names, and asks its work budget before every piece of work a file could make huge.
//
// One file per section: DeviceContext.cpp (coordinate spaces, saved states, selection),
// DcClipping.cpp, DcPainting.cpp (pens, brushes, raster operations), DcDrawing.cpp (lines and
// shapes), DcText.cpp, DcBitmaps.cpp (bitmaps, gradients, regions) and DcPaths.cpp.

#include "input/metafile/GdiObjects.h"
#include "input/metafile/WorkBudget.h"

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
    // fixed map modes their scale. The picture's size sets the work budget.
    DeviceContext(QImage picture, const QTransform& deviceToPicture, QSizeF devicePixelsPerMm);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    DcState& state() { return m_state; }
    const DcState& state() const { return m_state; }
    // Drawing stops for good once it is exhausted; the players charge bitmaps to it before they
    // decode them.
    WorkBudget& budget() { return m_budget; }
    QImage takePicture();
    // From now on nothing is drawn: the picture area each drawing would reach is added to
    // measured() instead, so a file's extent can be found by playing it.
    void measureOnly();
    const QRectF& measured() const { return m_measured; }

    // Coordinate spaces.
    void setMapMode(int mode);
    void setWindowExt(QSizeF ext);
    void setViewportExt(QSizeF ext);
    void scaleWindowExt(double xNum, double xDenom, double yNum, double yDenom);
    void scaleViewportExt(double xNum, double xDenom, double yNum, double yDenom);
    bool setWorldTransform(const QTransform& t);
    void modifyWorldTransform(const QTransform& t, int mode);
    QTransform toPicture() const;
    const QTransform& deviceToPicture() const { return m_deviceToPicture; }

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
    void endPath() { m_inPath = false; }
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
    // Charges a drawing that reaches this picture area; while measuring, the area is measured
    // instead and nothing drawn.
    bool charge(const QRectF& pictureArea);
    void setClip(const QRegion& region);
    void applyClip();
    bool mirrored() const;

    QImage m_picture;
    QPainter m_painter;
    QTransform m_deviceToPicture;
    QSizeF m_devicePixelsPerMm;
    WorkBudget m_budget;

    DcState m_state;
    std::vector<DcState> m_saved;
    int m_unsavedDepth = 0; // saves beyond the stack limit, matched by restores
    bool m_clipDirty = true;

    bool m_measuring = false;
    QRectF m_measured; // picture pixels

    bool m_inPath = false;
    bool m_pathWidened = false;
    QPainterPath m_path; // picture pixels
};

} // namespace gdi
