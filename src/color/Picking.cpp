// Recording a pick into the list, with its tag on the picture.

#include "app/frmHuemark.h"
#include "platform/FlexGrid.h"
#include "platform/PictureBox.h"
#include "platform/PlatformError.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {
// A background of 0 would mean "the list's default"; a picked black is kept visible as near-black.
constexpr ColorValue kNearBlack = 0x010101;
constexpr float kTagDx = 10;
constexpr float kTagDy = 20;
} // namespace

void frmHuemark::picColor_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
    if (txtDesc->isVisible()) {
        txtDesc->setVisible(false);
    }
    AddToGrid(x, y);
}

void frmHuemark::AddToGrid(const float& x, const float& y) {
    try {
        picColor->setFocus();
        const ColorValue c = picColor->Point(x, y);
        if (c < 0) {
            // Nothing is there to record: the point lies outside the picture's drawing area.
            return;
        }
        const QString code = ColorToWeb(c);
        const Channels channels = ChannelsOfCode(code);
        const ColorValue inv = InverseColor(c);

        if (chkTags->isChecked()) {
            picColor->setForeColor(inv);
            picColor->Line(x + 1, y + 1, x + kTagDx, y + kTagDy);
            picColor->setCurrentX(x + kTagDx);
            picColor->setCurrentY(y + kTagDy);
            picColor->Print(code);
        }

        const QChar tab(QLatin1Char('\t'));
        const QString row = WebCode(c) + tab + WebCode(inv) + tab + NumberText(channels.red) + tab +
                            NumberText(channels.green) + tab + NumberText(channels.blue) + tab;
        grdList->AddItem(row, 1);

        grdList->setRow(1);
        grdList->setCol(0);
        grdList->setFillStyle(0);
        grdList->setCellBackColor(c);
        if (grdList->CellBackColor() == 0) {
            grdList->setCellBackColor(kNearBlack);
        }
        grdList->setCellForeColor(inv);

        grdList->setCol(1);
        grdList->setCellBackColor(inv);
        if (grdList->CellBackColor() == 0) {
            grdList->setCellBackColor(kNearBlack);
        }
        grdList->setCellForeColor(c);

        picColor->setFocus();
    } catch (const PlatformError& e) {
        m_services.messageBox->showMessage(
            this, QStringLiteral("AddToGrid Error ") + e.description(), QStringLiteral("Huemark"));
    } catch (const std::exception& e) {
        m_services.messageBox->showMessage(
            this, QStringLiteral("AddToGrid Error ") + QString::fromLocal8Bit(e.what()),
            QStringLiteral("Huemark"));
    }
}
