#pragma once
// A colour of a saved or opened list with its description, and the web code both ways.

#include <QString>
#include <QStringView>
#include <optional>

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Swatch {
    Rgb color;
    QString name; // the row's description; empty when it has none
    friend bool operator==(const Swatch&, const Swatch&) = default;
};

// "#RRGGBB", in uppercase as the list shows it.
QString WebCodeOf(Rgb c);

// A channel (0 to 255) in linear light: the sRGB transfer curve undone, 0 to 1.
double LinearChannel(int channel);

// The colour of a "#RRGGBB" code in either case; nothing for any other text.
std::optional<Rgb> ParseWebCode(QStringView text);
