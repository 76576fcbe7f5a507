#pragma once
// The texts of a printout of the list, made from plain values: the title block, one line per row
// of the list.

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>

// Every printed line starts with this indent; the blank lines of the title block are just it.
QString PrintIndent();

// "mm/dd/yyyy hh:mm:ss" with the hours 00 to 23: 12/06/2026 06:40:50.
QString PrintTimestamp(const QDateTime& when);

// "  Page n" on a printout that has a picture page, nothing on one that has not.
QString PrintPageLabel(bool picturePage, int page);

// The indent, the caption, "  Printed: ", the timestamp and the page label.
QString PrintTitleLine(const QString& caption, const QString& timestamp, const QString& pageLabel);

// The indent and 80 underscores: 84 characters.
QString PrintRuleLine();

// The widths of the fields of columns 0 to 4: 11, 11, 4, 6 and 5 characters, each widened where
// its title (without leading blanks) and one blank would not fit, as a translated title may not.
using PrintFields = std::array<int, 5>;
PrintFields PrintFieldWidths(const QStringList& titles);

// How many columns of a fixed-pitch font the text takes: two for each East Asian wide character.
int PrintedWidth(const QString& text);

// One row of the list: the indent, the texts of columns 0 to 4 right-aligned in their fields (a
// text longer than its field is printed as it is), one blank and the whole description. The
// titles row's texts lose their leading blanks first, so that each title stands right-aligned
// over its field.
QString PrintListLine(const QStringList& cells, bool titlesRow,
                      const PrintFields& widths = PrintFieldWidths({}));

// The text as the printer can show it: a tab runs to the next multiple of eight columns, any other
// control character prints as one blank.
QString PrintableText(const QString& text);
