#include "palette/ListFormats.h"

#include <QFileInfo>
#include <QSet>

const ListFormatInfo kListFormats[4] = {
    {ListFormat::GimpPalette, "gpl", QT_TRANSLATE_NOOP("ListFormats", "GIMP palette")},
    {ListFormat::Css, "css", QT_TRANSLATE_NOOP("ListFormats", "CSS custom properties")},
    {ListFormat::Json, "json", QT_TRANSLATE_NOOP("ListFormats", "JSON")},
    {ListFormat::Csv, "csv", QT_TRANSLATE_NOOP("ListFormats", "CSV")}};

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
    bool gap = false;
    for (char32_t c : description.toLower().toUcs4()) {
        if (!IsIdentCodePoint(c)) {
            gap = true;
            continue;
        }
        if (gap && !ident.isEmpty()) {
            ident += QLatin1Char('-');
        }
        gap = false;
        ident += QString::fromUcs4(&c, 1);
    }
    return ident;
}

void AppendJsonString(QString& out, const QString& text) {
    out += QLatin1Char('"');
    for (QChar ch : text) {
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
            if (ch.unicode() < 0x20) {
                out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                out += ch;
            }
        }
    }
    out += QLatin1Char('"');
}

QString CsvField(const QString& text) {
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                        text.contains(QLatin1Char('\t')) || text.trimmed().size() != text.size();
    if (!quoted) {
        return text;
    }
    QString field = text;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
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

QByteArray WriteList(ListFormat format, const QList<Swatch>& rows, const QString& title) {
    switch (format) {
    case ListFormat::Css:
        return WriteCss(rows);
    case ListFormat::Json:
        return WriteJson(rows);
    case ListFormat::Csv:
        return WriteCsv(rows);
    case ListFormat::GimpPalette:
        break;
    }
    return WriteGimpPalette(rows, title);
}

QString PaletteName(const Swatch& swatch) {
    const QString name = OneLine(swatch.name);
    return name.isEmpty() ? WebCodeOf(swatch.color) : name;
}

QByteArray WriteGimpPalette(const QList<Swatch>& rows, const QString& title) {
    QString name = OneLine(title);
    if (name.isEmpty()) {
        name = QStringLiteral("Huemark");
    }
    QString out = QStringLiteral("GIMP Palette\nName: %1\nColumns: %2\n#\n")
                      .arg(name, QString::number(kPaletteColumns));
    for (const Swatch& row : rows) {
        out += QStringLiteral("%1 %2 %3\t")
                   .arg(row.color.red, 3)
                   .arg(row.color.green, 3)
                   .arg(row.color.blue, 3) +
               PaletteName(row) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

QStringList CssPropertyNames(const QList<Swatch>& rows) {
    QStringList names;
    QSet<QString> taken;
    for (const Swatch& row : rows) {
        QString base = IdentifierOf(row.name);
        if (base.isEmpty()) {
            base = WebCodeOf(row.color).mid(1).toLower();
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

QByteArray WriteCss(const QList<Swatch>& rows) {
    const QStringList names = CssPropertyNames(rows);
    QString out = QStringLiteral(":root {\n");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        out += QStringLiteral("  --%1: %2;\n").arg(names[i], WebCodeOf(rows[i].color).toLower());
    }
    out += QLatin1String("}\n");
    return out.toUtf8();
}

QByteArray WriteJson(const QList<Swatch>& rows) {
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Swatch& row = rows[i];
        out += i == 0 ? QLatin1String("\n  {\"web\": \"") : QLatin1String(",\n  {\"web\": \"");
        out += WebCodeOf(row.color) + QStringLiteral("\", \"r\": %1, \"g\": %2, \"b\": %3, ")
                                          .arg(row.color.red)
                                          .arg(row.color.green)
                                          .arg(row.color.blue);
        out += QLatin1String("\"description\": ");
        AppendJsonString(out, row.name);
        out += QLatin1Char('}');
    }
    out += rows.isEmpty() ? QLatin1String("]\n") : QLatin1String("\n]\n");
    return out.toUtf8();
}

QByteArray WriteCsv(const QList<Swatch>& rows) {
    QString out = QStringLiteral("WebColor,WebBack,Red,Green,Blue,Description\r\n");
    for (const Swatch& row : rows) {
        const Rgb c = row.color;
        const Rgb inverse{255 - c.red, 255 - c.green, 255 - c.blue};
        out += QStringLiteral("%1,%2,%3,%4,%5,")
                   .arg(WebCodeOf(c), WebCodeOf(inverse))
                   .arg(c.red)
                   .arg(c.green)
                   .arg(c.blue) +
               CsvField(row.name) + QLatin1String("\r\n");
    }
    return out.toUtf8();
}
