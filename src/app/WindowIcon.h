#pragma once
#include <QIcon>

// The window's icon: a pipette over three colour swatches, at 16 and 32 pixels in 16 colours.
QIcon MakeWindowIcon();
