#pragma once
// The contrast of two colours as WCAG 2 defines it, with its verdicts for text, and what the
// list shows of it.

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

// What the list says about two of its rows: the plain text (for screen readers) and a rich one
// with samples of each colour as text on the other.
struct ContrastReport {
    QString plain;
    QString rich;
};
ContrastReport ContrastReportOf(const Pick& first, const Pick& second);
