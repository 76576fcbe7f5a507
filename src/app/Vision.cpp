// View, Simulate Colour Vision: the picture drawn as people with a colour-vision deficiency see
// it. The read-out, picks, copies and saved lists keep the picture's own values; the details
// line adds the colour as the simulated vision sees it.

#include "app/frmHuemark.h"
#include "controls/PictureBox.h"
#include "desktop/SettingsStore.h"
#include "desktop/Twips.h"
#include "settings/Settings.h"

#include <QActionGroup>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>

namespace {
const QString kVisionKey = QStringLiteral("ColourVision");

struct VisionItem {
    ColorVision vision;
    const char* name;
    const char* caption;
};
constexpr VisionItem kVisionItems[] = {
    //: View, Simulate Colour Vision: vision with all three kinds of cones.
    {ColorVision::Normal, "mnuViewVisionNormal", QT_TRANSLATE_NOOP("frmHuemark", "&Normal")},
    {ColorVision::Protanopia, "mnuViewVisionProtanopia",
     QT_TRANSLATE_NOOP("frmHuemark", "&Protanopia (no red cones)")},
    {ColorVision::Deuteranopia, "mnuViewVisionDeuteranopia",
     QT_TRANSLATE_NOOP("frmHuemark", "&Deuteranopia (no green cones)")},
    {ColorVision::Tritanopia, "mnuViewVisionTritanopia",
     QT_TRANSLATE_NOOP("frmHuemark", "&Tritanopia (no blue cones)")},
    {ColorVision::Achromatopsia, "mnuViewVisionAchromatopsia",
     QT_TRANSLATE_NOOP("frmHuemark", "&Achromatopsia (no colour)")}};
} // namespace

QString frmHuemark::VisionName(ColorVision vision) {
    switch (vision) {
    case ColorVision::Protanopia:
        //: A simulated colour vision, put in for %1 of the details line's "%1 sees %2".
        return tr("protanopia");
    case ColorVision::Deuteranopia:
        //: A simulated colour vision, put in for %1 of the details line's "%1 sees %2".
        return tr("deuteranopia");
    case ColorVision::Tritanopia:
        //: A simulated colour vision, put in for %1 of the details line's "%1 sees %2".
        return tr("tritanopia");
    case ColorVision::Achromatopsia:
        //: A simulated colour vision, put in for %1 of the details line's "%1 sees %2".
        return tr("achromatopsia");
    case ColorVision::Normal:
        break;
    }
    return QString();
}

void frmHuemark::createVisionCommands() {
    mnuViewVision = new QMenu(tr("Simulate Colour &Vision"), mnuView);
    mnuViewVision->setObjectName(QStringLiteral("mnuViewVision"));
    mnuView->insertMenu(mnuViewDetails, mnuViewVision);
    auto* group = new QActionGroup(mnuViewVision);
    for (const VisionItem& entry : kVisionItems) {
        QAction* item = mnuViewVision->addAction(tr(entry.caption));
        item->setObjectName(QLatin1String(entry.name));
        item->setCheckable(true);
        item->setChecked(entry.vision == m_vision);
        group->addAction(item);
        const ColorVision vision = entry.vision;
        connect(item, &QAction::triggered, this, [this, vision] { mnuViewVision_Click(vision); });
    }
}

void frmHuemark::mnuViewVision_Click(ColorVision vision) {
    m_vision = vision;
    for (const VisionItem& entry : kVisionItems) {
        findChild<QAction*>(QLatin1String(entry.name))->setChecked(entry.vision == vision);
    }
    picColor->setColorVision(vision);
    // The read-out holds a second code while a vision is simulated: it widens to show both.
    if (vision == ColorVision::Normal) {
        SetWidthTwips(txtCursor, kReadoutWidth);
    } else {
        // Room for the widest two codes: each hexadecimal digit at the font's widest.
        const QFontMetrics metrics = txtCursor->fontMetrics();
        QChar widest = u'0';
        for (const QChar digit : QStringLiteral("0123456789ABCDEF")) {
            if (metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(widest)) {
                widest = digit;
            }
        }
        const QString code = QStringLiteral("#") + QString(6, widest);
        const int margins = txtCursor->width() - txtCursor->contentsRect().width() +
                            txtCursor->textMargins().left() + txtCursor->textMargins().right() + 6;
        txtCursor->resize(
            std::max(TwipsToPixelsX(kReadoutWidth),
                     metrics.horizontalAdvance(code + QStringLiteral(" \u2192 ") + code) + margins),
            txtCursor->height());
    }
    refreshReadout();
}

void frmHuemark::ReadVisionOption() {
    // Normal vision when the key is missing or holds something else.
    mnuViewVision_Click(ColorVisionOfKey(m_services.settings->GetSetting(
                                             Settings::kApp, Settings::kOptions, kVisionKey,
                                             ColorVisionKey(ColorVision::Normal)))
                            .value_or(ColorVision::Normal));
}

void frmHuemark::SaveVisionOption() {
    m_services.settings->SaveSetting(Settings::kApp, Settings::kOptions, kVisionKey,
                                     ColorVisionKey(m_vision));
}
