#pragma once
// One pick off the screen in one gesture: every monitor is captured and shown frozen, full screen,
// each at its own scale so that every device pixel stays where it was; a loupe follows the
// pointer with the code of the pixel (or of the square around it) beside it; a click or Enter
// picks, Escape or a right click cancels.
//
// Keys: the arrows move one pixel (Shift: ten), [ and ] change the averaging radius, + and -
// (or the wheel) the loupe's magnification.

#include "desktop/capture/ScreenCapture.h"
#include "list/Pick.h"
#include "palette/Notations.h"

#include <QPoint>
#include <QString>
#include <functional>

class PointerService;
class QWidget;
class ScreenCaptureService;

struct ScreenPickResult;

struct ScreenPickOptions {
    int radius = 0;                        // the averaging radius at start (0 to 5)
    Notation notation = Notation::WebCode; // how the loupe writes the colour
    // Called with the pick while the frozen screen still shows (and has just had the user's
    // input, which some desktops ask of a program that sets the clipboard).
    std::function<void(const ScreenPickResult&)> picked;
    // What was clicked or pressed before the frozen screen's windows came up, handed over once
    // they are (FrozenX11Screen::releaseInput); each then does what it would have done on them.
    std::function<QList<EarlyPress>()> earlyInput;
    // What the user is told and asked where the desktop asks before the screen is captured.
    CaptureTalk talk;
};

struct ScreenPickResult {
    enum class Outcome {
        Picked,
        Cancelled, // Escape, a right click, or the windows closed
        Refused,   // the desktop declined to capture the screen: see error
        Failed     // see error
    };
    Outcome outcome = Outcome::Failed;
    QString error; // one sentence
    // The colour and where it came from: the pixel in the picture of the whole desktop (on X11
    // the screen's own device pixel) and the radius of the square averaged there.
    Pick pick;
    // The monitor it lies on, its scale, and the device pixel there from its top-left corner.
    QString monitor;
    double ratio = 1;
    QPoint devicePixel;
    // False where the desktop's picture holds the monitor at another resolution than its own:
    // the pixel read is the picture's, the loupe says so.
    bool atDeviceResolution = true;
    // Said beside a pick that the desktop's own colour picker made, the screen being refused
    // (then the pick has no position, monitor or radius).
    QString note;
};

// The gesture, from the capture to the pick. window (may be null) and every other window of the
// program leave the screen while it is captured and stay away until the pick ends. The pointer
// service moves the pointer with the arrow steps where the desktop lets it.
ScreenPickResult PickFromScreen(ScreenCaptureService& capture, PointerService& pointer,
                                QWidget* window, const ScreenPickOptions& options);

// The pick as one JSON object on one line: the web code, the desktop pixel, the monitor and its
// scale, the monitor's device pixel, the radius, and whether it was read at device resolution.
QString PickJson(const ScreenPickResult& pick);
