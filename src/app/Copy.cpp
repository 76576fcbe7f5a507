// Ctrl+C: what a user would paste elsewhere, in the notation chosen under Edit, Copy As. From the
// list, the selected cells as text (as web codes) or each selected row's colour; from the picture,
// the colour the read-out shows. (The description editor copies its own selection.)

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

void frmHuemark::CopySelection() {
    QString text;
    if (grdList->hasFocus()) {
        text = m_copyNotation == Notation::WebCode ? grdList->SelectedText()
                                                   : SelectedRowsAs(m_copyNotation);
    } else if (picColor->hasFocus() && txtCursor->isVisible()) {
        text = ReadoutAs(m_copyNotation);
    }
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}
