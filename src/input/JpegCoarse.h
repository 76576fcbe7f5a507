#pragma once
// A progressive JPEG's coarse look, read from its first scans alone: the picture at an eighth of
// its size, each pixel the average of its block of 8 x 8. Only the blocks' averages (the DC
// coefficients) are decoded, into a small array of their own, so that it costs a small part of
// the whole decode and none of its memory. It is shown until the real pixels arrive, and it is
// near them, not equal to them.

#include <QImage>

// The coarse look (Format_RGB32, ceil(width / 8) by ceil(height / 8)) of a progressive JPEG in
// YCbCr (three components; RGB when rgb says so, as libjpeg finds from its markers) or grey
// (one); null when the data are not such a JPEG, or do not hold every component's first
// averages before its end.
QImage DecodeJpegCoarse(const uchar* data, qsizetype size, bool rgb);
