#pragma once
// What the device context's files share: checks of the mappings a file sets up, and the raster
// operations Qt has for GDI's binary ones.

#include "input/metafile/GdiObjects.h"

#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <cmath>

namespace gdi {

inline bool finite(const QTransform& t) {
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m13()) &&
           std::isfinite(t.m21()) && std::isfinite(t.m22()) && std::isfinite(t.m23()) &&
           std::isfinite(t.m31()) && std::isfinite(t.m32()) && std::isfinite(t.m33());
}

inline bool usable(const QTransform& t) {
    return finite(t) && std::abs(t.determinant()) > 1e-18;
}

inline bool finite(const QRectF& r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) &&
           std::isfinite(r.height());
}

// How much a transform scales lengths, on average.
inline double lengthScale(const QTransform& t) {
    return std::sqrt(std::abs(t.determinant()));
}

// How a binary raster operation combines pen or brush (source) with what is below. Black,
// white, copy and no-op need no combining and are handled before.
inline QPainter::CompositionMode rasterMode(int rop2) {
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

} // namespace gdi
