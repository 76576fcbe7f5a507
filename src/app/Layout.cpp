// The window's geometry in twips, and the layout that keeps the picture, the list and the
// description editor in step with the window's size.

#include "app/LayoutRules.h"
#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/Frame.h"
#include "controls/PictureBox.h"
#include "desktop/Languages.h"
#include "desktop/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cstdlib>
#include <vector>

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
    if (std::abs(frameGeometry().width() - TwipsToPixelsX(narrowestWidth())) <= slack) {
        m_widthSet.remember(narrowestWidth(), frameGeometry().width());
    }
    if (std::abs(frameGeometry().height() - TwipsToPixelsY(LayoutRules::kMinHeight)) <= slack) {
        m_heightSet.remember(LayoutRules::kMinHeight, frameGeometry().height());
    }
    const bool mayCorrect = !m_correctingSize;
    const QScopedValueRollback correcting(m_correctingSize, true);
    if (mayCorrect && LayoutRules::ShortOf(Width(), narrowestWidth(), TwipsPerPixelX())) {
        setWidth(narrowestWidth());
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
    SetWidthTwips(grdList, LayoutRules::GridWidth(Width() - m_textRoom));
    // The grid keeps whole pixels: the column and the editor follow the width it really took.
    grdList->setColWidth(5, LayoutRules::DescriptionWidth(WidthTwips(grdList)));
    SetWidthTwips(txtDesc, LayoutRules::EditorWidth(grdList->ColWidth(5)));
}

namespace {
// The width a control's text needs, in pixels: its words, the accelerator's mark left out, and
// what the control draws around them.
int TextNeeds(const QPushButton* button) {
    const QString text =
        QString(button->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    return button->fontMetrics().horizontalAdvance(text) + margin + 2;
}
int TextNeeds(const QCheckBox* box) {
    const QString text = QString(box->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QStyle* style = box->style();
    return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
           box->fontMetrics().horizontalAdvance(text) + 2;
}
int TextNeeds(const Frame* frame, int indent) {
    return indent + frame->fontMetrics().horizontalAdvance(frame->title()) + 2;
}
} // namespace

// The controls of the top band stand in columns. In a language whose words are longer than
// English's, a column whose button, check box or caption cannot show its text grows by what it
// lacks, the columns right of it and the list move over, and the window's smallest width grows
// by as much, so that the list keeps its width. In English every control keeps its place.
void frmHuemark::giveTextsRoom() {
    if (ProgramLanguage().isEmpty()) {
        return; // the described places, whatever fonts the desktop has
    }
    const auto lacks = [](int needs, const QWidget* w) { return std::max(0, needs - w->width()); };
    const std::vector<int> columns = {
        std::max(lacks(TextNeeds(cmdFile), cmdFile), lacks(TextNeeds(cmdPaste), cmdPaste)),
        std::max(lacks(TextNeeds(cmdPrint), cmdPrint), lacks(TextNeeds(cmdExit), cmdExit)),
        lacks(TextNeeds(fraNeighbors, txtNeighbors->width()), fraNeighbors),
        std::max(lacks(TextNeeds(chkTags), chkTags), lacks(TextNeeds(cmdClearTags), cmdClearTags))};
    const std::vector<std::vector<QWidget*>> controls = {
        {cmdFile, cmdPaste}, {cmdPrint, cmdExit}, {fraNeighbors}, {chkTags, cmdClearTags}};
    int moved = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (QWidget* w : controls[c]) {
            w->setGeometry(w->x() + moved, w->y(), w->width() + columns[c], w->height());
        }
        moved += columns[c];
    }
    if (moved == 0) {
        return;
    }
    hscNeighbors->resize(hscNeighbors->width() + columns[2], hscNeighbors->height());
    grdList->move(grdList->x() + moved, grdList->y());
    txtDesc->move(txtDesc->x() + moved, txtDesc->y());
    m_textRoom = PixelsToTwipsX(moved);
}

double frmHuemark::narrowestWidth() const {
    return LayoutRules::kMinWidth + m_textRoom;
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
    const QSize smallest(TwipsToPixelsX(narrowestWidth()) - frame.left() - frame.right(),
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
