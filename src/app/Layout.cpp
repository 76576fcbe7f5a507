// The window's geometry in twips, and the layout that keeps the picture, the list and the
// description editor in step with the window's size.

#include "app/LayoutRules.h"
#include "app/frmHuemark.h"
#include "platform/FlexGrid.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QLineEdit>
#include <QMoveEvent>
#include <QResizeEvent>
#include <algorithm>

void frmHuemark::Form_Resize() {
    if (WindowState() == kMinimized) {
        return;
    }
    // Correcting the size runs this procedure again inside the assignment; that inner run lays
    // the window out for the corrected size and this one then repeats the same layout.
    if (Width() < LayoutRules::kMinWidth) {
        setWidth(LayoutRules::kMinWidth);
    }
    SetWidthTwips(picColor, LayoutRules::PictureWidth(Width()));
    if (Height() < LayoutRules::kMinHeight) {
        setHeight(LayoutRules::kMinHeight);
    }
    SetHeightTwips(picColor, LayoutRules::PictureHeight(Height()));
    SetWidthTwips(grdList, LayoutRules::GridWidth(Width()));
    // The grid keeps whole pixels: the column and the editor follow the width it really took.
    grdList->setColWidth(5, LayoutRules::DescriptionWidth(WidthTwips(grdList)));
    SetWidthTwips(txtDesc, LayoutRules::EditorWidth(grdList->ColWidth(5)));
}

double frmHuemark::Left() const {
    return PixelsToTwipsX(frameGeometry().x());
}
double frmHuemark::Top() const {
    return PixelsToTwipsY(frameGeometry().y());
}
double frmHuemark::Width() const {
    return PixelsToTwipsX(frameGeometry().width());
}
double frmHuemark::Height() const {
    return PixelsToTwipsY(frameGeometry().height());
}

int frmHuemark::WindowState() const {
    if (windowState() & Qt::WindowMinimized) {
        return kMinimized;
    }
    return (windowState() & Qt::WindowMaximized) ? kMaximized : kNormal;
}

// A window's position is that of its frame's top-left corner.
void frmHuemark::setLeft(double twips) {
    move(TwipsToPixelsX(twips), frameGeometry().y());
}
void frmHuemark::setTop(double twips) {
    move(frameGeometry().x(), TwipsToPixelsY(twips));
}

void frmHuemark::setWidth(double twips) {
    setOuterSize(QSize(TwipsToPixelsX(twips), frameGeometry().height()));
}
void frmHuemark::setHeight(double twips) {
    setOuterSize(QSize(frameGeometry().width(), TwipsToPixelsY(twips)));
}

QMargins frmHuemark::frameMarginsNow() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void frmHuemark::setOuterSize(QSize pixels) {
    const QMargins frame = frameMarginsNow();
    keepMinimumSize(frame);
    if (frame.isNull()) {
        // Not framed yet (or never, without a window manager): the size is the client's for now.
        m_outerSizeWanted = pixels;
    }
    const QSize client(std::max(1, pixels.width() - frame.left() - frame.right()),
                       std::max(1, pixels.height() - frame.top() - frame.bottom()));
    const int before = m_resizeEvents;
    resize(client);
    m_clientSizeSet = size();
    if (m_resizeEvents == before) {
        // A hidden window hears of its new size only when it is shown; lay it out now.
        Form_Resize();
    }
}

// The window manager is told the smallest outer size too, so that it does not let the user drag
// the frame below it: a resize the program asks for while the user drags may be ignored, and the
// window would stay too small.
void frmHuemark::keepMinimumSize(QMargins frame) {
    const QSize smallest(TwipsToPixelsX(LayoutRules::kMinWidth) - frame.left() - frame.right(),
                         TwipsToPixelsY(LayoutRules::kMinHeight) - frame.top() - frame.bottom());
    if (minimumSize() != smallest) {
        setMinimumSize(smallest);
    }
}

void frmHuemark::keepWantedOuterSize() {
    if (minimumSize() != QSize(0, 0)) {
        keepMinimumSize(frameMarginsNow());
    }
    if (!m_outerSizeWanted || !isVisible()) {
        return;
    }
    if (size() != m_clientSizeSet) {
        m_outerSizeWanted.reset(); // resized by someone else since
        return;
    }
    const QMargins frame = frameMarginsNow();
    if (frame.isNull()) {
        return;
    }
    const QSize wanted = *m_outerSizeWanted;
    m_outerSizeWanted.reset();
    setOuterSize(wanted);
}

void frmHuemark::resizeEvent(QResizeEvent* event) {
    ++m_resizeEvents;
    QMainWindow::resizeEvent(event);
    if (m_unloaded) {
        return;
    }
    keepWantedOuterSize();
    Form_Resize();
}

void frmHuemark::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (!m_unloaded) {
        keepWantedOuterSize();
    }
}
