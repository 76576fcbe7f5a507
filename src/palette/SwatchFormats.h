#pragma once
// The palette files of other colour programs, both ways: Adobe's swatch exchange (.ase) and
// Photoshop's swatches (.aco), Krita's palettes (.kpl, a zip), LibreOffice's colour tables
// (.soc), Scribus' colour lists (XML) and plain hex lists (.hex). Each writer writes only what its
// reader takes back; each reader refuses a malformed file as a whole, with the line (text and XML)
// or the byte offset (binary files) where reading stopped.

#include "list/Pick.h"
#include "palette/ListReaders.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A name read from a file as a pick's description: one that is its colour's own web code (what
// an empty description is written as) reads as an empty description.
QString DescriptionOfName(const QString& name, Color color);

// The colours other spaces name, as the nearest 8-bit sRGB colour. CIELAB with the D50 white (L 0
// to 100), as these files hold it: to XYZ, then Bradford-adapted to D65 and sRGB, encoded with the
// program's own sRGB curve (pixels/Perceptual). CMYK (0 to 1 of ink) without a profile, the naive
// way: (1 - c)(1 - k) and so on, which is only an approximation of any printed colour. HSB with the
// hue in degrees and the saturation and brightness from 0 to 1.
Color ColorOfLabD50(double l, double a, double b);
Color ColorOfCmyk(double c, double m, double y, double k);
Color ColorOfHsb(double hue, double saturation, double brightness);
// A value of 0 to 1 as a channel of 0 to 255, rounded to the nearest; beyond 0 to 1 clamped, NaN 0.
int ChannelOfFraction(double fraction);

// ---- Adobe swatch exchange --------------------------------------------------------------------
// "ASEF", version 1.0, one group named after the title holding an RGB entry per row (32-bit
// big-endian floats, the row's name in UTF-16BE).
QByteArray WriteAse(const QList<Pick>& rows, const QString& title);
// RGB, Lab and CMYK entries, inside groups or not, in the file's order; greyscale too. Group names
// are not kept: the list has no groups.
ListRead ReadAse(const QByteArray& bytes);

// ---- Photoshop swatches -----------------------------------------------------------------------
// Version 1 (the colours alone) followed by version 2 (the colours with their names), every
// entry in the RGB space at 16 bits (an 8-bit value v as v * 257).
QByteArray WriteAco(const QList<Pick>& rows);
// Version 1, or version 1 followed by version 2, whose names are then taken. RGB entries read
// exactly; HSB, CMYK, Lab and greyscale are converted (see the reader); other spaces are refused.
ListRead ReadAco(const QByteArray& bytes);

// ---- Krita palettes ---------------------------------------------------------------------------
// A zip holding "mimetype" (first, stored, uncompressed), "colorset.xml" and "profiles.xml". A
// pick whose stored value is in Display P3 is written as that value, in 32-bit floats, in a
// Display P3 profile that the zip holds (listed in profiles.xml and named by its description,
// "Display P3"). A pick keeps the name of its stored value's space, not the picture's profile
// itself, so the profile written is the space's as CSS defines it. Any other pick with an exact
// sRGB value is written at that precision (32-bit floats in Krita's built-in sRGB profile), every
// other at 8 bits.
QByteArray WriteKpl(const QList<Pick>& rows, const QString& title);
// Entries ungrouped and in groups, in the file's order, their RGB, Lab, CMYK or grey values;
// members stored or deflated, at most kMaxListFileBytes inflated in all. RGB values in a profile
// the zip holds are converted to sRGB through it, a floating-point entry's kept as its stored
// value (with the CSS space where it is one the writer writes); in any other profile they are
// taken as sRGB.
ListRead ReadKpl(const QByteArray& bytes);
// Whether the bytes are a zip whose first member is a Krita palette's "mimetype".
bool IsKpl(const QByteArray& bytes);

// ---- LibreOffice colour tables and Scribus colour lists ---------------------------------------
// <ooo:color-table> with a <draw:color draw:name=".." draw:color="#rrggbb"/> per row.
QByteArray WriteSoc(const QList<Pick>& rows);
// <SCRIBUSCOLORS> with a <COLOR NAME=".." RGB="#rrggbb"/> per row.
QByteArray WriteScribus(const QList<Pick>& rows, const QString& title);
// Either, told apart by the root element; Scribus' CMYK="#ccmmyykk" colours are converted.
ListRead ReadXmlPalette(const QByteArray& bytes);
// The root element's name when the bytes start as an XML document does; empty otherwise.
QString XmlRootName(const QByteArray& bytes);

// ---- hex lists --------------------------------------------------------------------------------
enum class HexForm {
    File, // "rrggbb" lines, as hex palette files have them
    Code  // "#RRGGBB" lines, the web codes (the command line's hex output)
};
QByteArray WriteHexList(const QList<Pick>& rows, HexForm form = HexForm::File);
// One colour a line, with or without "#", in either case; blank lines are skipped.
ListRead ReadHexList(const QByteArray& bytes);
// Whether the first line that is not blank is a hex colour.
bool LooksLikeHexList(const QByteArray& bytes);
