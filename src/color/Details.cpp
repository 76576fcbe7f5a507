#include "color/Details.h"

#include "pixels/WebCode.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("Details", text);
}
} // namespace

QString DetailsText(const PointDetails& d) {
    QStringList parts;
    parts.append(QStringLiteral("%1, %2").arg(d.position.x()).arg(d.position.y()));
    if (d.stored) {
        parts.append(StoredText(*d.stored));
    }
    QString profile = d.profile.isEmpty() ? tr("no profile") : d.profile;
    if (d.asStored && !d.profile.isEmpty()) {
        profile = tr("%1, stored values shown").arg(d.profile);
    }
    parts.append(profile);
    parts.append(d.shownName.isEmpty()
                     ? tr("shown %1").arg(WebCode(d.shown.value()))
                     : tr("shown %1 %2").arg(WebCode(d.shown.value()), d.shownName));
    if (d.precise && !d.asStored && Clipped(*d.precise)) {
        parts.append(
            tr("clipped, ΔE2000 %1").arg(QString::number(ClippingDifference(*d.precise), 'f', 2)));
    }
    if (d.seen) {
        parts.append(tr("%1 sees %2").arg(d.vision, WebCode(d.seen->value())));
    }
    return parts.join(QStringLiteral(" · "));
}
