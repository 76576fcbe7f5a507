#pragma once
// Capturing the whole screen. On X11 the root window is read over a connection of our own, with
// shared memory where the server offers it, once our windows are off the screen and what they
// covered is repainted. On Wayland, and on an X server that stands in for a Wayland desktop
// (where the root window shows nothing of the Wayland windows), the desktop's screenshot portal
// is asked over D-Bus: it writes the screen into a file.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

// What a capture of the screen gives: the picture itself, or a file the desktop wrote it into.
struct ScreenCaptureResult {
    enum class Outcome {
        Picture, // picture holds every screen, in device pixels
        File,    // file holds it, to read and then delete where the desktop made it for us
        Refused, // the user declined the desktop's request for permission
        Failed   // see error
    };
    Outcome outcome = Outcome::Failed;
    QImage picture;
    QString file;
    QString error;
};

// What the desktop has kept of the user's answer to whether we may capture the screen without
// asking each time. Where nothing asks (X11, a desktop without a permission store) it is Given.
enum class ScreenshotPermission { Given, Unasked, Refused };

// The whole screen as a picture, without the program's own windows.
class ScreenCaptureService {
public:
    virtual ~ScreenCaptureService() = default;
    // Takes the program's windows (window among them) off the screen, captures every screen once
    // the desktop has repainted what they covered, and shows them again.
    virtual ScreenCaptureResult capture(QWidget* window) = 0;
    virtual ScreenshotPermission permission() { return ScreenshotPermission::Given; }
    // Lets the desktop put its question while our windows stay where the user sees them, and
    // waits for the answer a while: Picture when it was Allow (the capture it brought is
    // dropped), Refused for Deny, Failed when the question went unanswered.
    virtual ScreenCaptureResult ask();
    // Forgets a refusal kept by the desktop, so that it asks again; false where it cannot.
    virtual bool forgetRefusal() { return false; }
    // The desktop's own colour picker, which needs no permission: the colour of the pixel the
    // user clicks, as sRGB channels of 0 to 1; nothing when the user gave up or where the
    // desktop has none (error says which).
    virtual std::optional<std::array<double, 3>> pickColor(QString* error);
    virtual bool hasColorPicker() { return false; }
};

// What the user is told and asked on the way to a capture; a conversation with no one (the
// command line's) goes on where it may and asks nothing.
struct CaptureTalk {
    // Said before the desktop asks its question.
    std::function<void(const QString& notice)> beforeQuestion;
    // Said when the desktop refuses: true when the user wants to be asked again.
    std::function<bool(const QString& refusal)> askAgain;
    // Said before the desktop's own colour picker stands in for a refused capture.
    std::function<void(const QString& notice)> beforeDesktopPicker;
};

// Clears the way to capture(): nothing when it may go ahead (the permission given, or given
// now), else the answer to report instead (Refused, or Failed), with no window of ours moved;
// a refusal with no error has been said already (the user chose not to be asked again).
std::optional<ScreenCaptureResult> ClearToCapture(ScreenCaptureService& capture,
                                                  const CaptureTalk& talk);

// The capture for the platform the application runs on (NewScreenCapture.cpp chooses).
std::shared_ptr<ScreenCaptureService> NewScreenCapture();

// The screenshot portal (org.freedesktop.portal.Screenshot), always, whatever the platform; the
// desktop's question is waited for questionMs at most (portals before 1.17 give up on it after
// 25 s and answer nothing at all).
std::shared_ptr<ScreenCaptureService> NewPortalScreenCapture(int questionMs = 30000);

// The X server's root window, read over a connection of our own (X11 only).
std::shared_ptr<ScreenCaptureService> NewX11ScreenCapture();

// The X server's root window before the toolkit has started (on a thread of its own while it
// starts): no window of ours is on the screen yet. Nothing where the display is not an X
// server's own screen (an X server inside a Wayland desktop, whose portal captures it once the
// toolkit is up) or where there is no X11 here.
std::optional<ScreenCaptureResult> CaptureX11RootEarly();

// The X server's screen held still before the toolkit starts: one window over the whole root,
// above every other, showing what the screen held when it was made. The pixels are copied within
// the server (none travel), so the screen freezes at once; the windows the toolkit shows later
// come up over it. Gone with the object. Nothing where the display is not an X server's own
// screen or where there is no X11 here.
//
// While it stands it holds the pointer and the keyboard, so that a click or a key pressed before
// the gesture's own windows are up is not lost: releaseInput() hands them over, in order.
struct EarlyPress {
    enum class Kind {
        Pick,   // the left button, or Enter or Space: pick at the point
        Cancel, // the right button, or Escape
        Step    // an arrow: one pixel, or ten with Shift
    };
    Kind kind = Kind::Pick;
    QPoint at;        // the pointer's pixel on the root window when it was pressed
    QPoint step;      // the arrow's direction, for Step
    bool far = false; // Shift held, for Step
    bool key = false; // pressed on the keyboard, not a button
};

class FrozenX11Screen {
public:
    static std::unique_ptr<FrozenX11Screen> Freeze();
    ~FrozenX11Screen();
    // Lets go of the pointer and the keyboard and gives what was pressed meanwhile.
    QList<EarlyPress> releaseInput();
    FrozenX11Screen(const FrozenX11Screen&) = delete;
    FrozenX11Screen& operator=(const FrozenX11Screen&) = delete;

private:
    struct State;
    explicit FrozenX11Screen(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

// No screen at all: every capture fails with a message saying so. For a program or a test that
// must not reach the desktop.
std::shared_ptr<ScreenCaptureService> NewNullScreenCapture();

// The portal's answers, apart from D-Bus.
namespace ScreenPortal {
// The object path of the request that a call with this handle token makes: the portal names it
// after the caller's unique bus name, so its answer can be awaited before the call returns.
QString RequestPath(const QString& uniqueName, const QString& token);
// The Response signal's answer: 0 with the file's URI, 1 when the user declined, else failure.
ScreenCaptureResult Answer(uint response, const QVariantMap& results);
// What a failed call to the portal (a D-Bus error) means for the user.
QString CallFailure(const QString& errorName, const QString& message);
// The permission kept in the permission store's screenshot table for the first of ids that has
// an entry ("" stands for every program outside a sandbox).
ScreenshotPermission PermissionIn(const QMap<QString, QStringList>& table, const QStringList& ids);
// Whether the desktop named by XDG_CURRENT_DESKTOP puts a question before the first capture
// (GNOME's does; wlroots' and KDE's capture without asking).
bool DesktopAsks(const QString& currentDesktop);
// Whether that desktop's portal never puts a question for a screenshot taken without a dialog
// (KDE's), so that its "cancelled" is its own failure, however late it comes.
bool NeverAsks(const QString& currentDesktop);
// Whether that desktop's portal draws the pointer into the screenshot it takes (KDE's does).
bool DrawsPointer(const QString& currentDesktop);
// What the user is told when the desktop answered "cancelled" at once, with no question put:
// it could not take its screenshot, likely for want of the Pictures folder it writes into
// (KDE's portal does) where that folder is missing.
QString CancelledBySelf(const QString& picturesFolder);
// What the user is told when the desktop refuses.
QString Refusal();
} // namespace ScreenPortal

// KWin's own screenshot of every screen, without the pointer that KDE's portal draws in: for the
// programs its desktop entry lets KWin serve.
namespace KWinScreenshot {
// Every screen in device pixels; nothing where KWin does not serve us (the portal then).
std::optional<QImage> Workspace();
// The picture from KWin's description of it (type, width, height, stride, format) and its bytes;
// a null picture where they do not fit together or the format holds other than 8-bit channels.
QImage FromRaw(const QVariantMap& results, const QByteArray& data);
} // namespace KWinScreenshot

// How the window system lays out a pixel: its size, the bits of each channel in it, and whether
// its bytes come most significant first.
struct PixelLayout {
    int bitsPerPixel = 32;
    quint32 redMask = 0xff0000;
    quint32 greenMask = 0x00ff00;
    quint32 blueMask = 0x0000ff;
    bool mostSignificantFirst = false;
};

// Pixels in that layout as an opaque picture (Format_RGB32); null when the layout is not one of
// 16, 24 or 32 bits a pixel, or memory runs out.
QImage PixelsToImage(const uchar* data, int width, int height, qsizetype stride,
                     const PixelLayout& layout);

// Whether a window of ours leaves the screen while it is captured (not the tray's icon).
bool LeavesForCapture(const QWidget* window);

// Takes the application's shown windows off the screen, and puts the real windows among them
// (not menus or tooltips) back when it ends, the given one on top; while a WindowsKeptHidden
// lives, they come back only when it ends.

class HiddenWindows {
public:
    explicit HiddenWindows(QWidget* window);
    ~HiddenWindows();
    HiddenWindows(const HiddenWindows&) = delete;
    HiddenWindows& operator=(const HiddenWindows&) = delete;
    bool none() const { return m_hidden.isEmpty(); }

private:
    friend class WindowsKeptHidden;
    struct None {};
    explicit HiddenWindows(None) {}
    QPointer<QWidget> m_window;
    QList<QPointer<QWidget>> m_hidden;
};

// Keeps the windows that a capture takes off the screen away until this ends (a pick on the
// frozen screen that the capture showed), then puts them back.
class WindowsKeptHidden {
public:
    WindowsKeptHidden();
    ~WindowsKeptHidden();
    WindowsKeptHidden(const WindowsKeptHidden&) = delete;
    WindowsKeptHidden& operator=(const WindowsKeptHidden&) = delete;

private:
    friend class HiddenWindows;
    WindowsKeptHidden* m_outer;
    std::unique_ptr<HiddenWindows> m_kept;
};
