// The way to a capture where the desktop asks the user first: what it has kept of an earlier
// answer, and what the user is told before its question and after a refusal.

#include "desktop/capture/ScreenCapture.h"

#include <QCoreApplication>
#include <QFileInfo>

ScreenCaptureResult ScreenCaptureService::ask() {
    ScreenCaptureResult given;
    given.outcome = ScreenCaptureResult::Outcome::Picture;
    return given;
}

std::optional<std::array<double, 3>> ScreenCaptureService::pickColor(QString* error) {
    *error = QCoreApplication::translate("ScreenCapture",
                                         "This desktop offers no colour picker of its own.");
    return std::nullopt;
}

std::optional<ScreenCaptureResult> ClearToCapture(ScreenCaptureService& capture,
                                                  const CaptureTalk& talk) {
    ScreenshotPermission permission = capture.permission();
    if (permission == ScreenshotPermission::Given) {
        return std::nullopt;
    }
    if (permission == ScreenshotPermission::Refused) {
        ScreenCaptureResult refused;
        refused.outcome = ScreenCaptureResult::Outcome::Refused;
        refused.error = ScreenPortal::Refusal();
        if (!talk.askAgain) {
            return refused;
        }
        if (!talk.askAgain(refused.error)) {
            refused.error.clear(); // said already
            return refused;
        }
        if (!capture.forgetRefusal()) {
            return refused;
        }
    } else if (talk.beforeQuestion) {
        talk.beforeQuestion(QCoreApplication::translate(
            "ScreenCapture",
            "The desktop will now ask once whether Huemark may take screenshots. "
            "Choose Allow: from then on Huemark reads the screen without asking."));
    }
    ScreenCaptureResult answer = capture.ask();
    if (answer.outcome == ScreenCaptureResult::Outcome::Picture ||
        answer.outcome == ScreenCaptureResult::Outcome::File) {
        return std::nullopt;
    }
    return answer;
}

namespace ScreenPortal {

ScreenshotPermission PermissionIn(const QMap<QString, QStringList>& table, const QStringList& ids) {
    for (const QString& id : ids) {
        const auto entry = table.constFind(id);
        if (entry == table.constEnd()) {
            continue;
        }
        if (entry->contains(QLatin1String("yes"))) {
            return ScreenshotPermission::Given;
        }
        if (entry->contains(QLatin1String("no"))) {
            return ScreenshotPermission::Refused;
        }
        return ScreenshotPermission::Unasked;
    }
    return ScreenshotPermission::Unasked;
}

namespace {
bool DesktopIs(const QString& currentDesktop, QLatin1String name) {
    return currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts)
        .contains(name, Qt::CaseInsensitive);
}
} // namespace

bool DesktopAsks(const QString& currentDesktop) {
    return DesktopIs(currentDesktop, QLatin1String("GNOME"));
}

bool NeverAsks(const QString& currentDesktop) {
    return DesktopIs(currentDesktop, QLatin1String("KDE"));
}

bool DrawsPointer(const QString& currentDesktop) {
    return DesktopIs(currentDesktop, QLatin1String("KDE"));
}

QString CancelledBySelf(const QString& picturesFolder) {
    if (!picturesFolder.isEmpty() && !QFileInfo(picturesFolder).isDir()) {
        //: %1: the folder's path.
        return QCoreApplication::translate(
                   "ScreenCapture",
                   "The desktop could not save its screenshot, and asked nobody: its Pictures "
                   "folder %1, where it saves screenshots, is missing.")
            .arg(picturesFolder);
    }
    return QCoreApplication::translate(
        "ScreenCapture", "The desktop could not save its screenshot, and asked nobody.");
}

QString Refusal() {
    return QCoreApplication::translate(
        "ScreenCapture", "The desktop refuses Huemark screenshots: Deny was chosen when it asked.");
}

} // namespace ScreenPortal
