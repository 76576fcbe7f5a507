// Recording a pick into the list, with its tag on the picture.

#include "app/frmHuemark.h"
#include "controls/Announcer.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "pixels/PlatformError.h"
#include "readout/ColorCodes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <cmath>

namespace {
// Where the tag's line ends and its label starts, from the picked pixel.
constexpr float kTagDx = 10;
constexpr float kTagDy = 20;
} // namespace

void frmHuemark::picColor_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
    if (txtDesc->isVisible()) {
        txtDesc->setVisible(false);
    }
    AddToGrid(x, y);
}

void frmHuemark::DrawTag(float x, float y, ColorValue c) {
    picColor->setForeColor(InverseColor(c));
    picColor->Line(x + 1, y + 1, x + kTagDx, y + kTagDy);
    picColor->setCurrentX(x + kTagDx);
    picColor->setCurrentY(y + kTagDy);
    picColor->Print(ColorToWeb(c));
}

void frmHuemark::AddPickOnTop(const Pick& pick, bool said) {
    m_picks->addOnTop(pick);
    KeepInHistory(pick);
    m_pointerRests.stop(); // the pick is said; the colour under the resting pointer is not again
    if (said) {
        //: Said by a screen reader after a pick: %1 the colour's web code, %2 its row in the list.
        m_announcer->announce(tr("Picked %1, row %2").arg(WebCode(pick.color.value())).arg(1));
    }
    // The new top row's first two cells were made current in turn; the second stays so.
    grdList->setRow(1);
    grdList->setCol(0);
    grdList->setFillStyle(0);
    grdList->setCol(1);
}

void frmHuemark::AddToGrid(const float& x, const float& y) {
    try {
        picColor->setFocus();
        std::optional<Pick> pick = picColor->PickAt(x, y, 0);
        if (!pick) {
            // Nothing is there to record: the point lies outside the picture's drawing area.
            return;
        }
        if (chkTags->isChecked()) {
            DrawTag(x, y, pick->color.value());
            m_tags.append(QPointF(x, y));
        }
        // The picture's title, as the window shows it.
        pick->origin.source = Caption();
        AddPickOnTop(*pick);
        picColor->setFocus();
    } catch (const PlatformError& e) {
        //: A message box when a pick could not be added to the list. %1: the reason.
        m_services.messageBox->showMessage(
            this,
            QCoreApplication::translate("frmHuemark", "AddToGrid Error %1").arg(e.description()),
            QStringLiteral("Huemark"));
    } catch (const std::exception& e) {
        m_services.messageBox->showMessage(
            this,
            //: A message box when a pick could not be added to the list. %1: the reason.
            QCoreApplication::translate("frmHuemark", "AddToGrid Error %1")
                .arg(QString::fromLocal8Bit(e.what())),
            QStringLiteral("Huemark"));
    }
}
