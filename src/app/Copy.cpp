// Ctrl+C: what a user would paste elsewhere, in the notation chosen under Edit, Copy As (or
// through its Custom template). From the list, the selected cells as text (as web codes) or each
// selected row's colour; from the picture, the colour the read-out shows. (The description editor
// copies its own selection.)

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

void frmHuemark::CopySelection() {
    QString text;
    if (m_copyCustom) {
        // Copy As, Custom: the selected rows, or the read-out's colour, through the template.
        QList<Pick> picks;
        if (grdList->hasFocus()) {
            picks = PicksOfRows(std::min(grdList->Row(), grdList->RowSel()),
                                std::max(grdList->Row(), grdList->RowSel()));
        } else if (picColor->hasFocus()) {
            if (const std::optional<Pick> readout = ReadoutPick()) {
                picks << *readout;
            }
        }
        if (!picks.isEmpty()) {
            text = ThroughTemplate(picks).value_or(QString());
        }
    } else if (grdList->hasFocus()) {
        text = m_copyNotation == Notation::WebCode ? grdList->SelectedText()
                                                   : SelectedRowsAs(m_copyNotation);
    } else if (picColor->hasFocus() && txtCursor->isVisible()) {
        text = ReadoutAs(m_copyNotation);
    }
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}
