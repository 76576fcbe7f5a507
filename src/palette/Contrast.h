#pragma once
// The contrast of two colours as WCAG 2 defines it, with its verdicts for text, APCA's lightness
// contrast beside it, and what the list shows of them.

#include "list/Pick.h"
#include "pixels/WebCode.h"

#include <QString>

// Relative luminance: 0 for black, 1 for white.
double RelativeLuminance(Color c);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours up to 21 for black and white.
double ContrastRatio(Color a, Color b);

struct ContrastVerdicts {
    bool aaNormal = false;  // 4.5:1
    bool aaLarge = false;   // 3:1
    bool aaaNormal = false; // 7:1
    bool aaaLarge = false;  // 4.5:1
};
// Judged on the exact ratio: 4.499 is not 4.5.
ContrastVerdicts VerdictsOf(double ratio);

// The ratio to two decimals, cut rather than rounded, so the figure shown never passes a level
// its verdict fails ("4.49", not "4.50").
QString RatioText(double ratio);

// APCA's lightness contrast Lc (the W3 0.0.98G-4g constants) of text on a background: about
// 106 for black on white, -108 for white on black; positive for dark text on a lighter
// background, negative for light text on a darker one, 0 where the two are too close to read.
double ApcaContrast(Color text, Color background);
// Lc to one decimal, rounded half away from zero; never "-0.0".
QString ApcaText(double lc);

// What the list says about two of its rows: the plain text (for screen readers) and a rich one
// with samples of each colour as text on the other. APCA takes the first row as the text and the
// second as the background.
struct ContrastReport {
    QString plain;
    QString rich;
};
ContrastReport ContrastReportOf(const Pick& first, const Pick& second);
