#pragma once
// What playing one metafile may cost. A few bytes of records can ask for far more work than any
// real picture needs: clips of millions of rectangles, bitmaps of billions of run-length pixels,
// polygons whose edges all cross every row, wide pens that a stretched mapping spreads over the
// whole picture. The device context asks here before each such piece of work, in units of about
// one pixel filled. Work the budget cannot pay for is left out; once it is spent, playback ends
// and the picture keeps what was drawn. Requests beyond the fixed caps are left out as well, or
// end playback where leaving them out would change everything drawn after them.

#include <QPainterPath>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <QTransform>
#include <cstddef>

namespace gdi {

class WorkBudget {
public:
    // Picture coordinates beyond this belong to damaged data; such shapes are left out.
    static constexpr double MaxCoordinate = 1 << 24;
    // Characters of one text run that are drawn; longer runs reach far beyond any picture.
    static constexpr qsizetype MaxTextRun = 1 << 14;
    // Saved states kept; saves beyond are only counted, so that restores still match them.
    static constexpr size_t MaxSavedStates = 4096;
    // Clips of more rectangles than this are far beyond real pictures, and Qt's painter copes
    // badly with them; playback ends there.
    static constexpr int MaxClipRects = 1 << 16;
    // What all saved states may hold together.
    static constexpr qint64 MaxSavedClipRects = 1 << 20;
    // Combining two regions can multiply their rectangles; larger estimates are not attempted.
    static constexpr qint64 MaxCombinedRects = 1 << 22;
    // Each widening multiplies a path's elements, so repeated ones would grow without end.
    static constexpr int MaxWidenElements = 1 << 20;
    // Bitmap pixels decoded per file, and those kept in pattern brushes.
    static constexpr qint64 MaxDecodedPixels = qint64(1) << 28;
    static constexpr qint64 MaxPatternPixels = qint64(1) << 20;
    static constexpr qint64 MaxPatternTotal = qint64(1) << 24;

    // What each piece of work costs beyond the pixels it fills: any drawing at all, one
    // rectangle of a region or element of a path, and one character laid out.
    static constexpr qint64 DrawCost = 16;
    static constexpr qint64 RectCost = 16;
    static constexpr qint64 CharCost = 256;

    // Enough to fill a picture of this size 64 times over, within 2^26 and 2^31 units.
    explicit WorkBudget(QSize picture);

    // Once spent, it stays spent: playback ends.
    bool exhausted() const { return m_left < 0; }
    void stop() { m_left = -1; }
    // Drawing nothing, as when a file's extent is measured, costs only the playing of records.
    void waive();

    // Whether an area in picture pixels can belong to an undamaged file at all.
    static bool plausible(const QRectF& area);
    // A drawing that reaches this area of the picture: its pixels on the picture.
    bool chargeArea(const QRectF& area);
    // Qt fills a shape row by row, sorting the edges that cross each row, so shapes whose edges
    // pile onto the same rows cost far more than their area. t maps the path onto the picture;
    // extraRows is how far a wide pen reaches beyond each edge, up and down together. False,
    // charging only the path's points, when the budget cannot pay for it.
    bool chargeEdges(const QPainterPath& path, const QTransform& t, double extraRows);
    // A region about to be clipped to or painted; beyond MaxClipRects it ends playback.
    bool chargeRegion(const QRegion& region);
    // Rectangles or path elements about to be handled one by one.
    bool chargeRects(qint64 count);
    // Combining a clip with a region: their rectangles, and playback ends when the result
    // could be beyond MaxCombinedRects.
    bool chargeCombining(const QRegion& a, const QRegion& b);
    // Uniting two regions: playback ends when the result could be beyond MaxCombinedRects.
    bool allowsUnion(const QRegion& a, const QRegion& b);
    // A bitmap about to be decoded (a pattern brush's when pattern is set). False when the
    // budget or the file's share of decoded pixels cannot pay for it: it is then left out.
    bool chargeDecode(qint64 pixels, bool pattern);
    // A text run of this many UTF-16 units about to be laid out.
    bool chargeText(qsizetype chars);
    // A path of this many elements about to be widened, and the widened result: false when the
    // path is left as it was.
    bool chargeWidening(qint64 elements);
    bool chargeWidened(qint64 elements);
    // A state about to be saved with a clip of this many rectangles: false ends playback.
    // Restoring gives the rectangles back.
    bool chargeSavedClip(qint64 rects);
    void releaseSavedClip(qint64 rects) { m_savedClipRects -= rects; }

private:
    QSize m_picture;
    qint64 m_left;
    qint64 m_decoded = 0;        // bitmap pixels decoded so far
    qint64 m_patterns = 0;       // of those, the ones kept in pattern brushes
    qint64 m_savedClipRects = 0; // rectangles of the clips all saved states hold
};

} // namespace gdi
