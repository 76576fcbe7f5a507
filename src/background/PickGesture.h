#pragma once
// One screen pick as the command line asks it and answers it, in whichever process shows the
// gesture: `huemark --pick` in its own, or the background instance for it. One gesture at a time
// in a session: a second is refused while one runs.

#include "palette/Notations.h"

#include <QByteArray>
#include <QString>
#include <optional>

class FrozenX11Screen;
class HistoryService;
class PointerService;
class ScreenCaptureService;

// What the pick is asked for.
struct PickWish {
    std::optional<Notation> notation = Notation::WebCode; // none: the pick as JSON
    bool copy = true;                                     // onto the clipboard too
    // A colour template (palette/Template.h), parsed already; when given, the pick is written
    // through it, and copied so, whatever the notation.
    QString colorTemplate;
};

// What the pick says, and its exit code: 0 picked, 1 given up, 2 the screen could not be had
// (or another pick runs).
struct PickAnswer {
    int exitCode = 1;
    QByteArray out; // for standard output
    QByteArray err; // for standard error, one line
};

// Held while a gesture runs, by any process of the session's (a lock in the runtime folder).
class GestureLock {
public:
    GestureLock();
    ~GestureLock();
    GestureLock(const GestureLock&) = delete;
    GestureLock& operator=(const GestureLock&) = delete;
    bool held() const { return m_fd >= 0; }
    // Lets go before the end (a process that lives on after its gesture).
    void release();
    // The answer when it is not held: another pick is under way.
    static PickAnswer Refusal();

private:
    int m_fd = -1;
};

// The gesture, once the toolkit runs and with the GestureLock held: the radius from the settings,
// the clipboard set while the frozen screen still shows (copied says so: a desktop gives the
// clipboard only to a program that just had the user's input), the pick kept in the history unless
// the settings say not to. frozen (may be null): the screen already held still, whose early presses
// the gesture takes.
PickAnswer PickGesture(const PickWish& wish, ScreenCaptureService& capture, PointerService& pointer,
                       HistoryService* history, FrozenX11Screen* frozen, bool* copied);

// The runtime folder's file of that name ($XDG_RUNTIME_DIR, else the temporary folder with the
// user's number in the name).
QByteArray RuntimeFile(const char* name);
