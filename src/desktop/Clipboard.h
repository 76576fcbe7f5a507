#pragma once
// Reading the clipboard. On X11 it is read over a connection of our own with a deadline on every
// wait: Qt's own reading waits five seconds for each request to an owner that does not answer,
// and asks for several formats in turn, so one stopped program froze the window for minutes.
// Here an owner that leaves us waiting past the deadline is one that cannot be read. An owner
// still handing over a large picture piece by piece is given up to a second after each piece
// (ten seconds in all) beyond the deadline. Elsewhere (Wayland, the offscreen platform) Qt's
// clipboard does not wait long, and is used as it is.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include <memory>

// What the clipboard's owner hands over for one format.
struct ClipboardData {
    enum class Status {
        Read,     // bytes holds it all
        Refused,  // the owner does not give this format
        TooLarge, // more than the caller would take
        NoAnswer  // nothing (or not all) came before the deadline
    };
    Status status = Status::Refused;
    QByteArray bytes;
};

// How many bytes a format's data may have in all, judged by what has arrived so far (asked again
// as more arrives). 0 means the bytes so far already decide (they start no picture, or one too
// large): the transfer stops and they are handed over as they are.
using ClipboardLimit = std::function<qint64(const QByteArray& received)>;

// The clipboard, read against a deadline: another program owns it, and one that does not answer
// must not hold the window. Formats are MIME types.
class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    // The formats on offer (empty when the clipboard holds nothing); nothing when the clipboard
    // cannot be read before the deadline.
    virtual std::optional<QStringList> formats(const QDeadlineTimer& deadline) = 0;
    virtual ClipboardData data(const QString& format, const ClipboardLimit& limit,
                               const QDeadlineTimer& deadline) = 0;
    // A picture the toolkit holds decoded rather than as bytes (one this process put on the
    // clipboard), or the toolkit's own reading of a format the caller cannot read; null when none.
    virtual QImage image() = 0;
};

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
