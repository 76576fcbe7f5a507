#include "app/frmHuemark.h"

void frmHuemark::Form_Resize() {}
