// Description editing in the list, the tags option and clearing.

#include "app/frmHuemark.h"

void frmHuemark::grdList_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}

void frmHuemark::grdList_Scroll() {}

void frmHuemark::txtDesc_KeyUp(int& /*keyCode*/, int /*shift*/) {}

void frmHuemark::chkTags_Click() {}

void frmHuemark::cmdClearTags_Click() {}
