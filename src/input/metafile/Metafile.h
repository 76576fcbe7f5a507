#pragma once
// Windows metafiles (WMF, placeable or plain, and EMF) drawn to pixels by our own renderer.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// Whether the bytes start like a WMF (placeable or plain) or an EMF file.
bool LooksLikeMetafile(const QByteArray& data);

// The most pixels a drawing is given: 256 MiB of them.
constexpr qint64 kMaxMetafilePixels = qint64(64) << 20;

// Draws the metafile at its natural size for a screen of the given logical DPI. A drawing
// larger than maxPixels (or 20000 pixels a side) is drawn at the largest size within that,
// keeping its aspect: a vector picture has no pixel size of its own. Returns nothing, with a
// description in *error when given, if the file is no metafile or cannot be drawn at all. A file
// damaged part-way draws up to the bad record. The result is Format_ARGB32_Premultiplied: what
// the file does not paint stays transparent.
std::optional<QImage> RenderMetafile(const QByteArray& data, double dpi, QString* error = nullptr,
                                     qint64 maxPixels = kMaxMetafilePixels);
