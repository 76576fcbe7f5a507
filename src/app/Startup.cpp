#include "app/frmHuemark.h"

#include "color/Sampling.h"
#include "platform/PictureBox.h"
#include "platform/Tag.h"

#include <QLineEdit>
#include <QScrollBar>

void frmHuemark::Form_Load() {
    // The averaging radius, shown without refreshing the read-out; the text is set even when
    // the value did not change.
    constexpr int kDefaultRadius = 0;
    SetTag(hscNeighbors, BoolText(true));
    hscNeighbors->setValue(kDefaultRadius);
    SetTag(hscNeighbors, BoolText(false));
    txtNeighbors->setText(NumberText(hscNeighbors->value()));

    picColor->setScaleMode(PictureBox::kScalePixels);
    hscNeighbors->setMinimum(kMinRadius);
    hscNeighbors->setMaximum(kMaxRadius);

    // The window is not ready yet: the paste leaves the focus where it is.
    SetTag(picColor, BoolText(false));
    cmdPaste_Click();
    SetTag(picColor, BoolText(true));
}
