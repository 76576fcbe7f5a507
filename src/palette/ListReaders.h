#pragma once
// Reading a list back: from a GIMP palette, or from the JSON this program writes. A file that is
// not well formed is refused as a whole, with the line where reading stopped.

#include "list/Pick.h"
#include "pixels/WebCode.h"

#include <QByteArray>
#include <QList>
#include <QString>

// More colours than this are not taken: the list would become too slow to use.
constexpr qsizetype kMaxListRows = 100000;

struct ListRead {
    QList<Pick> rows; // in the file's order
    QString error;    // empty when the file was read
    int line = 0;     // the line the error is on (from 1), 0 when it concerns the whole file
    // In a binary file, the byte the error is at (from 0) instead of a line; -1 for none.
    qint64 offset = -1;
    bool ok() const { return error.isEmpty(); }
};

// Any format that is read back, told apart by the content, whatever the file's name: a GIMP
// palette starts with its header line, our JSON with an array, a swatch exchange file with
// "ASEF", Photoshop's swatches with their version word (1 or 2), a Krita palette is a zip whose
// first member is its mimetype, an XML palette has its root element (<ooo:color-table>,
// <SCRIBUSCOLORS>), and a hex list a colour on its first line.
ListRead ReadList(const QByteArray& bytes);
// A palette line's name that is its colour's own web code (what an empty description is saved as)
// reads as an empty description.
ListRead ReadGimpPalette(const QByteArray& bytes);
// An array of objects, each with a web code ("web": "#RRGGBB") or "r", "g" and "b" (0 to 255),
// or both when they agree, and an optional "description"; other members are ignored.
ListRead ReadJsonList(const QByteArray& bytes);
