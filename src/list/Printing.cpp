// Printing the list and the tagged picture, and printer setup.

#include "app/frmHuemark.h"

void frmHuemark::cmdPrint_Click() {}

void frmHuemark::mnuFilePrint_Click() {
    cmdPrint_Click();
}

void frmHuemark::mnuFilePrintSetup_Click() {}
