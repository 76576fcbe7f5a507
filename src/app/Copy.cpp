// Ctrl+C: what a user would paste elsewhere. From the list, the selected cells as text; from the
// picture, the web code the read-out shows. (The description editor copies its own selection.)

#include "app/frmHuemark.h"
#include "platform/FlexGrid.h"
#include "platform/PictureBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

void frmHuemark::CopySelection() {
    QString text;
    if (grdList->hasFocus()) {
        text = grdList->SelectedText();
    } else if (picColor->hasFocus() && txtCursor->isVisible()) {
        text = txtCursor->text();
    }
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}
