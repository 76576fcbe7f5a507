// The picked-colour list: description editing, the tags option and clearing.

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/ImageControl.h"
#include "controls/PictureBox.h"
#include "controls/Tag.h"
#include "list/ListRules.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

void frmHuemark::grdList_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    // The press has made the pressed cell current.
    const int row = grdList->Row();
    const int col = grdList->Col();
    if (!ListRules::OpensEditor(row, col)) {
        return;
    }
    txtDesc->setText(grdList->TextMatrix(row, col));
    txtDesc->setVisible(true);
    txtDesc->setFocus();
    txtDesc->end(false); // the caret after the last character, nothing selected
}

// From the keyboard: Enter or F2 on a description cell opens its editor, as a click does.
void frmHuemark::grdList_EditKey() {
    grdList_MouseDown(0, 0, 0, 0);
}

void frmHuemark::txtDesc_KeyUp(int& keyCode, int /*shift*/) {
    if (ListRules::ClosesEditor(keyCode)) {
        txtDesc->setVisible(false);
        return;
    }
    // Whatever row is current now: the editor remembers none of its own.
    m_picks->setDescription(grdList->Row() - 1, txtDesc->text());
}

void frmHuemark::txtDesc_Change() {
    m_picks->setDescription(grdList->Row() - 1, txtDesc->text());
}

void frmHuemark::grdList_Scroll() {
    txtDesc->setVisible(false);
    picColor->setFocus();
}

void frmHuemark::chkTags_Click() {
    cmdPrint->setToolTip(ListRules::PrintButtonTip(chkTags->isChecked()));
    // Form_Load holds this flag while it restores the option: the hidden window cannot take the
    // focus then.
    if (!TagIsTrue(chkTags)) {
        picColor->setFocus();
    }
}

void frmHuemark::cmdClearTags_Click() {
    m_picks->clear();
    // The empty row that is left stands selected, its six cells together.
    grdList->setRow(1);
    grdList->setCol(0);
    grdList->setColSel(ListRules::kDescriptionCol);
    grdList->setFillStyle(0);

    picColor->setPicture(QImage());
    picColor->setPicture(imgCache->picture());
    m_tags.clear();
    picColor->setFocus();
    refreshReadout();
}
