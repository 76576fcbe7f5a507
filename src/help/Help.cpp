// The Help menu: contents, the how-to page and the About message.

#include "app/frmHuemark.h"

void frmHuemark::mnuHelpContents_Click() {}

void frmHuemark::mnuHelpHowTo_Click() {}

void frmHuemark::mnuHelpAbout_Click() {
    ShowAbout();
}

void frmHuemark::ShowAbout() {}
