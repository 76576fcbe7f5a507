#include "background/PickGesture.h"

#include "desktop/IniSettingsStore.h"
#include "desktop/Services.h"
#include "desktop/capture/ScreenCapture.h"
#include "history/PickHistory.h"
#include "palette/Template.h"
#include "screenpick/ScreenPick.h"
#include "settings/Settings.h"
#include "settings/SettingsForms.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QByteArray RuntimeFile(const char* name) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        return runtime + '/' + name;
    }
    return QFile::encodeName(QDir::tempPath()) + '/' + QByteArray::number(::getuid()) + '-' + name;
}

GestureLock::GestureLock() {
    const QByteArray path = RuntimeFile("huemark-pick.lock");
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

GestureLock::~GestureLock() {
    release();
}

void GestureLock::release() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

PickAnswer GestureLock::Refusal() {
    PickAnswer a;
    a.exitCode = 2;
    a.err = (QStringLiteral("huemark: ") +
             QCoreApplication::translate("PickGesture", "another pick is under way") +
             QLatin1Char('\n'))
                .toLocal8Bit();
    return a;
}

PickAnswer PickGesture(const PickWish& wish, ScreenCaptureService& capture, PointerService& pointer,
                       HistoryService* history, FrozenX11Screen* frozen, bool* copied) {
    IniSettingsStore store;
    ScreenPickOptions options;
    options.radius =
        SettingsForms::ReadAverage(store.GetSetting(Settings::kApp, Settings::kSection,
                                                    Settings::kAverage, QStringLiteral("0")))
            .value_or(0);
    const bool keep =
        SettingsForms::ReadTags(store.GetSetting(Settings::kApp, Settings::kOptions,
                                                 Settings::kKeepHistory, QStringLiteral("1")))
            .value_or(1) != 0;
    options.notation = wish.notation.value_or(Notation::WebCode);
    if (frozen != nullptr) {
        options.earlyInput = [frozen] { return frozen->releaseInput(); };
    }
    QString text;
    // Why the template could not be filled for the pick (a colour the desktop's picker gave has
    // no place for {x}).
    QString unfilled;
    options.picked = [&](const ScreenPickResult& pick) {
        if (!wish.colorTemplate.isEmpty()) {
            const TemplateText filled = ColorTemplate(wish.colorTemplate).render(pick.pick);
            unfilled = filled.error;
            text = filled.text;
        } else {
            text = wish.notation ? ColorAs(*wish.notation, pick.pick) : PickJson(pick);
        }
        if (wish.copy && unfilled.isEmpty()) {
            QGuiApplication::clipboard()->setText(wish.notation || !wish.colorTemplate.isEmpty()
                                                      ? text
                                                      : ColorAs(Notation::WebCode, pick.pick));
            *copied = true;
        }
    };
    const ScreenPickResult pick = PickFromScreen(capture, pointer, nullptr, options);
    PickAnswer a;
    switch (pick.outcome) {
    case ScreenPickResult::Outcome::Picked:
        a.exitCode = 0;
        a.out = text.toUtf8() + '\n';
        if (!unfilled.isEmpty()) {
            a.exitCode = 2;
            a.out.clear();
            a.err = (QStringLiteral("huemark: ") + unfilled + QLatin1Char('\n')).toLocal8Bit();
        } else if (!pick.note.isEmpty()) {
            a.err = (QStringLiteral("huemark: ") + pick.note + QLatin1Char('\n')).toLocal8Bit();
        }
        if (history != nullptr && keep) {
            Pick kept = pick.pick;
            kept.origin.source = QCoreApplication::translate("frmHuemark", "Screen capture");
            history->add(kept);
        }
        break;
    case ScreenPickResult::Outcome::Cancelled:
        a.exitCode = 1;
        break;
    case ScreenPickResult::Outcome::Refused:
    case ScreenPickResult::Outcome::Failed:
        a.exitCode = 2;
        a.err = (QStringLiteral("huemark: ") + pick.error + QLatin1Char('\n')).toLocal8Bit();
        break;
    }
    return a;
}
