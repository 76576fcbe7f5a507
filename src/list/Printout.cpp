#include "list/Printout.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {
constexpr int kIndent = 4;
constexpr int kRuleLength = 80;
constexpr int kTabStop = 8;
constexpr PrintFields kFieldWidths{11, 11, 4, 6, 5};

// Characters a fixed-pitch font prints two columns wide: the East Asian wide and full-width ones.
bool IsWide(uint c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

QString WithoutLeadingBlanks(QString text) {
    const auto first =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c != QLatin1Char(' '); });
    text.remove(0, first - text.cbegin());
    return text;
}

bool PrintsAsBlank(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}
} // namespace

QString PrintIndent() {
    return QString(kIndent, QLatin1Char(' '));
}

QString PrintTimestamp(const QDateTime& when) {
    return when.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
}

QString PrintPageLabel(bool picturePage, int page) {
    //: The end of a printout's title line. %1: the page's number. Keep the two leading blanks.
    return picturePage ? QCoreApplication::translate("Printout", "  Page %1").arg(page) : QString();
}

QString PrintTitleLine(const QString& caption, const QString& timestamp, const QString& pageLabel) {
    //: A printout's title line, between the caption and the date and time it was printed. Keep
    //: the two leading blanks and the trailing one.
    return PrintableText(PrintIndent() + caption +
                         QCoreApplication::translate("Printout", "  Printed: ") + timestamp +
                         pageLabel);
}

QString PrintRuleLine() {
    return PrintIndent() + QString(kRuleLength, QLatin1Char('_'));
}

int PrintedWidth(const QString& text) {
    int width = 0;
    for (const uint c : text.toUcs4()) {
        width += IsWide(c) ? 2 : 1;
    }
    return width;
}

PrintFields PrintFieldWidths(const QStringList& titles) {
    PrintFields widths = kFieldWidths;
    for (std::size_t col = 0; col < widths.size(); ++col) {
        if (static_cast<qsizetype>(col) < titles.size()) {
            // The title and a blank before it, so that it never runs into the title to its left.
            widths[col] =
                std::max(widths[col], PrintedWidth(WithoutLeadingBlanks(titles[col])) + 1);
        }
    }
    return widths;
}

QString PrintListLine(const QStringList& cells, bool titlesRow, const PrintFields& widths) {
    QString line = PrintIndent();
    for (std::size_t col = 0; col < widths.size(); ++col) {
        QString text = static_cast<qsizetype>(col) < cells.size() ? cells[col] : QString();
        if (titlesRow) {
            text = WithoutLeadingBlanks(text);
        }
        const qsizetype pad = std::max<qsizetype>(0, widths[col] - PrintedWidth(text));
        line += QString(pad, QLatin1Char(' ')) + text;
    }
    line += QLatin1Char(' ');
    if (cells.size() > static_cast<qsizetype>(widths.size())) {
        line += cells[widths.size()];
    }
    return PrintableText(line);
}

QString PrintableText(const QString& text) {
    if (std::none_of(text.cbegin(), text.cend(), PrintsAsBlank)) {
        return text;
    }
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('\t')) {
            const qsizetype blanks = kTabStop - shown.size() % kTabStop;
            shown += QString(blanks, QLatin1Char(' '));
        } else {
            shown += PrintsAsBlank(c) ? QLatin1Char(' ') : c;
        }
    }
    return shown;
}
