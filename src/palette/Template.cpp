#include "palette/Template.h"

#include "names/ColorNames.h"
#include "palette/Notations.h"
#include "pixels/WebCode.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
using Field = ColorTemplate::Field;

// The most decimals a precision may ask for: beyond it a double has no more digits to give for
// the figures a colour has.
constexpr int kMostDecimals = 10;

struct FieldWord {
    const char* word;
    Field field;
    int decimals; // without a precision; -1 for a text, which takes none
};
constexpr FieldWord kFields[] = {{"hex", Field::Hex, -1},
                                 {"HEX", Field::HexUpper, -1},
                                 {"r", Field::Red, 0},
                                 {"g", Field::Green, 0},
                                 {"b", Field::Blue, 0},
                                 {"r%", Field::RedPercent, kPercentDecimals},
                                 {"g%", Field::GreenPercent, kPercentDecimals},
                                 {"b%", Field::BluePercent, kPercentDecimals},
                                 {"h", Field::Hue, kHslHueDecimals},
                                 {"s", Field::Saturation, kPercentDecimals},
                                 {"l", Field::Lightness, kPercentDecimals},
                                 {"oklch", Field::Oklch, -1},
                                 {"oklch_l", Field::OklchLightness, kOkDecimals},
                                 {"oklch_c", Field::OklchChroma, kOkDecimals},
                                 {"oklch_h", Field::OklchHue, kOkHueDecimals},
                                 {"name", Field::Name, -1},
                                 {"x", Field::X, 0},
                                 {"y", Field::Y, 0},
                                 {"description", Field::Description, -1}};

const FieldWord* FieldOf(const QString& word) {
    for (const FieldWord& f : kFields) {
        if (word == QLatin1String(f.word)) {
            return &f;
        }
    }
    return nullptr;
}

// The decimals a precision such as ".3" asks for, or -1 when it is none.
int DecimalsOf(const QString& precision) {
    if (precision.size() < 2 || precision.size() > 3 || precision[0] != QLatin1Char('.')) {
        return -1;
    }
    int decimals = 0;
    for (qsizetype i = 1; i < precision.size(); ++i) {
        if (precision[i] < QLatin1Char('0') || precision[i] > QLatin1Char('9')) {
            return -1;
        }
        decimals = decimals * 10 + (precision[i].unicode() - '0');
    }
    return decimals <= kMostDecimals ? decimals : -1;
}

QString Percent(int channel, int decimals) {
    return CssNumber(channel * 100.0 / 255, decimals);
}
} // namespace

ColorTemplate::ColorTemplate(const QString& text) : m_text(text) {
    if (text.isEmpty()) {
        m_error = QCoreApplication::translate("ColorTemplate", "the template is empty");
        return;
    }
    QString literal;
    const auto fail = [this](const QString& error) {
        m_error = error;
        m_pieces.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == QLatin1Char('n') || next == QLatin1Char('t') || next == QLatin1Char('\\')) {
                literal += next == QLatin1Char('n')   ? QLatin1Char('\n')
                           : next == QLatin1Char('t') ? QLatin1Char('\t')
                                                      : QLatin1Char('\\');
                ++i;
                continue;
            }
        }
        if (ch == QLatin1Char('}')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('}')) {
                literal += ch;
                ++i;
                continue;
            }
            //: An error in a colour template. %1: the character's place in it, from 1.
            fail(
                QCoreApplication::translate(
                    "ColorTemplate", "a lone } at character %1 of the template (}} writes a brace)")
                    .arg(i + 1));
            return;
        }
        if (ch != QLatin1Char('{')) {
            literal += ch;
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('{')) {
            literal += ch;
            ++i;
            continue;
        }
        // A placeholder: up to the next }, with no { before it.
        qsizetype end = i + 1;
        while (end < text.size() && text[end] != QLatin1Char('}') &&
               text[end] != QLatin1Char('{')) {
            ++end;
        }
        if (end == text.size() || text[end] != QLatin1Char('}')) {
            //: An error in a colour template. %1: the character's place in it, from 1.
            fail(QCoreApplication::translate("ColorTemplate",
                                             "the { at character %1 of the template is not closed")
                     .arg(i + 1));
            return;
        }
        const QString inside = text.mid(i + 1, end - i - 1);
        const qsizetype colon = inside.indexOf(QLatin1Char(':'));
        const QString word = colon < 0 ? inside : inside.left(colon);
        const FieldWord* field = FieldOf(word);
        if (field == nullptr) {
            //: An error in a colour template. %1: the placeholder as written, in braces.
            fail(QCoreApplication::translate("ColorTemplate",
                                             "unknown placeholder %1 in the template")
                     .arg(QLatin1Char('{') + word + QLatin1Char('}')));
            return;
        }
        Piece piece;
        piece.isField = true;
        piece.field = field->field;
        piece.decimals = field->decimals;
        piece.written = QLatin1Char('{') + word + QLatin1Char('}');
        if (colon >= 0) {
            if (field->decimals < 0) {
                //: An error in a colour template. %1: the placeholder, in braces.
                fail(QCoreApplication::translate("ColorTemplate",
                                                 "%1 is text and takes no precision")
                         .arg(piece.written));
                return;
            }
            piece.decimals = DecimalsOf(inside.mid(colon + 1));
            if (piece.decimals < 0) {
                //: An error in a colour template. %1: the placeholder as written, in braces;
                //: %2: the largest number of decimals. ".3" and ".0" stay as they are.
                fail(QCoreApplication::translate(
                         "ColorTemplate",
                         "bad precision in %1: write .0 to .%2 after the colon, as in .3")
                         .arg(QLatin1Char('{') + inside + QLatin1Char('}'),
                              QString::number(kMostDecimals)));
                return;
            }
        }
        if (!literal.isEmpty()) {
            m_pieces.append(Piece{literal, false, Field::Hex, 0, QString()});
            literal.clear();
        }
        m_pieces.append(piece);
        i = end;
    }
    if (!literal.isEmpty()) {
        m_pieces.append(Piece{literal, false, Field::Hex, 0, QString()});
    }
}

TemplateText ColorTemplate::render(const Pick& pick) const {
    TemplateText out;
    if (!valid()) {
        out.error = m_error;
        return out;
    }
    // Every number comes from the colour's 8 bits, as the notations' do: an exact value that is
    // not finite never shows.
    const Color c = pick.color;
    const bool hsl = std::any_of(m_pieces.begin(), m_pieces.end(), [](const Piece& p) {
        return p.isField && (p.field == Field::Hue || p.field == Field::Saturation ||
                             p.field == Field::Lightness);
    });
    const bool oklch = std::any_of(m_pieces.begin(), m_pieces.end(), [](const Piece& p) {
        return p.isField && (p.field == Field::OklchLightness || p.field == Field::OklchChroma ||
                             p.field == Field::OklchHue);
    });
    const HslValue hslValue = hsl ? HslOf(c) : HslValue{};
    const OklchValue oklchValue = oklch ? OklchOf(c) : OklchValue{};
    for (const Piece& p : m_pieces) {
        if (!p.isField) {
            out.text += p.literal;
            continue;
        }
        switch (p.field) {
        case Field::Hex:
            out.text += WebCode(c).toLower();
            break;
        case Field::HexUpper:
            out.text += WebCode(c).toUpper();
            break;
        case Field::Red:
            out.text += CssNumber(c.red(), p.decimals);
            break;
        case Field::Green:
            out.text += CssNumber(c.green(), p.decimals);
            break;
        case Field::Blue:
            out.text += CssNumber(c.blue(), p.decimals);
            break;
        case Field::RedPercent:
            out.text += Percent(c.red(), p.decimals);
            break;
        case Field::GreenPercent:
            out.text += Percent(c.green(), p.decimals);
            break;
        case Field::BluePercent:
            out.text += Percent(c.blue(), p.decimals);
            break;
        case Field::Hue:
            out.text += HueText(hslValue.hue, p.decimals);
            break;
        case Field::Saturation:
            out.text += CssNumber(hslValue.saturation, p.decimals);
            break;
        case Field::Lightness:
            out.text += CssNumber(hslValue.lightness, p.decimals);
            break;
        case Field::Oklch:
            out.text += ColorAs(Notation::Oklch, pick);
            break;
        case Field::OklchLightness:
            out.text += CssNumber(oklchValue.lightness, p.decimals);
            break;
        case Field::OklchChroma:
            out.text += CssNumber(oklchValue.chroma, p.decimals);
            break;
        case Field::OklchHue:
            out.text += HueText(oklchValue.hue, p.decimals);
            break;
        case Field::Name:
            out.text += ColorAs(Notation::Name, pick);
            break;
        case Field::X:
        case Field::Y:
            if (!pick.origin.position) {
                //: Why a colour template cannot be filled for a colour opened from a list file
                //: or pasted. %1: the placeholder, {x} or {y}.
                out.error = QCoreApplication::translate(
                                "ColorTemplate", "this colour has no place in a picture for %1")
                                .arg(p.written);
                out.text.clear();
                return out;
            }
            out.text += CssNumber(p.field == Field::X ? pick.origin.position->x()
                                                      : pick.origin.position->y(),
                                  p.decimals);
            break;
        case Field::Description:
            out.text += pick.description;
            break;
        }
    }
    return out;
}

TemplateLines ColorTemplate::renderEach(const QList<Pick>& picks) const {
    TemplateLines out;
    for (const Pick& pick : picks) {
        TemplateText line = render(pick);
        if (!line.ok()) {
            out.lines.clear();
            out.error = line.error;
            return out;
        }
        out.lines << line.text;
    }
    return out;
}

QStringList ColorTemplate::placeholders() {
    QStringList words;
    for (const FieldWord& f : kFields) {
        words << QLatin1Char('{') + QLatin1String(f.word) + QLatin1Char('}');
    }
    return words;
}

bool IsTemplateFormat(const QString& format) {
    return format.contains(QLatin1Char('{'));
}
