#include "app/frmHuemark.h"

void frmHuemark::Form_Unload() {}

void frmHuemark::cmdExit_Click() {
    close();
}

void frmHuemark::mnuFileExit_Click() {
    close();
}
