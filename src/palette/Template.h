#pragma once
// A user's own notation: a template whose placeholders are filled from each colour, such as
// "--{description}: {hex};" or "{r}, {g}, {b}". It is parsed once, so every fault in it is found
// before any colour is written, and then renders picks.
//
// Placeholders: {hex} (#rrggbb), {HEX} (#RRGGBB), {r} {g} {b} (0 to 255), {r%} {g%} {b%} (percent
// of 255), {h} {s} {l} (as hsl() has them), {oklch} (the whole oklch() text) and its parts
// {oklch_l} {oklch_c} {oklch_h}, {name} (the nearest CSS name, as the Name notation writes it),
// {x} {y} (the picture pixel picked) and {description}. A number takes a precision, {l:.3}, of
// 0 to 10 decimals, rounded as CssNumber rounds; without one r, g, b, x and y are whole and the
// others have the decimals of their notation. A hue is "none" where the colour has none (a grey).
// {{ and }} are braces; \n, \t and \\ a line break, a tab and a backslash; a backslash before
// anything else stands for itself.

#include "list/Pick.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a template gives for a colour: the text, or why it could not be filled (one line).
struct TemplateText {
    QString text;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The same for each of a list's picks, top first; the first fault ends it.
struct TemplateLines {
    QStringList lines;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

class ColorTemplate {
public:
    // Parsed; when the text is no template, error() says why in one translated line.
    explicit ColorTemplate(const QString& text = QString());

    bool valid() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    const QString& text() const { return m_text; }

    // The pick through the template. A pick that was not taken from a picture (opened from a
    // list file) has no pixel: a template asking for {x} or {y} fails for it, saying so.
    TemplateText render(const Pick& pick) const;
    TemplateLines renderEach(const QList<Pick>& picks) const;

    // The placeholder words, in the order the help lists them.
    static QStringList placeholders();

    // What a placeholder stands for.
    enum class Field {
        Hex,
        HexUpper,
        Red,
        Green,
        Blue,
        RedPercent,
        GreenPercent,
        BluePercent,
        Hue,
        Saturation,
        Lightness,
        Oklch,
        OklchLightness,
        OklchChroma,
        OklchHue,
        Name,
        X,
        Y,
        Description
    };

private:
    // Literal text, or a placeholder (as written, for messages) with its decimals.
    struct Piece {
        QString literal;
        bool isField = false;
        Field field = Field::Hex;
        int decimals = 0;
        QString written;
    };
    QString m_text;
    QString m_error;
    QList<Piece> m_pieces;
};

// Whether a --format value is a template rather than a notation's word: it holds a brace.
bool IsTemplateFormat(const QString& format);
