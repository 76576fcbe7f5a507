#pragma once
// What a picture says about the colours its numbers stand for: an embedded ICC profile, or
// primaries, white point and transfer curve stated in the file's own terms (PNG's cHRM and gAMA,
// the code points of HEIF, AVIF and PNG's cICP). A picture that says nothing, or says sRGB, has
// the empty profile: its stored values are its colours.

#include <QByteArray>
#include <QString>
#include <optional>

enum class TransferCurve { Srgb, Bt709, Gamma, Linear };

struct StatedColors {
    // CIE xy of the primaries and the white point.
    double redX = 0, redY = 0, greenX = 0, greenY = 0, blueX = 0, blueY = 0;
    double whiteX = 0, whiteY = 0;
    TransferCurve curve = TransferCurve::Srgb;
    double gamma = 1; // for TransferCurve::Gamma: stored value ^ gamma is linear light
    QString name;
    bool operator==(const StatedColors&) const = default;
};

struct ColorProfile {
    QByteArray icc;
    std::optional<StatedColors> stated;
    // A profile the file names but that cannot be used (an HDR curve, unknown primaries, a
    // damaged profile chunk): why, in a few words. The stored values are shown.
    QString unusable;

    bool isEmpty() const { return icc.isEmpty() && !stated && unusable.isEmpty(); }
};

// The profile that the code points of ITU-T H.273 name (colour primaries, transfer
// characteristics), as HEIF, AVIF and PNG's cICP chunk give them. sRGB, and unspecified values
// (which mean sRGB on the web), give the empty profile.
ColorProfile ProfileFromCodePoints(int primaries, int transfer);

// PNG's gAMA (the file gamma × 100000, 0 when absent) and cHRM (white, red, green, blue, each
// x and y × 100000; nullptr when absent). Values that describe sRGB, as most writers mean them,
// give the empty profile.
ColorProfile ProfileFromPngChunks(quint32 gamma, const quint32* chromaticities);
