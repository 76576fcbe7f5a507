// The window's geometry in twips, and the layout that keeps the picture, the list and the
// description editor in step with the window's size.

#include "app/LayoutRules.h"
#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "desktop/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <algorithm>
#include <cstdlib>

void frmHuemark::Form_Resize() {
    if (WindowState() == kMinimized) {
        return;
    }
    // Correcting the size runs this procedure again inside the assignment; that inner run lays
    // the window out for the corrected size and this one then repeats the same layout. Sizes are
    // compared in whole pixels, and the inner run does not correct again: where the desktop keeps
    // the window smaller than asked, it is laid out as it is.
    // A window that the desktop keeps at the minimum's pixels is at the minimum, and reads so.
    const int slack = roundingSlack();
    if (std::abs(frameGeometry().width() - TwipsToPixelsX(LayoutRules::kMinWidth)) <= slack) {
        m_widthSet.remember(LayoutRules::kMinWidth, frameGeometry().width());
    }
    if (std::abs(frameGeometry().height() - TwipsToPixelsY(LayoutRules::kMinHeight)) <= slack) {
        m_heightSet.remember(LayoutRules::kMinHeight, frameGeometry().height());
    }
    const bool mayCorrect = !m_correctingSize;
    const QScopedValueRollback correcting(m_correctingSize, true);
    if (mayCorrect && LayoutRules::ShortOf(Width(), LayoutRules::kMinWidth, TwipsPerPixelX())) {
        setWidth(LayoutRules::kMinWidth);
    }
    SetWidthTwips(picColor, LayoutRules::PictureWidth(Width()));
    if (mayCorrect && LayoutRules::ShortOf(Height(), LayoutRules::kMinHeight, TwipsPerPixelY())) {
        setHeight(LayoutRules::kMinHeight);
    }
    // The details line, when shown, takes its height from the picture's bottom.
    const double pictureHeight = LayoutRules::PictureHeight(Height());
    if (mnuViewDetails != nullptr && mnuViewDetails->isChecked()) {
        SetHeightTwips(picColor, pictureHeight - LayoutRules::kDetailsHeight);
        PlaceTwips(lblDetails, 120, 720 + pictureHeight - LayoutRules::kDetailsHeight,
                   LayoutRules::PictureWidth(Width()), LayoutRules::kDetailsHeight);
    } else {
        SetHeightTwips(picColor, pictureHeight);
    }
    SetWidthTwips(grdList, LayoutRules::GridWidth(Width()));
    // The grid keeps whole pixels: the column and the editor follow the width it really took.
    grdList->setColWidth(5, LayoutRules::DescriptionWidth(WidthTwips(grdList)));
    SetWidthTwips(txtDesc, LayoutRules::EditorWidth(grdList->ColWidth(5)));
}

int frmHuemark::roundingSlack() const {
    return LayoutRules::RoundingSlack(devicePixelRatioF());
}

double frmHuemark::Left() const {
    return m_leftSet.read(frameGeometry().x(), TwipsPerPixelX(), roundingSlack());
}
double frmHuemark::Top() const {
    return m_topSet.read(frameGeometry().y(), TwipsPerPixelY(), roundingSlack());
}
double frmHuemark::Width() const {
    return m_widthSet.read(frameGeometry().width(), TwipsPerPixelX(), roundingSlack());
}
double frmHuemark::Height() const {
    return m_heightSet.read(frameGeometry().height(), TwipsPerPixelY(), roundingSlack());
}

int frmHuemark::WindowState() const {
    if (windowState() & Qt::WindowMinimized) {
        return kMinimized;
    }
    return (windowState() & Qt::WindowMaximized) ? kMaximized : kNormal;
}

// A window's position is that of its frame's top-left corner.
void frmHuemark::setLeft(double twips) {
    m_leftSet.remember(twips, TwipsToPixelsX(twips));
    move(TwipsToPixelsX(twips), frameGeometry().y());
}
void frmHuemark::setTop(double twips) {
    m_topSet.remember(twips, TwipsToPixelsY(twips));
    move(frameGeometry().x(), TwipsToPixelsY(twips));
}

void frmHuemark::setWidth(double twips) {
    m_widthSet.remember(twips, TwipsToPixelsX(twips));
    setOuterSize(QSize(TwipsToPixelsX(twips), frameGeometry().height()));
}
void frmHuemark::setHeight(double twips) {
    m_heightSet.remember(twips, TwipsToPixelsY(twips));
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
    const QSize moved = size() - m_clientSizeSet;
    if (std::abs(moved.width()) > roundingSlack() || std::abs(moved.height()) > roundingSlack()) {
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
