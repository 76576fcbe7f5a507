#pragma once
// The chart the capture check shows on a monitor and reads back: the six primaries and
// secondaries, a grey ramp of every level, the near-black steps, a one-pixel checkerboard and a
// mark near each corner, on a mid-grey ground, all in device pixels.

#include <QImage>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QSize>

struct ChartPatch {
    enum class Kind { Primary, Grey, NearBlack, Checkerboard, Mark };
    Kind kind = Kind::Primary;
    QRect area;     // in device pixels of the monitor
    QRgb color = 0; // the patch's colour (the checkerboard's light squares, a mark's outside)
};

struct Chart {
    QImage image; // Format_RGB32, device pixels; its devicePixelRatio is the monitor's
    QList<ChartPatch> patches;
    // How far from where it belongs a mark is looked for, in device pixels each way.
    int markSearch = 0;

    QList<ChartPatch> patchesOf(ChartPatch::Kind kind) const;
};

// The chart for a monitor of that many device pixels and that ratio of device pixels to logical
// ones: its patches grow with the ratio, so that they look alike on every monitor; the
// checkerboard stays one device pixel a square. A monitor too small for the grey ramp's 256
// levels (under 300 device pixels wide or 200 high) gets a null image.
Chart MakeChart(QSize devicePixels, double ratio);
