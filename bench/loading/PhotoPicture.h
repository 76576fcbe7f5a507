#pragma once
// The loading benchmarks' picture: 6000 × 4000, a photo-like mix of gradients and noise, the
// noise spread over the given number of levels (a power of two up to 256).

#include <QImage>

inline QImage PhotoPicture(int noiseLevels) {
    QImage image(6000, 4000, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int((quint64(noise) * quint64(noiseLevels)) >> 32) - noiseLevels / 2;
            line[x] = qRgb(qBound(0, x / 24 + n, 255), qBound(0, y / 16 + n, 255),
                           qBound(0, (x + y) / 40 + n, 255));
        }
    }
    return image;
}
