#include "screencheck/Report.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cmath>

namespace {
QString Figure(double v) {
    return QString::number(v, 'f', 1);
}

// What the capture got wrong, each difference in a few words.
QStringList CaptureDifferences(const MonitorReport& m) {
    QStringList said;
    if (!m.capture) {
        said << QCoreApplication::translate("ScreenCheck", "not captured: %1").arg(m.captureError);
        return said;
    }
    const CaptureComparison& c = *m.capture;
    if (c.captured != c.expected) {
        //: %1×%2: the device pixels the capture held; %3×%4: the monitor's.
        said << QCoreApplication::translate("ScreenCheck",
                                            "the capture holds %1×%2 pixels of its %3×%4")
                    .arg(c.captured.width())
                    .arg(c.captured.height())
                    .arg(c.expected.width())
                    .arg(c.expected.height());
    }
    if (!c.marksFound) {
        said << QCoreApplication::translate("ScreenCheck",
                                            "the chart's corner marks are not where they belong");
    } else if (!c.marksAgree) {
        said << QCoreApplication::translate(
            "ScreenCheck",
            "the chart's corner marks are moved by different amounts (the capture is "
            "scaled)");
    } else if (!c.offset.isNull()) {
        //: %1, %2: how far right and down the capture shows the chart, in device pixels.
        said << QCoreApplication::translate("ScreenCheck", "positions off by %1, %2 device pixels")
                    .arg(c.offset.x())
                    .arg(c.offset.y());
    }
    if (c.pixelsDiffering > 0) {
        //: %1: the largest difference of a channel (0 to 255); %2: CIEDE2000; %3: how many
        //: pixels differ.
        said << QCoreApplication::translate("ScreenCheck",
                                            "values differ by up to %1 (ΔE2000 %2) in %3 pixels")
                    .arg(c.largestDifference)
                    .arg(Figure(c.largestDeltaE))
                    .arg(c.pixelsDiffering);
    }
    if (c.bitsPerChannel < 8) {
        //: %1: the bits of a channel the capture keeps; %2: the monitor's bits a pixel.
        said << QCoreApplication::translate("ScreenCheck", "%1 bits a channel come back (depth %2)")
                    .arg(c.bitsPerChannel)
                    .arg(m.depth);
    } else if (c.nearBlackSteps < 16) {
        said << QCoreApplication::translate("ScreenCheck",
                                            "%1 of the 16 near-black steps stay apart")
                    .arg(c.nearBlackSteps);
    }
    if (!c.checkerboardExact) {
        said << QCoreApplication::translate(
            "ScreenCheck", "the one-pixel checkerboard does not come back (not at device pixels)");
    }
    if (said.isEmpty()) {
        said << QCoreApplication::translate("ScreenCheck", "not exact");
    }
    return said;
}

// What the user sees differs from the picked values by.
QStringList SeenDifferences(const MonitorReport& m) {
    QStringList said;
    const ProfileSummary& p = m.profile;
    if (p.present && !p.readable) {
        said << QCoreApplication::translate("ScreenCheck", "a profile lcms2 cannot read (%1)")
                    .arg(p.hash);
    } else if (p.present && p.largest() >= 0.5) {
        //: %1: the profile's name; %2 to %5: CIEDE2000 of red, green, blue and white from sRGB's.
        said << QCoreApplication::translate(
                    "ScreenCheck",
                    "the profile \"%1\" (red ΔE2000 %2, green %3, blue %4, white %5)")
                    .arg(p.description, Figure(p.red), Figure(p.green), Figure(p.blue),
                         Figure(p.white));
    }
    const RampSummary& r = m.ramps;
    if (r.known && !r.identity) {
        //: %1: CIEDE2000 of the white the ramps give from D65; %2: of the middle grey.
        said << QCoreApplication::translate(
                    "ScreenCheck",
                    "gamma ramps that are not the identity (white ΔE2000 %1 from D65, middle "
                    "grey %2)")
                    .arg(Figure(r.whiteDeltaE), Figure(r.greyDeltaE));
    }
    return said;
}

QJsonValue Number(double v) {
    return QJsonValue(std::round(v * 100) / 100);
}

QJsonValue Top(double v) {
    return QJsonValue(std::round(v * 1000) / 1000);
}
} // namespace

QString Verdict(const MonitorReport& m) {
    QString verdict = m.exact() ? QCoreApplication::translate("ScreenCheck", "exact")
                                : CaptureDifferences(m).join(QStringLiteral("; "));
    const QStringList seen = SeenDifferences(m);
    if (!seen.isEmpty()) {
        //: After the capture's verdict: %1, what changes the colours on their way to the eye.
        verdict += QCoreApplication::translate("ScreenCheck", "; what you see differs by %1")
                       .arg(seen.join(QCoreApplication::translate("ScreenCheck", " and ")));
    }
    return verdict;
}

QString ReportText(const QList<MonitorReport>& monitors) {
    QString text;
    for (const MonitorReport& m : monitors) {
        //: %1: the monitor's name; %2×%3 its device pixels; %4,%5 its place; %6 its scale; %7
        //: its bits a pixel.
        text +=
            QCoreApplication::translate("ScreenCheck", "%1: %2×%3 at %4,%5, scale %6, depth %7\n")
                .arg(m.name)
                .arg(m.devicePixels.width())
                .arg(m.devicePixels.height())
                .arg(m.devicePixels.x())
                .arg(m.devicePixels.y())
                .arg(m.scale)
                .arg(m.depth);
        const ProfileSummary& p = m.profile;
        if (!p.present) {
            text += QCoreApplication::translate("ScreenCheck", "  profile: no profile (%1)\n")
                        .arg(m.profilePlace);
        } else if (!p.readable) {
            text += QCoreApplication::translate("ScreenCheck",
                                                "  profile: unreadable, %1 bytes, sha256 %2 (%3)\n")
                        .arg(p.bytes)
                        .arg(p.hash, m.profilePlace);
        } else {
            //: %1: its name; %2 its hash; %3 where it is published; %4 to %7: CIEDE2000 of red,
            //: green, blue from sRGB's and of its white from D65.
            text += QCoreApplication::translate(
                        "ScreenCheck",
                        "  profile: \"%1\", sha256 %2 (%3); ΔE2000 from sRGB: red %4, green %5, "
                        "blue %6, white %7\n")
                        .arg(p.description, p.hash, m.profilePlace, Figure(p.red), Figure(p.green),
                             Figure(p.blue), Figure(p.white));
        }
        const RampSummary& r = m.ramps;
        if (!r.known) {
            text += QCoreApplication::translate("ScreenCheck", "  gamma: unknown (%1)\n")
                        .arg(m.rampPlace);
        } else if (r.identity) {
            text +=
                QCoreApplication::translate("ScreenCheck", "  gamma: identity, %1 entries (%2)\n")
                    .arg(r.size)
                    .arg(m.rampPlace);
        } else {
            //: %1: the ramps' entries; %2: where they were read; %3:%4:%5: their top values (0
            //: to 1); %6: CIEDE2000 of the white they give from D65; %7: of the middle grey.
            text += QCoreApplication::translate(
                        "ScreenCheck",
                        "  gamma: not the identity, %1 entries (%2); top %3:%4:%5, white ΔE2000 "
                        "%6 from D65, middle grey %7\n")
                        .arg(r.size)
                        .arg(m.rampPlace)
                        .arg(QString::number(r.topRed, 'f', 3), QString::number(r.topGreen, 'f', 3),
                             QString::number(r.topBlue, 'f', 3), Figure(r.whiteDeltaE),
                             Figure(r.greyDeltaE));
        }
        text += QCoreApplication::translate("ScreenCheck", "  verdict: %1\n").arg(Verdict(m));
    }
    return text;
}

QByteArray ReportJson(const QList<MonitorReport>& monitors) {
    QJsonArray list;
    bool allExact = !monitors.isEmpty();
    for (const MonitorReport& m : monitors) {
        allExact = allExact && m.exact();
        QJsonObject monitor{{QStringLiteral("name"), m.name},
                            {QStringLiteral("x"), m.devicePixels.x()},
                            {QStringLiteral("y"), m.devicePixels.y()},
                            {QStringLiteral("width"), m.devicePixels.width()},
                            {QStringLiteral("height"), m.devicePixels.height()},
                            {QStringLiteral("scale"), m.scale},
                            {QStringLiteral("depth"), m.depth}};
        const ProfileSummary& p = m.profile;
        monitor.insert(QStringLiteral("profile"),
                       !p.present ? QJsonValue()
                                  : QJsonObject{{QStringLiteral("place"), m.profilePlace},
                                                {QStringLiteral("readable"), p.readable},
                                                {QStringLiteral("description"), p.description},
                                                {QStringLiteral("sha256"), p.hash},
                                                {QStringLiteral("bytes"), qint64(p.bytes)},
                                                {QStringLiteral("deltaERed"), Number(p.red)},
                                                {QStringLiteral("deltaEGreen"), Number(p.green)},
                                                {QStringLiteral("deltaEBlue"), Number(p.blue)},
                                                {QStringLiteral("deltaEWhite"), Number(p.white)}});
        const RampSummary& r = m.ramps;
        monitor.insert(
            QStringLiteral("gamma"),
            !r.known ? QJsonValue()
                     : QJsonObject{{QStringLiteral("place"), m.rampPlace},
                                   {QStringLiteral("identity"), r.identity},
                                   {QStringLiteral("entries"), r.size},
                                   {QStringLiteral("top"),
                                    QJsonArray{Top(r.topRed), Top(r.topGreen), Top(r.topBlue)}},
                                   {QStringLiteral("whiteDeltaE"), Number(r.whiteDeltaE)},
                                   {QStringLiteral("greyDeltaE"), Number(r.greyDeltaE)}});
        QJsonObject capture;
        if (m.capture) {
            const CaptureComparison& c = *m.capture;
            capture = {{QStringLiteral("exact"), c.exact},
                       {QStringLiteral("width"), c.captured.width()},
                       {QStringLiteral("height"), c.captured.height()},
                       {QStringLiteral("marksFound"), c.marksFound},
                       {QStringLiteral("marksAgree"), c.marksAgree},
                       {QStringLiteral("offsetX"), c.offset.x()},
                       {QStringLiteral("offsetY"), c.offset.y()},
                       {QStringLiteral("largestDifference"), c.largestDifference},
                       {QStringLiteral("deltaE"), Number(c.largestDeltaE)},
                       {QStringLiteral("pixelsDiffering"), c.pixelsDiffering},
                       {QStringLiteral("bitsPerChannel"), c.bitsPerChannel},
                       {QStringLiteral("nearBlackSteps"), c.nearBlackSteps},
                       {QStringLiteral("checkerboardExact"), c.checkerboardExact}};
        } else {
            capture = {{QStringLiteral("exact"), false}, {QStringLiteral("error"), m.captureError}};
        }
        monitor.insert(QStringLiteral("capture"), capture);
        monitor.insert(QStringLiteral("verdict"), Verdict(m));
        list << monitor;
    }
    const QJsonObject document{{QStringLiteral("exact"), allExact},
                               {QStringLiteral("monitors"), list}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}
