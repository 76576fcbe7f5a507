#pragma once
// Reading the clipboard. On X11 it is read over a connection of our own with a deadline on every
// wait: Qt's own reading waits five seconds for each request to an owner that does not answer,
// and asks for several formats in turn, so one stopped program froze the window for minutes.
// Here an owner that leaves us waiting past the deadline is one that cannot be read. An owner
// still handing over a large picture piece by piece is given up to a second after each piece
// (ten seconds in all) beyond the deadline. Elsewhere (Wayland, the offscreen platform) Qt's
// clipboard does not wait long, and is used as it is.

#include "platform/Services.h"

#include <memory>

// The clipboard reader for the platform the application runs on.
std::shared_ptr<ClipboardService> NewClipboard();

// Qt's clipboard, read as it is.
class ToolkitClipboard : public ClipboardService {
public:
    std::optional<QStringList> formats(const QDeadlineTimer& deadline) override;
    ClipboardData data(const QString& format, const ClipboardLimit& limit,
                       const QDeadlineTimer& deadline) override;
    QImage image() override;
};

// Makes the requests already made to the window system (a new pointer shape) take effect now,
// while the event loop is busy with long work.
void FlushWindowSystem();
