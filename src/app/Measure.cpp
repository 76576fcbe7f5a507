// Measuring an area of the picture (View, Measure Area) and taking its dominant colours (View,
// Extract Palette): the figures in a panel beside the window, the mean or the palette added to
// the list as picks are.

#include "app/frmHuemark.h"
#include "controls/Announcer.h"
#include "controls/AreaPanel.h"
#include "controls/FlexGrid.h"
#include "controls/ImageControl.h"
#include "controls/KeyCodes.h"
#include "controls/PictureBox.h"
#include "measure/AreaStats.h"
#include "measure/DominantColors.h"
#include "readout/ColorCodes.h"
#include "view/Monitors.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <cmath>

namespace {
// While an area is dragged, its figures follow the pointer up to this many pixels; a larger one
// is measured once the button comes up.
constexpr qint64 kLiveAreaPixels = 4'000'000;
} // namespace

void frmHuemark::SayOutOfMemory() {
    m_services.messageBox->showMessage(
        this,
        QCoreApplication::translate("frmHuemark",
                                    "There is not enough memory to measure the picture."),
        QStringLiteral("Huemark"));
}

const QImage& frmHuemark::MeasuredPicture() const {
    // The colours as shown, transparent parts over the control's background.
    return picColor->picture().whole();
}

AreaPanel& frmHuemark::areaPanel() {
    if (m_areaPanel == nullptr) {
        m_areaPanel = new AreaPanel(this);
        m_areaPanel->setPaletteColors(m_paletteColors);
        connect(m_areaPanel, &AreaPanel::AddClicked, this, &frmHuemark::cmdAddArea_Click);
        connect(m_areaPanel, &AreaPanel::PaletteClicked, this,
                &frmHuemark::mnuViewExtractPalette_Click);
        // F6 takes the keyboard from the window to the panel and back. One shortcut serves both
        // windows: the panel belongs to this one, so a second would make F6 ambiguous.
        connect(new QShortcut(Qt::Key_F6, this), &QShortcut::activated, this, [this] {
            if (m_areaPanel->isActiveWindow()) {
                activateWindow();
            } else if (m_areaPanel->isVisible()) {
                m_areaPanel->takeFocus();
            }
        });
        connect(m_areaPanel, &AreaPanel::Closed, this, [this] {
            if (mnuViewMeasureArea->isChecked()) {
                mnuViewMeasureArea->setChecked(false);
                mnuViewMeasureArea_Click();
            }
        });
    }
    return *m_areaPanel;
}

void frmHuemark::mnuViewMeasureArea_Click() {
    const bool on = mnuViewMeasureArea->isChecked();
    picColor->setAreaDragging(on);
    if (on) {
        AreaPanel& panel = areaPanel();

        // Beside the window, on its screen: a wide window leaves no room on its right.
        const QSize size = panel.testAttribute(Qt::WA_WState_Created) ? panel.frameGeometry().size()
                                                                      : panel.sizeHint();
        const QScreen* screen = this->screen();
        const QRect window(mapToGlobal(QPoint(0, 0)), this->size());
        panel.move(screen != nullptr ? View::BesideWindow(window, size, screen->availableGeometry())
                                     : window.topRight() + QPoint(1, 0));
        panel.show();
        MeasureAreaNow();
    } else {
        picColor->setArea(QRect());
        if (m_areaPanel != nullptr) {
            m_paletteColors = m_areaPanel->paletteColors();
            m_areaPanel->hide();
        }
    }
    picColor->setFocus();
}

void frmHuemark::picColor_AreaDragged(QRect area, bool finished) {
    const bool live = qint64(area.width()) * area.height() <= kLiveAreaPixels;
    if (finished || live) {
        MeasureAreaNow();
    }
}

void frmHuemark::MeasureAreaNow() {
    if (m_areaPanel == nullptr) {
        return;
    }
    try {
        const QRect area = picColor->area();
        if (area.isEmpty() || MeasuredPicture().isNull()) {
            m_areaPanel->setFigures(QString(), Color(), Color());
            return;
        }
        const AreaFigures figures = MeasureArea(MeasuredPicture(), area);
        QString text = AreaText(figures);
        if (const ShownPicture& shown = picColor->picture(); shown.beyondTheEnd(area)) {
            const QString beyond =
                shown.endsAtRow() || shown.startsAtRow() == 0
                    //: Above an area's figures, for a file cut short. %1: the row where it ends.
                    ? tr("The file ends at row %1: the area reaches rows it does not hold, whose "
                         "colours are none of the picture's.")
                          .arg(shown.endsAtRow().value_or(0))
                    //: Above an area's figures, for a file stored from the bottom up and cut
                    //: short. %1, %2: the first and last rows it holds.
                    : tr("The file holds rows %1 to %2 only: the area reaches rows it does not "
                         "hold, whose colours are none of the picture's.")
                          .arg(shown.startsAtRow())
                          .arg(shown.size().height() - 1);
            text = beyond + QLatin1Char('\n') + text;
        }
        m_areaPanel->setFigures(text, figures.mean, figures.plainAverage);
    } catch (const std::bad_alloc&) {
        m_areaPanel->setFigures(QString(), Color(), Color());
        SayOutOfMemory();
    }
}

void frmHuemark::cmdAddArea_Click() {
    AreaFigures figures;
    try {
        const QRect area = picColor->area().intersected(MeasuredPicture().rect());
        if (area.isEmpty()) {
            return;
        }
        figures = MeasureArea(MeasuredPicture(), area);
    } catch (const std::bad_alloc&) {
        SayOutOfMemory();
        return;
    }
    const QRect area = figures.area;
    //: The description of an area's mean in the list. %1 x %2: the area's width and height in
    //: pixels; %3,%4: its top-left pixel.
    Pick pick(figures.mean, QCoreApplication::translate("frmHuemark", "mean of %1 x %2 at %3,%4")
                                .arg(area.width())
                                .arg(area.height())
                                .arg(area.x())
                                .arg(area.y()));
    pick.origin.source = Caption();
    pick.origin.position = area.topLeft();
    pick.origin.area = area;
    pick.origin.profile = picColor->picture().shownProfile();
    pick.origin.incomplete = picColor->picture().beyondTheEnd(area);
    AddPickOnTop(pick);
}

void frmHuemark::mnuViewExtractPalette_Click() {
    try {
        if (MeasuredPicture().isNull()) {
            return;
        }
    } catch (const std::bad_alloc&) {
        SayOutOfMemory();
        return;
    }
    // The area measured, else the whole picture.
    QRect area = picColor->area().intersected(MeasuredPicture().rect());
    if (!mnuViewMeasureArea->isChecked() || area.isEmpty()) {
        area = MeasuredPicture().rect();
    }
    if (m_areaPanel != nullptr) {
        m_paletteColors = m_areaPanel->paletteColors();
    }
    try {
        const QList<ColorShare> colors = DominantColors(MeasuredPicture(), area, m_paletteColors);
        // The smallest share first, so that the largest ends on top. A screen reader hears the
        // palette once, not each of its rows.
        const bool one = colors.size() == 1;
        for (auto it = colors.rbegin(); it != colors.rend(); ++it) {
            Pick pick(it->color, ShareText(it->share));
            pick.origin.source = Caption();
            pick.origin.area = area;
            pick.origin.profile = picColor->picture().shownProfile();
            AddPickOnTop(pick, one);
        }
        if (colors.size() > 1) {
            //: Said by a screen reader after Extract Palette: %1 how many colours (two or more),
            //: %2 the web code of the largest share's colour.
            m_announcer->announce(tr("Palette of %1 colours added, rows 1 to %1; the largest "
                                     "share, %2, is on row 1")
                                      .arg(colors.size())
                                      .arg(WebCode(colors.front().color.value())));
        }
    } catch (const std::bad_alloc&) {
        SayOutOfMemory();
    }
}

bool frmHuemark::AreaKeyDown(int keyCode, int shift) {
    if (!mnuViewMeasureArea->isChecked()) {
        return false;
    }
    QRect area = picColor->area();
    const bool grow = (shift & kShiftMask) != 0;
    QPoint step;
    switch (keyCode) {
    case KeyCode::Escape:
        mnuViewMeasureArea->setChecked(false);
        mnuViewMeasureArea_Click();
        return true;
    case KeyCode::Return:
        // Without an area, Enter picks at the pointer as it always does.
        if (area.isEmpty()) {
            return false;
        }
        cmdAddArea_Click();
        return true;
    case KeyCode::Left:
        step = {-1, 0};
        break;
    case KeyCode::Right:
        step = {1, 0};
        break;
    case KeyCode::Up:
        step = {0, -1};
        break;
    case KeyCode::Down:
        step = {0, 1};
        break;
    default:
        return false;
    }
    const QRect picture = MeasuredPicture().rect();
    if (area.isEmpty()) {
        // No area yet: the arrows step the pointer; Shift with an arrow starts an area on the
        // pointer's pixel, which the arrow then stretches.
        if (!grow) {
            return false;
        }
        // A pointer off the picture's view names no pixel, as for a pick with Enter.
        const QPoint pointer = m_services.pointer->pos();
        if (!m_pickPoint.active() &&
            !picColor->viewRect().contains(picColor->mapFromGlobal(pointer))) {
            return true;
        }
        const QPointF at = m_pickPoint.active() ? m_pickPoint.point() : PointerToPicture(pointer);
        const QPoint pixel(static_cast<int>(std::floor(at.x())),
                           static_cast<int>(std::floor(at.y())));
        if (!picture.contains(pixel)) {
            return true;
        }
        area = QRect(pixel, QSize(1, 1));
        picColor->setArea(area);
        MeasureAreaNow();
    }
    // Arrows move the area a pixel; with Shift they move its right or bottom edge.
    if (grow) {
        area.setBottomRight(area.bottomRight() + step);
        if (area.width() < 1 || area.height() < 1 || !picture.contains(area)) {
            return true;
        }
    } else {
        area.translate(step);
        if (!picture.contains(area)) {
            return true;
        }
    }
    picColor->setArea(area);
    // The corner that moved stays in view.
    const QPoint corner =
        grow || step.x() > 0 || step.y() > 0 ? area.bottomRight() : area.topLeft();
    picColor->scrollToShow(static_cast<float>(corner.x()), static_cast<float>(corner.y()));
    MeasureAreaNow();
    return true;
}
