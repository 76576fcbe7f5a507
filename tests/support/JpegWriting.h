#pragma once
// JPEG files written for tests with libjpeg itself, so that a test can choose what the toolkit's
// writer does not let it: samplings, restarts, progressions, arithmetic codes.

#include <QByteArray>
#include <QImage>
#include <cstdio>
#include <functional>

#include <jpeglib.h>

// The picture (RGB32, or Grayscale8 for a grey JPEG) as a JPEG of the given quality; configure
// sets anything else on the encoder after its defaults, before the first scan is written.
QByteArray WriteJpeg(const QImage& image, int quality,
                     const std::function<void(jpeg_compress_struct&)>& configure);
