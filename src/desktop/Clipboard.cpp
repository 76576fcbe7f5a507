#include "desktop/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QMimeData>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef HUEMARK_HAVE_XCB
#include <cerrno>
#include <poll.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>
#endif

std::optional<QStringList> ToolkitClipboard::formats(const QDeadlineTimer&) {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime != nullptr ? mime->formats() : QStringList();
}

ClipboardData ToolkitClipboard::data(const QString& format, const ClipboardLimit& limit,
                                     const QDeadlineTimer&) {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime == nullptr || !mime->hasFormat(format)) {
        return {};
    }
    QByteArray bytes = mime->data(format);
    if (bytes.isEmpty()) {
        return {};
    }
    const qint64 most = limit(bytes);
    if (most > 0 && bytes.size() > most) {
        return {ClipboardData::Status::TooLarge, {}};
    }
    return {ClipboardData::Status::Read, std::move(bytes)};
}

QImage ToolkitClipboard::image() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime != nullptr && mime->hasImage() ? qvariant_cast<QImage>(mime->imageData())
                                               : QImage();
}

#ifdef HUEMARK_HAVE_XCB

#include <QtGui/qguiapplication_platform.h>

namespace {

// Replies and events from xcb are malloc'ed.
template <typename T> struct Freed {
    void operator()(T* p) const { std::free(p); }
};
template <typename T> using XcbPtr = std::unique_ptr<T, Freed<T>>;

// Properties on our window that owners write their answers to, used in turn so that a late
// answer to an abandoned request does not land where the next answer is awaited.
constexpr int kProperties = 4;
// Bytes read from a property at a time.
constexpr quint32 kChunkWords = 1 << 20;
// What an owner still sending may take beyond the deadline: after each piece, and in all.
constexpr qint64 kGraceAfterPieceMs = 1000;
constexpr qint64 kGraceInAllMs = 9000;

class XcbClipboard : public ClipboardService {
public:
    std::optional<QStringList> formats(const QDeadlineTimer& deadline) override;
    ClipboardData data(const QString& format, const ClipboardLimit& limit,
                       const QDeadlineTimer& deadline) override;
    QImage image() override;

private:
    struct Connection;
    Connection* connection(const QDeadlineTimer& deadline);
    bool ownedHere() const { return QGuiApplication::clipboard()->ownsClipboard(); }

    std::unique_ptr<Connection> m_x;
    ToolkitClipboard m_toolkit; // the process's own clipboard, which Qt answers at once
};

struct XcbClipboard::Connection {
    xcb_connection_t* c = nullptr;
    xcb_window_t window = 0;
    xcb_atom_t clipboard = XCB_NONE;
    xcb_atom_t targets = XCB_NONE;
    xcb_atom_t incr = XCB_NONE;
    xcb_atom_t timestamp = XCB_NONE;
    xcb_atom_t properties[kProperties] = {};
    int nextProperty = 0;
    xcb_atom_t active = XCB_NONE; // the property an answer is awaited on
    QHash<xcb_atom_t, QString> names;

    ~Connection() {
        if (c != nullptr) {
            xcb_disconnect(c);
        }
    }
    bool broken() const { return xcb_connection_has_error(c) != 0; }

    bool setUp(const QDeadlineTimer& deadline);
    bool waitReadable(const QDeadlineTimer& deadline) const;
    template <typename T> XcbPtr<T> reply(unsigned sequence, const QDeadlineTimer& deadline);
    XcbPtr<xcb_generic_event_t> event(const QDeadlineTimer& deadline);
    void stray(const xcb_generic_event_t* event);
    void drain();
    std::optional<xcb_timestamp_t> serverTime(const QDeadlineTimer& deadline);
    ClipboardData convert(xcb_atom_t target, const ClipboardLimit& limit, QDeadlineTimer deadline);
    struct Property {
        ClipboardData::Status status = ClipboardData::Status::NoAnswer;
        xcb_atom_t type = XCB_NONE;
        qint64 added = 0;    // bytes appended
        bool enough = false; // the limit stopped it: the bytes so far decide
    };
    Property read(xcb_atom_t property, QByteArray& received, const ClipboardLimit& limit,
                  QDeadlineTimer& deadline, const QDeadlineTimer& lastDeadline);
    std::optional<QStringList> atomNames(const QByteArray& atoms, const QDeadlineTimer& deadline);
};

bool XcbClipboard::Connection::setUp(const QDeadlineTimer& deadline) {
    int screenNumber = 0;
    c = xcb_connect(nullptr, &screenNumber);
    if (broken()) {
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        return false;
    }
    window = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    const char* const atomNames[] = {"CLIPBOARD",
                                     "TARGETS",
                                     "INCR",
                                     "HUEMARK_TIMESTAMP",
                                     "HUEMARK_SELECTION_0",
                                     "HUEMARK_SELECTION_1",
                                     "HUEMARK_SELECTION_2",
                                     "HUEMARK_SELECTION_3"};
    xcb_atom_t* const atoms[] = {&clipboard,     &targets,       &incr,          &timestamp,
                                 &properties[0], &properties[1], &properties[2], &properties[3]};
    unsigned sequences[std::size(atomNames)];
    for (size_t i = 0; i < std::size(atomNames); ++i) {
        sequences[i] = xcb_intern_atom(c, 0, uint16_t(strlen(atomNames[i])), atomNames[i]).sequence;
    }
    bool ok = true;
    for (size_t i = 0; i < std::size(atomNames); ++i) {
        const auto answer = reply<xcb_intern_atom_reply_t>(sequences[i], deadline);
        ok = ok && answer != nullptr;
        *atoms[i] = answer != nullptr ? answer->atom : XCB_NONE;
    }
    return ok && !broken();
}

bool XcbClipboard::Connection::waitReadable(const QDeadlineTimer& deadline) const {
    for (;;) {
        const qint64 left = deadline.remainingTime();
        if (left == 0) {
            return false;
        }
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        const int ready = poll(&fd, 1, left < 0 ? -1 : int(std::min<qint64>(left, INT_MAX)));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

// Every wait is bounded: the server may be grabbed by another client, too.
template <typename T>
XcbPtr<T> XcbClipboard::Connection::reply(unsigned sequence, const QDeadlineTimer& deadline) {
    xcb_flush(c);
    for (;;) {
        void* answer = nullptr;
        xcb_generic_error_t* error = nullptr;
        if (xcb_poll_for_reply(c, sequence, &answer, &error) != 0) {
            std::free(error);
            return XcbPtr<T>(static_cast<T*>(answer));
        }
        if (broken() || !waitReadable(deadline)) {
            xcb_discard_reply(c, sequence);
            return nullptr;
        }
    }
}

XcbPtr<xcb_generic_event_t> XcbClipboard::Connection::event(const QDeadlineTimer& deadline) {
    xcb_flush(c);
    for (;;) {
        if (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            return XcbPtr<xcb_generic_event_t>(e);
        }
        if (broken() || !waitReadable(deadline)) {
            return nullptr;
        }
    }
}

// An event nobody waits for: a late answer to a request given up on. Its property is deleted so
// that an owner sending in pieces can finish instead of waiting for us forever.
void XcbClipboard::Connection::stray(const xcb_generic_event_t* e) {
    const uint8_t type = e->response_type & 0x7f;
    if (type == XCB_SELECTION_NOTIFY) {
        const auto* n = reinterpret_cast<const xcb_selection_notify_event_t*>(e);
        if (n->property != XCB_NONE && n->property != active) {
            xcb_delete_property(c, window, n->property);
        }
    } else if (type == XCB_PROPERTY_NOTIFY) {
        const auto* n = reinterpret_cast<const xcb_property_notify_event_t*>(e);
        if (n->state == XCB_PROPERTY_NEW_VALUE && n->atom != active &&
            std::find(std::begin(properties), std::end(properties), n->atom) !=
                std::end(properties)) {
            xcb_delete_property(c, window, n->atom);
        }
    }
}

void XcbClipboard::Connection::drain() {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
        stray(e);
        std::free(e);
    }
}

// The server's current time, for a request an owner can tell apart from earlier ones: a
// property change on our window reports it.
std::optional<xcb_timestamp_t>
XcbClipboard::Connection::serverTime(const QDeadlineTimer& deadline) {
    xcb_change_property(c, XCB_PROP_MODE_APPEND, window, timestamp, XCB_ATOM_STRING, 8, 0, nullptr);
    while (const auto e = event(deadline)) {
        if ((e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            const auto* n = reinterpret_cast<const xcb_property_notify_event_t*>(e.get());
            if (n->window == window && n->atom == timestamp) {
                return n->time;
            }
        }
        stray(e.get());
    }
    return std::nullopt;
}

// A property's whole value, read in pieces, appended to received and then deleted; received may
// hold earlier pieces of the same transfer, which the limit judges together with this one. Each
// piece read moves the deadline on, up to lastDeadline.
XcbClipboard::Connection::Property
XcbClipboard::Connection::read(xcb_atom_t property, QByteArray& received,
                               const ClipboardLimit& limit, QDeadlineTimer& deadline,
                               const QDeadlineTimer& lastDeadline) {
    Property result;
    const auto head = reply<xcb_get_property_reply_t>(
        xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0).sequence,
        deadline);
    if (head == nullptr) {
        return result;
    }
    result.type = head->type;
    const qint64 before = received.size();
    const qint64 total = head->bytes_after;
    for (quint32 offset = 0; received.size() - before < total;) {
        const qint64 most = limit(received);
        if (most == 0 && !received.isEmpty()) {
            result.enough = true;
            break;
        }
        if (before + total > most) {
            xcb_delete_property(c, window, property);
            result.status = ClipboardData::Status::TooLarge;
            return result;
        }
        const auto piece = reply<xcb_get_property_reply_t>(
            xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, offset, kChunkWords)
                .sequence,
            deadline);
        if (piece == nullptr) {
            return result;
        }
        const int length = xcb_get_property_value_length(piece.get());
        // The value may change under us (an owner writing late): never beyond what was said.
        const qint64 take = std::min<qint64>(length, before + total - received.size());
        received.append(static_cast<const char*>(xcb_get_property_value(piece.get())),
                        qsizetype(take));
        if (length < 4 || piece->bytes_after == 0) {
            break;
        }
        offset += quint32(length / 4);
        deadline = std::min(lastDeadline, std::max(deadline, QDeadlineTimer(kGraceAfterPieceMs)));
    }
    if (!result.enough && !received.isEmpty() && limit(received) == 0) {
        result.enough = true;
    }
    xcb_delete_property(c, window, property);
    result.added = received.size() - before;
    result.status = ClipboardData::Status::Read;
    return result;
}

ClipboardData XcbClipboard::Connection::convert(xcb_atom_t target, const ClipboardLimit& limit,
                                                QDeadlineTimer deadline) {
    const QDeadlineTimer lastDeadline(std::max<qint64>(deadline.remainingTime(), 0) +
                                      kGraceInAllMs);
    const xcb_atom_t property = properties[nextProperty++ % kProperties];
    active = property;
    struct Idle {
        xcb_atom_t& active;
        ~Idle() { active = XCB_NONE; }
    } idle{active};
    xcb_delete_property(c, window, property);
    const std::optional<xcb_timestamp_t> time = serverTime(deadline);
    if (!time) {
        return {ClipboardData::Status::NoAnswer, {}};
    }
    xcb_convert_selection(c, window, clipboard, target, property, *time);

    // The owner's answer to this very request names the request's time (a few send none).
    std::optional<xcb_atom_t> answered;
    while (!answered) {
        const auto e = event(deadline);
        if (e == nullptr) {
            return {ClipboardData::Status::NoAnswer, {}};
        }
        const auto* n = reinterpret_cast<const xcb_selection_notify_event_t*>(e.get());
        if ((e->response_type & 0x7f) == XCB_SELECTION_NOTIFY && n->requestor == window &&
            n->selection == clipboard && n->target == target &&
            (n->time == *time || (n->time == XCB_CURRENT_TIME &&
                                  (n->property == property || n->property == XCB_NONE)))) {
            answered = n->property;
        } else {
            stray(e.get());
        }
    }
    if (*answered == XCB_NONE) {
        return {}; // refused
    }
    QByteArray bytes;
    const Property value = read(*answered, bytes, limit, deadline, lastDeadline);
    if (value.status != ClipboardData::Status::Read) {
        return {value.status, {}};
    }
    if (value.type != incr) {
        return {ClipboardData::Status::Read, std::move(bytes)};
    }

    // In pieces: each arrives as a new value of the property once we deleted the one before;
    // an empty piece ends it. (Reading the announcement deleted it, which starts the transfer.)
    bytes.clear();
    for (;;) {
        const auto e = event(deadline);
        if (e == nullptr) {
            return {ClipboardData::Status::NoAnswer, {}};
        }
        const auto* n = reinterpret_cast<const xcb_property_notify_event_t*>(e.get());
        if ((e->response_type & 0x7f) != XCB_PROPERTY_NOTIFY || n->window != window ||
            n->atom != *answered || n->state != XCB_PROPERTY_NEW_VALUE) {
            stray(e.get());
            continue;
        }
        const Property piece = read(*answered, bytes, limit, deadline, lastDeadline);
        if (piece.status != ClipboardData::Status::Read) {
            return {piece.status, {}};
        }
        // An empty piece ends it; so does a start that already decides.
        if (piece.added == 0 || piece.enough) {
            return {ClipboardData::Status::Read, std::move(bytes)};
        }
        deadline = std::min(lastDeadline, std::max(deadline, QDeadlineTimer(kGraceAfterPieceMs)));
    }
}

std::optional<QStringList> XcbClipboard::Connection::atomNames(const QByteArray& atoms,
                                                               const QDeadlineTimer& deadline) {
    // A list is a few dozen formats; a longer one is cut rather than asked about at length.
    const qsizetype count = std::min<qsizetype>(atoms.size() / 4, 1024);
    std::vector<std::pair<xcb_atom_t, unsigned>> asked;
    for (qsizetype i = 0; i < count; ++i) {
        xcb_atom_t atom;
        std::memcpy(&atom, atoms.constData() + 4 * i, 4);
        if (atom != XCB_NONE && !names.contains(atom)) {
            asked.emplace_back(atom, xcb_get_atom_name(c, atom).sequence);
        }
    }
    for (const auto& [atom, sequence] : asked) {
        const auto answer = reply<xcb_get_atom_name_reply_t>(sequence, deadline);
        if (answer != nullptr) {
            names.insert(atom, QString::fromLatin1(xcb_get_atom_name_name(answer.get()),
                                                   xcb_get_atom_name_name_length(answer.get())));
        } else if (broken() || deadline.hasExpired()) {
            return std::nullopt;
        }
    }
    QStringList result;
    for (qsizetype i = 0; i < count; ++i) {
        xcb_atom_t atom;
        std::memcpy(&atom, atoms.constData() + 4 * i, 4);
        if (names.contains(atom)) {
            result.append(names.value(atom));
        }
    }
    return result;
}

XcbClipboard::Connection* XcbClipboard::connection(const QDeadlineTimer& deadline) {
    if (m_x != nullptr && m_x->broken()) {
        m_x.reset();
    }
    if (m_x == nullptr) {
        auto x = std::make_unique<Connection>();
        if (!x->setUp(deadline)) {
            return nullptr;
        }
        m_x = std::move(x);
    }
    m_x->drain();
    return m_x.get();
}

std::optional<QStringList> XcbClipboard::formats(const QDeadlineTimer& deadline) {
    if (ownedHere()) {
        return m_toolkit.formats(deadline);
    }
    Connection* x = connection(deadline);
    if (x == nullptr) {
        return std::nullopt;
    }
    const auto owner = x->reply<xcb_get_selection_owner_reply_t>(
        xcb_get_selection_owner(x->c, x->clipboard).sequence, deadline);
    if (owner == nullptr) {
        return std::nullopt;
    }
    if (owner->owner == XCB_NONE) {
        return QStringList();
    }
    const ClipboardData list = x->convert(
        x->targets, [](const QByteArray&) { return qint64(1) << 20; }, deadline);
    if (list.status == ClipboardData::Status::NoAnswer) {
        return std::nullopt;
    }
    // A list of atoms, or nothing usable (an owner that does not list its formats offers none).
    return x->atomNames(list.bytes, deadline);
}

ClipboardData XcbClipboard::data(const QString& format, const ClipboardLimit& limit,
                                 const QDeadlineTimer& deadline) {
    if (ownedHere()) {
        return m_toolkit.data(format, limit, deadline);
    }
    Connection* x = connection(deadline);
    if (x == nullptr) {
        return {ClipboardData::Status::NoAnswer, {}};
    }
    const QByteArray name = format.toLatin1();
    const auto atom = x->reply<xcb_intern_atom_reply_t>(
        xcb_intern_atom(x->c, 1, uint16_t(name.size()), name.constData()).sequence, deadline);
    if (atom == nullptr) {
        return {ClipboardData::Status::NoAnswer, {}};
    }
    if (atom->atom == XCB_NONE) {
        return {};
    }
    return x->convert(atom->atom, limit, deadline);
}

QImage XcbClipboard::image() {
    // Only a picture of this process: for others Qt's reading is the one that blocks.
    return ownedHere() ? m_toolkit.image() : QImage();
}

} // namespace

std::shared_ptr<ClipboardService> NewClipboard() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        return std::make_shared<XcbClipboard>();
    }
    return std::make_shared<ToolkitClipboard>();
}

#else

std::shared_ptr<ClipboardService> NewClipboard() {
    return std::make_shared<ToolkitClipboard>();
}

#endif
