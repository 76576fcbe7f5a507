#pragma once
// The files a list is saved as: a GIMP palette (which GIMP, Inkscape and Krita read), CSS custom
// properties, JSON and CSV here; the palette files of other programs (Adobe swatch exchange,
// Photoshop swatches, Krita palettes, LibreOffice colour tables, Scribus colour lists and hex
// lists) in SwatchFormats.h. Each writer takes the rows top first and returns the file's bytes.

#include "list/Pick.h"
#include "pixels/WebCode.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

enum class ListFormat { GimpPalette, Css, Json, Csv, Ase, Aco, Kpl, Soc, Scribus, Hex };

struct ListFormatInfo {
    ListFormat format;
    const char* extension; // without the dot
    const char* filterName;
    bool readable; // Open List reads it back
};
// In the order the save dialog offers them.
extern const ListFormatInfo kListFormats[10];

// The format a file name's extension names (in any case), or the fallback when it names none.
ListFormat FormatOfPath(const QString& path, ListFormat fallback);
// The path with the format's extension added, unless it already ends in one of the formats'.
QString PathWithExtension(const QString& path, ListFormat format);

QByteArray WriteList(ListFormat format, const QList<Pick>& rows, const QString& title);

// GIMP palette: the header with the title as the palette's name, then "R G B<tab>name" lines.
QByteArray WriteGimpPalette(const QList<Pick>& rows, const QString& title);
// A colour's palette line: "R G B", each right-aligned in three places, a tab, the name.
QString PaletteLine(const Pick& pick);
// A colour's name in a palette line: the description on one line, trimmed; the web code when
// that leaves nothing.
QString PaletteName(const Pick& pick);

// CSS: ":root {", one "--name: #rrggbb;" per row, "}".
QByteArray WriteCss(const QList<Pick>& rows);
// The custom property names of the rows, without their leading "--": each description made an
// identifier (lowercase, runs of other characters one hyphen), the web code's digits when that
// leaves nothing, and "-2", "-3"... on a name taken before.
QStringList CssPropertyNames(const QList<Pick>& rows);

// JSON: an array of {"web", "r", "g", "b", "name", "description"} objects ("name" the nearest
// CSS colour name, "≈ " before it when not exact), one a line, UTF-8; a pick whose provenance is
// known has an "origin" object too: "source", "x", "y" and "radius" (the pixel and the square
// averaged), "area" ({"x", "y", "width", "height"}, for an area's mean or palette), "profile" and
// "intent" (the colour profile the picture was shown through), "stored" ({"bits", "values",
// "space"}, the value as the file stores it) and "srgb" (the exact sRGB value, unclipped), with
// "clipped" and "clippingDeltaE2000" written from it.
QByteArray WriteJson(const QList<Pick>& rows);

// CSV as RFC 4180 has it: the list's column titles and the provenance's (Source, X, Y, Radius,
// Area as "x y width height", Profile), then a line per row, CRLF line ends, fields
// quoted where they hold a comma, a quote, a line break or outer blanks. A description that a
// spreadsheet would run as a formula (it starts with =, +, -, @, a tab or a carriage return) is
// written with an apostrophe in front, quoted.
QByteArray WriteCsv(const QList<Pick>& rows);
