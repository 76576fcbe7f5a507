// LibreOffice's colour tables and Scribus' colour lists (XML), and hex lists. A refusal names the
// line where reading stopped.

#include "palette/ListFormats.h"
#include "palette/SwatchFormats.h"

#include "pixels/WebCode.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
const QString kOfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kDrawNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
const QString kXlinkNs = QStringLiteral("http://www.w3.org/1999/xlink");
const QString kSvgNs = QStringLiteral("http://www.w3.org/2000/svg");
const QString kOooNs = QStringLiteral("http://openoffice.org/2004/office");

struct LineRefusal {
    int line;
    QString message;
};

QString Said(const char* message) {
    return QCoreApplication::translate("SwatchFormats", message);
}

template <typename Read> ListRead GuardedLines(Read read) {
    ListRead result;
    try {
        result.rows = read();
    } catch (const LineRefusal& refusal) {
        result.rows.clear();
        result.error = refusal.message;
        result.line = refusal.line;
    }
    return result;
}

QString LowerCode(Color color) {
    return WebCode(color).toLower();
}

// Two hex digits a channel, as many channels as asked, after a "#".
std::optional<QList<int>> HexChannels(QStringView text, int channels) {
    if (text.size() != 1 + 2 * channels || !text.startsWith(QLatin1Char('#'))) {
        return std::nullopt;
    }
    QList<int> values;
    for (int i = 0; i < channels; ++i) {
        bool ok = false;
        const QStringView digits = text.mid(1 + 2 * i, 2);
        const int value = digits.toInt(&ok, 16);
        if (!ok || digits.front() == QLatin1Char('+') || digits.front() == QLatin1Char('-')) {
            return std::nullopt;
        }
        values << value;
    }
    return values;
}

class XmlPaletteReader {
public:
    explicit XmlPaletteReader(const QByteArray& bytes) : m_xml(bytes) {
        // The files use their prefixes as written; the names are matched with them.
        m_xml.setNamespaceProcessing(false);
    }

    QList<Pick> rows() {
        if (!m_xml.readNextStartElement()) {
            fail(m_xml.hasError()
                     ? m_xml.errorString()
                     : Said(QT_TRANSLATE_NOOP("SwatchFormats", "the file holds no XML element.")));
        }
        const QStringView root = m_xml.qualifiedName();
        const bool office = root == QLatin1String("ooo:color-table");
        if (!office && root != QLatin1String("SCRIBUSCOLORS")) {
            fail(QT_TRANSLATE_NOOP("SwatchFormats",
                                   "an XML palette is a LibreOffice <ooo:color-table> or a Scribus "
                                   "<SCRIBUSCOLORS>."));
        }
        QList<Pick> rows;
        while (m_xml.readNextStartElement()) {
            if (m_xml.qualifiedName() ==
                (office ? QLatin1String("draw:color") : QLatin1String("COLOR"))) {
                if (rows.size() >= kMaxListRows) {
                    fail(QCoreApplication::translate("SwatchFormats",
                                                     "the file holds more than %1 colours.")
                             .arg(kMaxListRows));
                }
                rows.append(office ? officeColor() : scribusColor());
            }
            m_xml.skipCurrentElement();
        }
        if (m_xml.hasError()) {
            fail(m_xml.errorString());
        }
        return rows;
    }

private:
    [[noreturn]] void fail(const QString& message) const {
        throw LineRefusal{static_cast<int>(m_xml.lineNumber()), message};
    }
    [[noreturn]] void fail(const char* message) const { fail(Said(message)); }

    Pick officeColor() const {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const std::optional<QList<int>> rgb =
            HexChannels(attributes.value(QLatin1String("draw:color")), 3);
        if (!rgb) {
            fail(QT_TRANSLATE_NOOP("SwatchFormats",
                                   "draw:color must be a colour such as \"#ff8000\"."));
        }
        const Color color((*rgb)[0], (*rgb)[1], (*rgb)[2]);
        return Pick(color, DescriptionOfName(
                               attributes.value(QLatin1String("draw:name")).toString(), color));
    }

    Pick scribusColor() const {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        Color color;
        if (attributes.hasAttribute(QLatin1String("RGB"))) {
            const std::optional<QList<int>> rgb =
                HexChannels(attributes.value(QLatin1String("RGB")), 3);
            if (!rgb) {
                fail(QT_TRANSLATE_NOOP("SwatchFormats",
                                       "RGB must be a colour such as \"#ff8000\"."));
            }
            color = Color((*rgb)[0], (*rgb)[1], (*rgb)[2]);
        } else if (attributes.hasAttribute(QLatin1String("CMYK"))) {
            const std::optional<QList<int>> cmyk =
                HexChannels(attributes.value(QLatin1String("CMYK")), 4);
            if (!cmyk) {
                fail(QT_TRANSLATE_NOOP("SwatchFormats",
                                       "CMYK must be four inks such as \"#00ff8000\"."));
            }
            color = ColorOfCmyk((*cmyk)[0] / 255.0, (*cmyk)[1] / 255.0, (*cmyk)[2] / 255.0,
                                (*cmyk)[3] / 255.0);
        } else {
            fail(QT_TRANSLATE_NOOP("SwatchFormats", "a <COLOR> needs an RGB or a CMYK value."));
        }
        return Pick(color,
                    DescriptionOfName(attributes.value(QLatin1String("NAME")).toString(), color));
    }

    QXmlStreamReader m_xml;
};
} // namespace

QString DescriptionOfName(const QString& name, Color color) {
    return name.compare(WebCode(color), Qt::CaseInsensitive) == 0 ? QString() : name;
}

QByteArray WriteSoc(const QList<Pick>& rows) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeNamespace(kOfficeNs, QStringLiteral("office"));
    xml.writeNamespace(kDrawNs, QStringLiteral("draw"));
    xml.writeNamespace(kXlinkNs, QStringLiteral("xlink"));
    xml.writeNamespace(kSvgNs, QStringLiteral("svg"));
    xml.writeNamespace(kOooNs, QStringLiteral("ooo"));
    xml.writeStartElement(kOooNs, QStringLiteral("color-table"));
    for (const Pick& row : rows) {
        xml.writeEmptyElement(kDrawNs, QStringLiteral("color"));
        xml.writeAttribute(kDrawNs, QStringLiteral("name"), PaletteName(row));
        xml.writeAttribute(kDrawNs, QStringLiteral("color"), LowerCode(row.color));
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

QByteArray WriteScribus(const QList<Pick>& rows, const QString& title) {
    QString name = title.simplified();
    if (name.isEmpty()) {
        name = QStringLiteral("Huemark");
    }
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("SCRIBUSCOLORS"));
    xml.writeAttribute(QStringLiteral("Name"), name);
    for (const Pick& row : rows) {
        xml.writeEmptyElement(QStringLiteral("COLOR"));
        xml.writeAttribute(QStringLiteral("NAME"), PaletteName(row));
        xml.writeAttribute(QStringLiteral("RGB"), LowerCode(row.color));
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

ListRead ReadXmlPalette(const QByteArray& bytes) {
    return GuardedLines([&bytes] { return XmlPaletteReader(bytes).rows(); });
}

QString XmlRootName(const QByteArray& bytes) {
    const QByteArray start = bytes.left(4096);
    qsizetype at = start.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < start.size() && QChar::isSpace(static_cast<uchar>(start[at]))) {
        ++at;
    }
    if (at >= start.size() || start[at] != '<') {
        return QString();
    }
    QXmlStreamReader xml(bytes);
    xml.setNamespaceProcessing(false);
    return xml.readNextStartElement() ? xml.qualifiedName().toString() : QString();
}

QByteArray WriteHexList(const QList<Pick>& rows, HexForm form) {
    QByteArray out;
    for (const Pick& row : rows) {
        out +=
            (form == HexForm::File ? LowerCode(row.color).mid(1) : WebCode(row.color)).toLatin1();
        out += '\n';
    }
    return out;
}

ListRead ReadHexList(const QByteArray& bytes) {
    return GuardedLines([&bytes] {
        const QString text =
            QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
        const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
        QList<Pick> rows;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QStringView line = lines[i].trimmed();
            const int number = static_cast<int>(i + 1);
            if (line.isEmpty()) {
                continue;
            }
            const QString code = line.startsWith(QLatin1Char('#'))
                                     ? line.toString()
                                     : QLatin1Char('#') + line.toString();
            const std::optional<Color> color = ParseWebCode(code);
            if (!color) {
                throw LineRefusal{
                    number, Said(QT_TRANSLATE_NOOP("SwatchFormats",
                                                   "a hex list has one colour a line, such as "
                                                   "\"ff8000\"."))};
            }
            if (rows.size() >= kMaxListRows) {
                throw LineRefusal{
                    number, QCoreApplication::translate("SwatchFormats",
                                                        "the file holds more than %1 colours.")
                                .arg(kMaxListRows)};
            }
            rows.append(Pick(*color, QString()));
        }
        return rows;
    });
}

bool LooksLikeHexList(const QByteArray& bytes) {
    const QByteArray head = bytes.left(256);
    const QString start = QString::fromUtf8(head.startsWith("\xEF\xBB\xBF") ? head.mid(3) : head)
                              .trimmed()
                              .section(QLatin1Char('\n'), 0, 0)
                              .trimmed();
    const QString code = start.startsWith(QLatin1Char('#')) ? start : QLatin1Char('#') + start;
    return ParseWebCode(code).has_value();
}
