#include "palette/ListFormats.h"

#include "names/ColorNames.h"
#include "palette/Notations.h"
#include "palette/SwatchFormats.h"
#include "pixels/Perceptual.h"

#include <QStringList>

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <cmath>

const ListFormatInfo kListFormats[10] = {
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::GimpPalette, "gpl", QT_TRANSLATE_NOOP("ListFormats", "GIMP palette"), true},
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::Css, "css", QT_TRANSLATE_NOOP("ListFormats", "CSS custom properties"), false},
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::Json, "json", QT_TRANSLATE_NOOP("ListFormats", "JSON"), true},
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::Csv, "csv", QT_TRANSLATE_NOOP("ListFormats", "CSV"), false},
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::Ase, "ase", QT_TRANSLATE_NOOP("ListFormats", "Adobe swatch exchange"), true},
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::Aco, "aco", QT_TRANSLATE_NOOP("ListFormats", "Photoshop swatches"), true},
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::Kpl, "kpl", QT_TRANSLATE_NOOP("ListFormats", "Krita palette"), true},
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::Soc, "soc", QT_TRANSLATE_NOOP("ListFormats", "LibreOffice colour table"), true},
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::Scribus, "xml", QT_TRANSLATE_NOOP("ListFormats", "Scribus colours"), true},
    //: A list file's format, as the save and open dialogs' file types name it.
    {ListFormat::Hex, "hex", QT_TRANSLATE_NOOP("ListFormats", "Hex list"), true}};

namespace {
// GIMP shows the colours in rows of this many.
constexpr int kPaletteColumns = 16;

const ListFormatInfo* InfoOfExtension(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    for (const ListFormatInfo& info : kListFormats) {
        if (suffix.compare(QLatin1String(info.extension), Qt::CaseInsensitive) == 0) {
            return &info;
        }
    }
    return nullptr;
}

// A text on one line: every control character (tab and line breaks too) a blank, no outer
// blanks. A palette line ends at the line's end and its reader strips the outer blanks.
QString OneLine(const QString& text) {
    QString line = text;
    for (QChar& ch : line) {
        if (ch.category() == QChar::Other_Control) {
            ch = QLatin1Char(' ');
        }
    }
    return line.trimmed();
}

bool IsIdentCodePoint(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_') {
        return true;
    }
    // The non-ASCII code points an identifier may hold unescaped.
    return c == 0xB7 || (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) ||
           (c >= 0xF8 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || c == 0x200C || c == 0x200D ||
           c == 0x203F || c == 0x2040 || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) || c >= 0x10000;
}

QString IdentifierOf(const QString& description) {
    QString ident;
    ident.reserve(description.size());
    bool gap = false;
    for (qsizetype i = 0; i < description.size();) {
        // One code point: a surrogate pair counts as one; a lone surrogate is no identifier's.
        const QChar unit = description[i];
        const bool pair = unit.isHighSurrogate() && i + 1 < description.size() &&
                          description[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(unit, description[i + 1]) : unit.unicode();
        i += pair ? 2 : 1;
        if (!IsIdentCodePoint(c)) {
            gap = true;
            continue;
        }
        if (gap && !ident.isEmpty()) {
            ident += QLatin1Char('-');
        }
        gap = false;
        if (c < 0x80) {
            ident += QLatin1Char(static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c));
        } else {
            ident += QChar::fromUcs4(QChar::toLower(c));
        }
    }
    return ident;
}

void AppendJsonString(QString& out, const QString& text) {
    out += QLatin1Char('"');
    qsizetype plain = 0; // the start of the characters not yet written
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        // A surrogate without its partner has no UTF-8 form: it is kept as an escape.
        const bool encodable =
            ch.isHighSurrogate() ? i + 1 < text.size() && text[i + 1].isLowSurrogate()
                                 : !ch.isLowSurrogate() || (i > 0 && text[i - 1].isHighSurrogate());
        if (ch.unicode() >= 0x20 && ch != QLatin1Char('"') && ch != QLatin1Char('\\') &&
            encodable) {
            continue;
        }
        out += QStringView(text).mid(plain, i - plain);
        plain = i + 1;
        switch (ch.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    out += QStringView(text).mid(plain);
    out += QLatin1Char('"');
}

// A text a spreadsheet would take for a formula (OWASP's list: =, +, -, @, a tab or a carriage
// return first) gets an apostrophe in front, inside a quoted field, so it is shown as text.
bool StartsFormula(const QString& text) {
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && kFormulaStarts.contains(text.front());
}

void AppendCsvField(QString& out, const QString& field) {
    const bool formula = StartsFormula(field);
    const QString text = formula ? QLatin1Char('\'') + field : field;
    bool quoted = formula || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    for (QChar ch : text) {
        quoted = quoted || ch == QLatin1Char(',') || ch == QLatin1Char('"') ||
                 ch == QLatin1Char('\n') || ch == QLatin1Char('\r') || ch == QLatin1Char('\t');
    }
    if (!quoted) {
        out += text;
        return;
    }
    out += QLatin1Char('"');
    out += QString(text).replace(QLatin1Char('"'), QLatin1String("\"\""));
    out += QLatin1Char('"');
}

// A channel value right-aligned in three places, as palette lines have them.
void AppendPadded(QString& out, int value) {
    const QString digits = QString::number(value);
    out += QString(3 - std::min<qsizetype>(digits.size(), 3), QLatin1Char(' '));
    out += digits;
}
} // namespace

ListFormat FormatOfPath(const QString& path, ListFormat fallback) {
    const ListFormatInfo* info = InfoOfExtension(path);
    return info != nullptr ? info->format : fallback;
}

QString PathWithExtension(const QString& path, ListFormat format) {
    if (InfoOfExtension(path) != nullptr) {
        return path;
    }
    for (const ListFormatInfo& info : kListFormats) {
        if (info.format == format) {
            return path + QLatin1Char('.') + QLatin1String(info.extension);
        }
    }
    return path;
}

QByteArray WriteList(ListFormat format, const QList<Pick>& rows, const QString& title) {
    switch (format) {
    case ListFormat::Css:
        return WriteCss(rows);
    case ListFormat::Json:
        return WriteJson(rows);
    case ListFormat::Csv:
        return WriteCsv(rows);
    case ListFormat::Ase:
        return WriteAse(rows, title);
    case ListFormat::Aco:
        return WriteAco(rows);
    case ListFormat::Kpl:
        return WriteKpl(rows, title);
    case ListFormat::Soc:
        return WriteSoc(rows);
    case ListFormat::Scribus:
        return WriteScribus(rows, title);
    case ListFormat::Hex:
        return WriteHexList(rows);
    case ListFormat::GimpPalette:
        break;
    }
    return WriteGimpPalette(rows, title);
}

QString PaletteName(const Pick& pick) {
    const QString name = OneLine(pick.description);
    return name.isEmpty() ? WebCode(pick.color) : name;
}

QString PaletteLine(const Pick& pick) {
    QString line;
    AppendPadded(line, pick.color.red());
    line += QLatin1Char(' ');
    AppendPadded(line, pick.color.green());
    line += QLatin1Char(' ');
    AppendPadded(line, pick.color.blue());
    line += QLatin1Char('\t');
    line += PaletteName(pick);
    return line;
}

QByteArray WriteGimpPalette(const QList<Pick>& rows, const QString& title) {
    QString name = OneLine(title);
    if (name.isEmpty()) {
        name = QStringLiteral("Huemark");
    }
    QString out = QStringLiteral("GIMP Palette\nName: %1\nColumns: %2\n#\n")
                      .arg(name, QString::number(kPaletteColumns));
    for (const Pick& row : rows) {
        out += PaletteLine(row);
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

QStringList CssPropertyNames(const QList<Pick>& rows) {
    QStringList names;
    QSet<QString> taken;
    for (const Pick& row : rows) {
        QString base = IdentifierOf(row.description);
        if (base.isEmpty()) {
            base = WebCode(row.color).mid(1).toLower();
        }
        QString name = base;
        for (int n = 2; taken.contains(name); ++n) {
            name = base + QLatin1Char('-') + QString::number(n);
        }
        taken.insert(name);
        names << name;
    }
    return names;
}

QByteArray WriteCss(const QList<Pick>& rows) {
    const QStringList names = CssPropertyNames(rows);
    QString out = QStringLiteral(":root {\n");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        out += QLatin1String("  --");
        out += names[i];
        out += QLatin1String(": ");
        out += WebCode(rows[i].color).toLower();
        out += QLatin1String(";\n");
    }
    out += QLatin1String("}\n");
    return out.toUtf8();
}

namespace {
// A pick's provenance as a JSON object's members (without the braces); empty when nothing of it
// is known.
QString OriginMembers(const PickOrigin& origin) {
    QStringList members;
    if (!origin.source.isEmpty()) {
        QString source = QStringLiteral("\"source\": ");
        AppendJsonString(source, origin.source);
        members << source;
    }
    if (origin.position) {
        members << QStringLiteral("\"x\": %1, \"y\": %2, \"radius\": %3")
                       .arg(origin.position->x())
                       .arg(origin.position->y())
                       .arg(origin.radius);
    }
    if (!origin.area.isEmpty()) {
        members << QStringLiteral("\"area\": {\"x\": %1, \"y\": %2, \"width\": %3, \"height\": %4}")
                       .arg(origin.area.x())
                       .arg(origin.area.y())
                       .arg(origin.area.width())
                       .arg(origin.area.height());
    }
    if (!origin.profile.isEmpty()) {
        QString profile = QStringLiteral("\"profile\": ");
        AppendJsonString(profile, origin.profile);
        members << profile + QStringLiteral(", \"intent\": \"relative colorimetric\"");
    }
    // Full precision: as many digits as give the very same numbers back. JSON has no infinity
    // nor NaN: a value that is not finite is written null, and read back as NaN.
    const auto numbers = [](const std::array<double, 3>& v) {
        const auto number = [](double d) {
            return std::isfinite(d) ? QString::number(d, 'g', 17) : QStringLiteral("null");
        };
        return QStringLiteral("[%1, %2, %3]").arg(number(v[0]), number(v[1]), number(v[2]));
    };
    if (origin.stored) {
        QString stored = QStringLiteral("\"stored\": {\"bits\": %1, \"values\": %2")
                             .arg(origin.stored->bits)
                             .arg(numbers(origin.stored->values));
        if (!origin.stored->space.isEmpty()) {
            stored += QStringLiteral(", \"space\": ");
            AppendJsonString(stored, origin.stored->space);
        }
        members << stored + QLatin1Char('}');
    }
    if (origin.incomplete) {
        members << QStringLiteral("\"incomplete\": true");
    }
    if (origin.precise && !Finite(*origin.precise)) {
        members << QStringLiteral("\"srgb\": %1, \"finite\": false").arg(numbers(*origin.precise));
    } else if (origin.precise) {
        // Whether it was clipped, and by how much, follow from the exact value; written for the
        // file's readers, not read back.
        members << QStringLiteral("\"srgb\": %1, \"clipped\": %2, \"clippingDeltaE2000\": %3")
                       .arg(numbers(*origin.precise),
                            Clipped(*origin.precise) ? QStringLiteral("true")
                                                     : QStringLiteral("false"),
                            CssNumber(ClippingDifference(*origin.precise), 4));
    }
    return members.join(QLatin1String(", "));
}
} // namespace

QByteArray WriteJson(const QList<Pick>& rows) {
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Pick& row = rows[i];
        out += i == 0 ? QLatin1String("\n  {\"web\": \"") : QLatin1String(",\n  {\"web\": \"");
        out += WebCode(row.color);
        out += QLatin1String("\", \"r\": ");
        out += QString::number(row.color.red());
        out += QLatin1String(", \"g\": ");
        out += QString::number(row.color.green());
        out += QLatin1String(", \"b\": ");
        out += QString::number(row.color.blue());
        out += QLatin1String(", \"description\": ");
        AppendJsonString(out, row.description);
        // The nearest CSS name, for the file's readers; the program does not read it back.
        out += QLatin1String(", \"name\": ");
        AppendJsonString(out, NameText(NearestCssName(row.color)));
        if (const QString origin = OriginMembers(row.origin); !origin.isEmpty()) {
            out += QLatin1String(", \"origin\": {") + origin + QLatin1Char('}');
        }
        out += QLatin1Char('}');
    }
    out += rows.isEmpty() ? QLatin1String("]\n") : QLatin1String("\n]\n");
    return out.toUtf8();
}

QByteArray WriteCsv(const QList<Pick>& rows) {
    QString out = QStringLiteral(
        "WebColor,WebBack,Red,Green,Blue,Description,Source,X,Y,Radius,Area,Profile,Stored,Space,"
        "sRGB,Clipped\r\n");
    for (const Pick& row : rows) {
        const Color c = row.color;
        const Color inverse{255 - c.red(), 255 - c.green(), 255 - c.blue()};
        for (const QString& field : {WebCode(c), WebCode(inverse), QString::number(c.red()),
                                     QString::number(c.green()), QString::number(c.blue())}) {
            out += field;
            out += QLatin1Char(',');
        }
        AppendCsvField(out, row.description);
        // Where it came from, in fields of its own after the list's columns.
        const PickOrigin& o = row.origin;
        const QString area = o.area.isEmpty() ? QString()
                                              : QStringLiteral("%1 %2 %3 %4")
                                                    .arg(o.area.x())
                                                    .arg(o.area.y())
                                                    .arg(o.area.width())
                                                    .arg(o.area.height());
        out += QLatin1Char(',');
        AppendCsvField(out, o.source);
        for (const QString& field : {o.position ? QString::number(o.position->x()) : QString(),
                                     o.position ? QString::number(o.position->y()) : QString(),
                                     o.position ? QString::number(o.radius) : QString(), area}) {
            out += QLatin1Char(',') + field;
        }
        out += QLatin1Char(',');
        AppendCsvField(out, o.profile);
        // The stored value at its precision, its space, and the exact sRGB value with whether
        // showing it clipped it (the CIEDE2000 it moved, when it did).
        out += QLatin1Char(',');
        out += o.stored ? StoredText(*o.stored) : QString();
        out += QLatin1Char(',');
        AppendCsvField(out, o.stored ? o.stored->space : QString());
        out += QLatin1Char(',');
        if (o.precise) {
            const EncodedRgb& v = *o.precise;
            const QString clipped = !Finite(v)   ? QStringLiteral("not a finite colour")
                                    : Clipped(v) ? CssNumber(ClippingDifference(v), 4)
                                                 : QStringLiteral("no");
            out += QStringLiteral("%1 %2 %3,%4")
                       .arg(QString::number(v[0], 'g', 17), QString::number(v[1], 'g', 17),
                            QString::number(v[2], 'g', 17), clipped);
        } else {
            out += QLatin1Char(',');
        }
        out += QLatin1String("\r\n");
    }
    return out.toUtf8();
}
