#pragma once
#include <QIcon>
#include <QImage>

// The window's icon: a pipette over three colour swatches, in the sixteen classic colours. The
// design is 16 cells square; it is drawn at any multiple of 16 pixels.
QImage DrawWindowIcon(int size);

// The icon at 16 and 32 pixels.
QIcon MakeWindowIcon();
