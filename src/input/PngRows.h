#pragma once
// A PNG's top rows on their own: a PNG of just those rows, which Qt's reader decodes as it
// decodes the whole file's.

#include <QByteArray>
#include <QIODevice>
#include <QImage>

// A PNG of the first `rows` rows of the one in data (each row rowBytes bytes before its filter
// byte): its chunks up to the pixels, the header saying `rows` rows, and those rows' filtered
// bytes stored uncompressed. Empty when a chunk it reads fails its check or the compressed pixels
// end before the rows. With checkRest, the rest is read to the end as well, and it is empty
// also when the file stops before its end chunk, a critical chunk other than the pixels' and the
// end follows the pixels, or the compressed pixels do not run whole to their end with their
// checksum (the rows beyond are inflated and dropped): damage that may fail the whole decode in
// rows not read. (Compressed data damaged beyond the rows in a way that keeps every checksum
// goes unseen.)
QByteArray PngFirstRows(const QByteArray& data, int rows, qint64 rowBytes, bool checkRest);

// Whether every chunk of the PNG holds its checksum, the pixels' chunks run in one sequence with
// no critical chunk after them but the end, and the file ends with its end chunk: the damage that
// can be seen without inflating the pixels.
bool PngChunksHold(const QByteArray& data);

// A PNG whose data stop short, made whole for the reader: its chunks before the pixels, the
// pixels' bytes as far as they inflate and zeros after them (rows of filter 0), stored; rows:
// how many rows from the top the data give whole (an interlaced picture's come only once its
// last pass has begun: 0 before). Empty file when the data are not cut short that way: they
// reach the end chunk, a whole chunk fails its check, the pixels fail to inflate or end on their
// own before the last row, or the file stops before the pixels or the first row of the first
// pass.
struct CutPng {
    QByteArray file;
    int rows = 0;
};
CutPng PngMadeWhole(const QByteArray& data);

// Qt's reader on a PNG's bytes, as the loader runs it; null when it fails.
QImage ReadPngAsLoaded(const QByteArray& file);
QImage ReadPngAsLoaded(QIODevice* file); // open for reading
