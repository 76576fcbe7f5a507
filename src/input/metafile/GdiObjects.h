#pragma once
// The drawing objects a metafile creates, selects and deletes, and the table that holds them.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QVector>
#include <optional>
#include <variant>
#include <vector>

namespace gdi {

// Numeric values the files carry.
enum MapMode {
    MmText = 1,
    MmLoMetric,
    MmHiMetric,
    MmLoEnglish,
    MmHiEnglish,
    MmTwips,
    MmIsotropic,
    MmAnisotropic
};
enum PenStyle {
    PsSolid = 0,
    PsDash,
    PsDot,
    PsDashDot,
    PsDashDotDot,
    PsNull,
    PsInsideFrame,
    PsUserStyle,
    PsAlternate
};
enum BrushStyle {
    BsSolid = 0,
    BsNull,
    BsHatched,
    BsPattern,
    BsIndexed,
    BsDibPattern,
    BsDibPatternPt
};
enum Rop2 {
    R2Black = 1,
    R2NotMergePen,
    R2MaskNotPen,
    R2NotCopyPen,
    R2MaskPenNot,
    R2Not,
    R2XorPen,
    R2NotMaskPen,
    R2MaskPen,
    R2NotXorPen,
    R2Nop,
    R2MergeNotPen,
    R2CopyPen,
    R2MergePenNot,
    R2MergePen,
    R2White
};
enum RegionMode { RgnAnd = 1, RgnOr, RgnXor, RgnDiff, RgnCopy };
enum TextAlign : quint32 {
    TaUpdateCp = 1,
    TaRight = 2,
    TaCenter = 6,
    TaBottom = 8,
    TaBaseline = 24
};
enum TextOption : quint32 { EtoOpaque = 2, EtoClipped = 4, EtoGlyphIndex = 0x10, EtoPdy = 0x2000 };
constexpr int BkTransparent = 1;
constexpr int BkOpaque = 2;
constexpr int StretchHalftone = 4;

// A COLORREF: 0x00bbggrr. Palette-relative forms (high byte 1 or 2) keep their RGB part.
inline QColor colorRef(quint32 v) {
    return QColor(int(v & 0xff), int((v >> 8) & 0xff), int((v >> 16) & 0xff));
}

struct Pen {
    int style = PsSolid; // low bits of the style word
    quint32 flags = 0;   // end cap, join and geometric bits of the style word
    double width = 0;    // logical units; 0 draws one pixel
    QColor color = Qt::black;
    QVector<double> dashes; // user style, in logical units
};

struct Brush {
    int style = BsSolid;
    QColor color = Qt::white;
    int hatch = 0;
    QImage pattern;          // BsPattern / BsDibPattern
    bool monochrome = false; // pattern colours come from the text and background colours
};

struct Font {
    int height = 0; // logical units; negative is the em height, positive the cell height
    int width = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
};

// A WMF region: rectangles in logical units.
struct Region {
    QVector<QRectF> rects;
};

// Palettes and colour spaces only hold a slot; we draw in true colour.
struct Placeholder {};

using Object = std::variant<Placeholder, Pen, Brush, Font, Region>;

// Stock objects of an EMF (index with the high bit set).
std::optional<Object> stockObject(quint32 index);

class ObjectTable {
public:
    explicit ObjectTable(int capacity) : m_capacity(capacity) {}

    // WMF: the object goes in the lowest free slot. Returns false when the table is full.
    bool addToFreeSlot(Object object);
    // EMF: the record names the slot.
    bool put(quint32 index, Object object);
    const Object* get(quint32 index) const;
    void remove(quint32 index);

private:
    std::vector<std::optional<Object>> m_slots;
    size_t m_firstFree = 0;
    int m_capacity;
};

} // namespace gdi
