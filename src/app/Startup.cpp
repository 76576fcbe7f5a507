#include "app/frmHuemark.h"

#include "color/Sampling.h"
#include "platform/PictureBox.h"
#include "platform/Tag.h"

#include <QScrollBar>

void frmHuemark::Form_Load() {
    // Start-up flags: the window is not ready yet.
    SetTag(picColor, BoolText(false));

    picColor->setScaleMode(PictureBox::kScalePixels);

    // The radius range; restoring a radius shows it without refreshing the read-out.
    SetTag(hscNeighbors, BoolText(true));
    hscNeighbors->setMinimum(kMinRadius);
    hscNeighbors->setMaximum(kMaxRadius);
    SetTag(hscNeighbors, BoolText(false));

    cmdPaste_Click();

    SetTag(picColor, BoolText(true));
}
