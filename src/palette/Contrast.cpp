#include "palette/Contrast.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("Contrast", text);
}

QString Verdict(bool passes) {
    return passes ? tr("pass") : tr("fail");
}

QString Sample(Color text, Color back) {
    return QStringLiteral("<span style=\"color:%1; background-color:%2\">&nbsp;%3&nbsp;</span>")
        .arg(WebCode(text), WebCode(back), tr("Sample text").toHtmlEscaped());
}
} // namespace

double RelativeLuminance(Color c) {
    return 0.2126 * LinearChannel(c.red()) + 0.7152 * LinearChannel(c.green()) +
           0.0722 * LinearChannel(c.blue());
}

double ContrastRatio(Color a, Color b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ContrastVerdicts VerdictsOf(double ratio) {
    return {ratio >= 4.5, ratio >= 3, ratio >= 7, ratio >= 4.5};
}

QString RatioText(double ratio) {
    // The small allowance keeps ratios that are exact in decimal (21, 1) from falling a
    // hundredth short through binary rounding.
    const double cut = std::floor(ratio * 100 + 1e-9) / 100;
    return QString::number(cut, 'f', 2);
}

ContrastReport ContrastReportOf(const Pick& first, const Pick& second) {
    const double ratio = ContrastRatio(first.color, second.color);
    const ContrastVerdicts v = VerdictsOf(ratio);
    const QString a = WebCode(first.color);
    const QString b = WebCode(second.color);
    const QString head = tr("Contrast of %1 and %2: %3:1").arg(a, b, RatioText(ratio));
    const QString aa =
        tr("AA: normal text %1, large text %2").arg(Verdict(v.aaNormal), Verdict(v.aaLarge));
    const QString aaa =
        tr("AAA: normal text %1, large text %2").arg(Verdict(v.aaaNormal), Verdict(v.aaaLarge));
    ContrastReport report;
    report.plain = head + QLatin1Char('\n') + aa + QLatin1Char('\n') + aaa;
    report.rich = QStringLiteral("<p style=\"white-space:pre\"><b>%1</b><br>%2<br>%3</p><p>%4 "
                                 "%5</p>")
                      .arg(head.toHtmlEscaped(), aa.toHtmlEscaped(), aaa.toHtmlEscaped(),
                           Sample(first.color, second.color), Sample(second.color, first.color));
    return report;
}
