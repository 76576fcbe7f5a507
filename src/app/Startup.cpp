// Start-up: the remembered settings restored, the working folder entered, the clipboard's
// picture shown, all before the window first shows.

#include "app/frmHuemark.h"
#include "controls/PictureBox.h"
#include "controls/Tag.h"
#include "desktop/Screens.h"
#include "desktop/SettingsStore.h"
#include "desktop/Twips.h"
#include "readout/Sampling.h"
#include "settings/Settings.h"
#include "settings/SettingsForms.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QScrollBar>

namespace {
constexpr double kDefaultLeft = 105;
constexpr double kDefaultTop = 105;
constexpr double kDefaultWidth = 9000;
constexpr double kDefaultHeight = 3000;
} // namespace

QString frmHuemark::DefaultFolder() {
    return QDir::homePath();
}

void frmHuemark::Form_Load() {
    SettingsStore& store = *m_services.settings;
    const auto read = [&store](const QString& key, const QString& def) {
        return store.GetSetting(Settings::kApp, Settings::kSection, key, def);
    };
    const auto readNumber = [&read](const QString& key, double def) {
        return read(key, SettingsForms::WriteGeometry(static_cast<float>(def)));
    };

    // Window geometry; each size runs the layout.
    setLeft(SettingsForms::ReadPosition(readNumber(Settings::kLeft, kDefaultLeft))
                .value_or(kDefaultLeft));
    setTop(
        SettingsForms::ReadPosition(readNumber(Settings::kTop, kDefaultTop)).value_or(kDefaultTop));
    setWidth(SettingsForms::ReadSize(readNumber(Settings::kWidth, kDefaultWidth))
                 .value_or(kDefaultWidth));
    setHeight(SettingsForms::ReadSize(readNumber(Settings::kHeight, kDefaultHeight))
                  .value_or(kDefaultHeight));
    // A window left on a screen that is gone (or smaller now) comes back where it can be seen.
    const QList<QRect> screens = ScreenAreas();
    if (!screens.isEmpty() && !SettingsForms::IsReachable(frameGeometry(), screens)) {
        move(screens.front().topLeft() +
             QPoint(TwipsToPixelsX(kDefaultLeft), TwipsToPixelsY(kDefaultTop)));
    }

    {
        // The tags option: changing it runs chkTags_Click, which must not move the focus to the
        // hidden window while this flag is held.
        const TagFlag restoring(chkTags, true);
        chkTags->setChecked(
            SettingsForms::ReadTags(read(Settings::kTags, QStringLiteral("1"))).value_or(1) == 1);
    }
    {
        // The averaging radius: hscNeighbors_Change shows it but, while this flag is held, does
        // not refresh the read-out.
        const TagFlag restoring(hscNeighbors, true);
        hscNeighbors->setValue(
            SettingsForms::ReadAverage(read(Settings::kAverage, QStringLiteral("0"))).value_or(0));
    }
    // The radius text is set even when the value did not change.
    txtNeighbors->setText(NumberText(hscNeighbors->value()));

    const QString folder = read(Settings::kPath, DefaultFolder());
    dlgWinDialog->HelpFile = QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                             Settings::kApp + QLatin1String(".html");
    dlgWinDialog->FileName =
        read(Settings::kPathFile, DefaultFolder() + QLatin1String("/NoFile.gif"));

    // A remembered folder that cannot be entered any more: work in the home folder.
    if (!QDir::setCurrent(folder)) {
        QDir::setCurrent(DefaultFolder());
    }

    picColor->setScaleMode(PictureBox::kScalePixels);
    hscNeighbors->setMinimum(kMinRadius);
    hscNeighbors->setMaximum(kMaxRadius);
    ReadPaletteOptions();
    ReadHistoryOption();

    // Options beyond the eight settings, before the first picture comes.
    mnuViewStoredColors->setChecked(store.GetSetting(Settings::kApp, Settings::kOptions,
                                                     QStringLiteral("StoredColours"),
                                                     QStringLiteral("0")) == QLatin1String("1"));

    {
        // The window is not ready yet: while this flag is down, cmdPaste_Click leaves the focus
        // where it is. From the end of this block on the window is ready for the rest of the run.
        // A paste that fails leaves the empty picture and the caption "Huemark", and keeps the
        // remembered folder. A file named on the command line is opened instead, as a dropped
        // file is; one that fails is reported.
        const TagFlag notReady(picColor, false);
        try {
            if (m_startupFile.isEmpty()) {
                cmdPaste_Click();
            } else {
                OpenFileNamed(m_startupFile, m_startupReadFrom);
            }
        } catch (const std::exception&) {
        }
    }

    // The loupe option, under [Options]; the same 0 or 1 form as "Tags", off when missing.
    mnuViewLoupe->setChecked(
        SettingsForms::ReadTags(store.GetSetting(Settings::kApp, Settings::kOptions,
                                                 QStringLiteral("Loupe"), QStringLiteral("0")))
            .value_or(0) == 1);
    mnuViewLoupe_Click();
    // The details line, under [Options] in the same form; off when missing.
    mnuViewDetails->setChecked(
        SettingsForms::ReadTags(store.GetSetting(Settings::kApp, Settings::kOptions,
                                                 QStringLiteral("Details"), QStringLiteral("0")))
            .value_or(0) == 1);
    mnuViewDetails_Click();
    ReadVisionOption();
    // The read-out stands at its design place until the pointer moves; where the pointer's place
    // is not known yet (Wayland, until it comes over the window) it waits hidden instead, since
    // its "#FFFFFF" would stand over pixels of other colours.
    if (!m_services.pointer->knownOver(picColor)) {
        txtCursor->setVisible(false);
    }
}
