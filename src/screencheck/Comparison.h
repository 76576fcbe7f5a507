#pragma once
// A capture of a monitor showing the chart, compared with the chart: value by value and
// position by position.

#include "screencheck/Chart.h"

#include <QImage>
#include <QPoint>
#include <QSize>

struct CaptureComparison {
    bool exact = false; // every pixel where it belongs, with its value
    QSize expected;     // the monitor's device pixels
    QSize captured;     // what the capture held of it
    // Whether every corner's mark was found near its place; offset is then where the marks lie
    // from where the chart put them (the same for all four, else marksAgree is false and offset
    // is the top-left one's).
    bool marksFound = false;
    bool marksAgree = true;
    QPoint offset;
    // With the offset taken out: the largest difference of a channel, the largest CIEDE2000
    // between a pixel and its chart colour, and how many pixels differ at all.
    int largestDifference = 0;
    double largestDeltaE = 0;
    qint64 pixelsDiffering = 0;
    // How many bits of each channel the capture kept, from the distinct levels of the grey ramp
    // (8 when all 256 come back apart), and how many of the 16 near-black steps stay apart.
    int bitsPerChannel = 8;
    int nearBlackSteps = 16;
    // Whether the one-pixel checkerboard came back square for square.
    bool checkerboardExact = true;
};

// capture: the monitor's part of the screen's capture, device pixels (any format).
CaptureComparison CompareCapture(const Chart& chart, const QImage& capture);
