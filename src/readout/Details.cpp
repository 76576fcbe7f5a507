#include "readout/Details.h"

#include "pixels/WebCode.h"

#include <QCoreApplication>
#include <QStringList>

QString DetailsText(const PointDetails& d) {
    QStringList parts;
    parts.append(QStringLiteral("%1, %2").arg(d.position.x()).arg(d.position.y()));
    if (d.stored) {
        parts.append(StoredText(*d.stored));
    }
    //: Details line, for a picture without a colour profile.
    QString profile =
        d.profile.isEmpty() ? QCoreApplication::translate("Details", "no profile") : d.profile;
    if (d.asStored && !d.profile.isEmpty()) {
        //: Details line, while the picture shows its stored values. %1: the colour profile's name.
        profile = QCoreApplication::translate("Details", "%1, stored values shown").arg(d.profile);
    }
    parts.append(profile);
    if (d.shownName.isEmpty()) {
        //: Details line. %1: the web code of the colour shown (#RRGGBB).
        parts.append(
            QCoreApplication::translate("Details", "shown %1").arg(WebCode(d.shown.value())));
    } else {
        //: Details line. %1: the web code of the colour shown (#RRGGBB); %2: the nearest CSS
        //: colour name, which stays in English ("≈ red" when not exact).
        parts.append(QCoreApplication::translate("Details", "shown %1 %2")
                         .arg(WebCode(d.shown.value()), d.shownName));
    }
    if (d.precise && !d.asStored && !Finite(*d.precise)) {
        //: Details line: the picture stores an infinity or NaN here, which is no colour to measure.
        parts.append(QCoreApplication::translate("Details", "not a finite colour"));
    } else if (d.precise && !d.asStored && Clipped(*d.precise)) {
        //: Details line: the colour lies outside sRGB. %1: the colour difference the clipping
        //: made, as a number with two decimals.
        parts.append(QCoreApplication::translate("Details", "clipped, ΔE2000 %1")
                         .arg(QString::number(ClippingDifference(*d.precise), 'f', 2)));
    }
    if (d.beyondEndAt) {
        //: Details line: the pixels read lie where the file had ended. %1: the row it ends at.
        parts.append(QCoreApplication::translate("Details", "the file ends at row %1: no colour "
                                                            "of the picture")
                         .arg(*d.beyondEndAt));
    } else if (d.beforeStartAt) {
        //: Details line: the pixels read lie above the rows a file stored from the bottom up
        //: holds, as it ended early. %1: the first row it holds.
        parts.append(QCoreApplication::translate("Details", "the file holds rows from %1 only: "
                                                            "no colour of the picture")
                         .arg(*d.beforeStartAt));
    }
    if (d.seen) {
        //: Details line. %1: the simulated colour vision ("protanopia"); %2: the web code of the
        //: colour as that vision sees it.
        parts.append(QCoreApplication::translate("Details", "%1 sees %2")
                         .arg(d.vision, WebCode(d.seen->value())));
    }
    return parts.join(QStringLiteral(" · "));
}
