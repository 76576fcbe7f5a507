#include "list/Printout.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {
constexpr int kIndent = 4;
constexpr int kRuleLength = 80;
constexpr int kTabStop = 8;
constexpr std::array<int, 5> kFieldWidths{11, 11, 4, 6, 5};

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

QString PrintListLine(const QStringList& cells, bool titlesRow) {
    QString line = PrintIndent();
    for (std::size_t col = 0; col < kFieldWidths.size(); ++col) {
        QString text = static_cast<qsizetype>(col) < cells.size() ? cells[col] : QString();
        if (titlesRow) {
            const auto first = std::find_if(text.cbegin(), text.cend(),
                                            [](QChar c) { return c != QLatin1Char(' '); });
            text.remove(0, first - text.cbegin());
        }
        const qsizetype pad = std::max<qsizetype>(0, kFieldWidths[col] - text.size());
        line += QString(pad, QLatin1Char(' ')) + text;
    }
    line += QLatin1Char(' ');
    if (cells.size() > static_cast<qsizetype>(kFieldWidths.size())) {
        line += cells[kFieldWidths.size()];
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
