#include "palette/Contrast.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {
QString Verdict(bool passes) {
    if (passes) {
        //: A contrast verdict, put in for %1 or %2 of "AA: normal text %1, large text %2".
        return QCoreApplication::translate("Contrast", "pass");
    }
    //: A contrast verdict, put in for %1 or %2 of "AA: normal text %1, large text %2".
    return QCoreApplication::translate("Contrast", "fail");
}

// APCA's screen luminance: a plain 2.4 power of each channel, weighted as sRGB's primaries.
double ApcaLuminance(Color c) {
    const auto channel = [](int value) { return std::pow(value / 255.0, 2.4); };
    return 0.2126729 * channel(c.red()) + 0.7151522 * channel(c.green()) +
           0.0721750 * channel(c.blue());
}

// Near black, the luminance is raised smoothly, as a screen's flare lifts its darkest levels.
double SoftClampBlack(double y) {
    constexpr double kThreshold = 0.022;
    constexpr double kExponent = 1.414;
    return y < kThreshold ? y + std::pow(kThreshold - y, kExponent) : y;
}

QString Sample(Color text, Color back) {
    return QStringLiteral("<span style=\"color:%1; background-color:%2\">&nbsp;%3&nbsp;</span>")
        .arg(WebCode(text), WebCode(back),
             //: Shown in each colour on the other, to judge their contrast by eye.
             QCoreApplication::translate("Contrast", "Sample text").toHtmlEscaped());
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

double ApcaContrast(Color text, Color background) {
    constexpr double kMinimumDifference = 0.0005;
    constexpr double kScale = 1.14;
    constexpr double kOffset = 0.027;
    constexpr double kLowClip = 0.1;
    const double yText = SoftClampBlack(ApcaLuminance(text));
    const double yBack = SoftClampBlack(ApcaLuminance(background));
    if (std::abs(yBack - yText) < kMinimumDifference) {
        return 0;
    }
    if (yBack > yText) { // dark text on a lighter background
        const double sapc = (std::pow(yBack, 0.56) - std::pow(yText, 0.57)) * kScale;
        return sapc < kLowClip ? 0 : (sapc - kOffset) * 100;
    }
    const double sapc = (std::pow(yBack, 0.65) - std::pow(yText, 0.62)) * kScale;
    return sapc > -kLowClip ? 0 : (sapc + kOffset) * 100;
}

QString ApcaText(double lc) {
    const double tenths = std::round(lc * 10);
    return QString::number(tenths == 0 ? 0.0 : tenths / 10, 'f', 1);
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
    //: %1, %2: the two colours' web codes (#RRGGBB); %3: their contrast ratio ("4.52"), read
    //: "4.52 to 1".
    const QString head = QCoreApplication::translate("Contrast", "Contrast of %1 and %2: %3:1")
                             .arg(a, b, RatioText(ratio));
    //: WCAG level AA. %1: the verdict for normal text, %2: for large text ("pass" or "fail").
    const QString aa = QCoreApplication::translate("Contrast", "AA: normal text %1, large text %2")
                           .arg(Verdict(v.aaNormal), Verdict(v.aaLarge));
    //: WCAG level AAA. %1: the verdict for normal text, %2: for large text ("pass" or "fail").
    const QString aaa =
        QCoreApplication::translate("Contrast", "AAA: normal text %1, large text %2")
            .arg(Verdict(v.aaaNormal), Verdict(v.aaaLarge));
    //: APCA's lightness contrast. %1: the value Lc ("-68.5"); %2: the web code of the text's
    //: colour; %3: the web code of the background's.
    const QString apca = QCoreApplication::translate("Contrast", "APCA Lc %1 (%2 text on %3)")
                             .arg(ApcaText(ApcaContrast(first.color, second.color)), a, b);
    ContrastReport report;
    report.plain =
        head + QLatin1Char('\n') + aa + QLatin1Char('\n') + aaa + QLatin1Char('\n') + apca;
    report.rich = QStringLiteral("<p style=\"white-space:pre\"><b>%1</b><br>%2<br>%3<br>%4</p>"
                                 "<p>%5 %6</p>")
                      .arg(head.toHtmlEscaped(), aa.toHtmlEscaped(), aaa.toHtmlEscaped(),
                           apca.toHtmlEscaped(), Sample(first.color, second.color),
                           Sample(second.color, first.color));
    return report;
}
