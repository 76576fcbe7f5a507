#pragma once
// The screen-pick gesture's state, shared by the windows that show the frozen screen on every
// monitor: the picture of the desktop, the pixel the loupe names, the radius and the
// magnification. PickFromScreen (ScreenPick.h) runs it; it is apart for tests and benchmarks.

#include "picture/ShownPicture.h"
#include "screenpick/ScreenPick.h"
#include "view/Monitors.h"

#include <QEventLoop>
#include <QImage>
#include <QList>
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

class PointerService;
class PickSurface;
class QKeyEvent;

// The gesture's state, shared by the surfaces on every monitor: the frozen screen, the pixel the
// loupe names, the radius and the magnification.
class PickSession {
public:
    PickSession(ShownPicture capture, QList<View::CapturedMonitor> monitors,
                PointerService& pointer, View::CaptureLayout layout,
                const ScreenPickOptions& options);
    ~PickSession();
    PickSession(const PickSession&) = delete;
    PickSession& operator=(const PickSession&) = delete;

    // Shows the frozen screen and waits for the pick.
    ScreenPickResult run();
    // Shows it only: the pointer, keys and painting are driven from outside (tests, benchmarks).
    void show();
    QWidget* surface(qsizetype monitor) const;

    // What the surfaces tell.
    void pointerAt(qsizetype monitor, QPointF local);
    // The pointer came over a monitor's surface there: its first word of where it is, where the
    // desktop tells it no other way (Wayland, for a pointer standing still).
    void pointerEntered(qsizetype monitor, QPointF local);
    void pick() { finish(ScreenPickResult::Outcome::Picked); }
    void cancel() { finish(ScreenPickResult::Outcome::Cancelled); }
    void key(QKeyEvent* event);
    void zoom(int steps);
    // The presses made before the surfaces were up, in order, until one ends the gesture.
    void replay(const QList<EarlyPress>& presses);
    // The pixel the loupe names, in the capture.
    QPoint pixel() const { return m_pixel; }

    // What they draw.
    const QImage& capture() const { return m_capture.image(); }
    const View::CapturedMonitor& monitor(qsizetype i) const { return m_monitors[i]; }
    qsizetype current() const { return m_current; }
    // The loupe, in device pixels at its monitor's ratio, and where it stands there (logical).
    const QImage& loupe();
    QRect loupeArea();

private:
    void moveTo(QPoint pixel);
    void changed();
    void finish(ScreenPickResult::Outcome outcome);

    ShownPicture m_capture;
    QList<View::CapturedMonitor> m_monitors;
    PointerService& m_pointer;
    View::CaptureLayout m_layout;
    int m_radius;
    Notation m_notation;
    std::function<void(const ScreenPickResult&)> m_picked;
    std::function<QList<EarlyPress>()> m_earlyInput;
    int m_level;
    qsizetype m_current = 0;
    QPoint m_pixel;
    std::vector<std::unique_ptr<PickSurface>> m_surfaces;
    QImage m_loupe; // null when it must be drawn again
    QRect m_shownLoupe;
    qsizetype m_shownOn = -1;
    QEventLoop m_loop;
    ScreenPickResult m_result;
};
