// The screen on X11: the root window, read with everything the window manager stacks on it,
// once our own windows are really unmapped and what they covered has been repainted.

#include "desktop/capture/ScreenCapture.h"

#include "desktop/capture/KeptOnScreen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#ifdef HUEMARK_HAVE_XCB
#include <QElapsedTimer>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/ipc.h>
#include <sys/mman.h>
#include <sys/shm.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>

namespace {
template <typename T> struct Freed {
    void operator()(T* p) const { std::free(p); }
};
template <typename T> using XcbPtr = std::unique_ptr<T, Freed<T>>;

// How long to wait for our windows (and the window manager's frames around them) to go.
constexpr qint64 kUnmapLimitMs = 2000;
// Once they are gone, the screen counts as repainted when nothing has been drawn on it for this
// long, or at the latest after the limit (something may be drawing all the time).
constexpr qint64 kQuietMs = 40;
constexpr qint64 kSettleLimitMs = 500;

class Connection {
public:
    Connection() {
        int screenNumber = 0;
        m_c = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_c) != 0) {
            return;
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_c));
        for (int i = 0; i < screenNumber && it.rem > 0; ++i) {
            xcb_screen_next(&it);
        }
        m_screen = it.rem > 0 ? it.data : nullptr;
        m_screenNumber = screenNumber;
    }
    ~Connection() { xcb_disconnect(m_c); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool ok() const { return m_screen != nullptr && xcb_connection_has_error(m_c) == 0; }
    xcb_connection_t* c() const { return m_c; }
    const xcb_screen_t& screen() const { return *m_screen; }
    int screenNumber() const { return m_screenNumber; }

    bool hasExtension(const char* name) const {
        const XcbPtr<xcb_query_extension_reply_t> r(xcb_query_extension_reply(
            m_c, xcb_query_extension(m_c, uint16_t(std::strlen(name)), name), nullptr));
        return r && r->present;
    }

    // The window's ancestor just below the root: the window manager's frame, or itself.
    xcb_window_t topLevel(xcb_window_t w) const {
        for (int depth = 0; depth < 16; ++depth) {
            const XcbPtr<xcb_query_tree_reply_t> t(
                xcb_query_tree_reply(m_c, xcb_query_tree(m_c, w), nullptr));
            if (!t || t->parent == t->root || t->parent == XCB_NONE) {
                return w;
            }
            w = t->parent;
        }
        return w;
    }

    bool viewable(xcb_window_t w) const {
        const XcbPtr<xcb_get_window_attributes_reply_t> a(
            xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, w), nullptr));
        return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    // A window just below the root, on the screen, with its border; empty when it is gone.
    QRect area(xcb_window_t w) const {
        const XcbPtr<xcb_get_geometry_reply_t> g(
            xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, w), nullptr));
        if (!g) {
            return {};
        }
        return {g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width};
    }

    // Whether a window of another program that draws is shown over part of the areas: only then
    // does anything but the server itself repaint what our windows leave uncovered.
    bool otherWindowOver(const QList<QRect>& areas, const QList<xcb_window_t>& ours) const {
        const XcbPtr<xcb_query_tree_reply_t> t(
            xcb_query_tree_reply(m_c, xcb_query_tree(m_c, m_screen->root), nullptr));
        if (!t) {
            return true;
        }
        const xcb_window_t* children = xcb_query_tree_children(t.get());
        for (int i = 0; i < xcb_query_tree_children_length(t.get()); ++i) {
            if (ours.contains(children[i])) {
                continue;
            }
            const XcbPtr<xcb_get_window_attributes_reply_t> a(xcb_get_window_attributes_reply(
                m_c, xcb_get_window_attributes(m_c, children[i]), nullptr));
            if (!a || a->map_state != XCB_MAP_STATE_VIEWABLE ||
                a->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT) {
                continue;
            }
            const QRect at = area(children[i]);
            for (const QRect& gone : areas) {
                if (at.intersects(gone)) {
                    return true;
                }
            }
        }
        return false;
    }

    // Waits up to ms for something to read; false when nothing came.
    bool waitReadable(qint64 ms) const {
        pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
        const int ready = poll(&fd, 1, int(std::clamp<qint64>(ms, 0, INT_MAX)));
        return ready > 0 || (ready < 0 && errno == EINTR);
    }

private:
    xcb_connection_t* m_c = nullptr;
    xcb_screen_t* m_screen = nullptr;
    int m_screenNumber = 0;
};

// Damage on the root window tells of drawing anywhere on the screen.
class ScreenDamage {
public:
    explicit ScreenDamage(const Connection& x) : m_x(x) {
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(x.c(), &xcb_damage_id);
        if (ext == nullptr || !ext->present) {
            return;
        }
        const XcbPtr<xcb_damage_query_version_reply_t> v(
            xcb_damage_query_version_reply(x.c(), xcb_damage_query_version(x.c(), 1, 1), nullptr));
        if (!v) {
            return;
        }
        m_event = ext->first_event + XCB_DAMAGE_NOTIFY;
        m_damage = xcb_generate_id(x.c());
        xcb_damage_create(x.c(), m_damage, x.screen().root, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(x.c());
    }
    ~ScreenDamage() {
        if (m_damage != 0) {
            xcb_damage_destroy(m_x.c(), m_damage);
            xcb_flush(m_x.c());
        }
    }
    ScreenDamage(const ScreenDamage&) = delete;
    ScreenDamage& operator=(const ScreenDamage&) = delete;

    // Whether anything was drawn since the last call; takes in what has arrived.
    bool drawnSince() {
        bool drawn = false;
        while (xcb_generic_event_t* e = xcb_poll_for_event(m_x.c())) {
            drawn = drawn || (m_damage != 0 && (e->response_type & 0x7f) == m_event);
            std::free(e);
        }
        if (drawn) {
            // Reported once until taken away: take it, so the next drawing is reported again.
            xcb_damage_subtract(m_x.c(), m_damage, XCB_NONE, XCB_NONE);
            xcb_flush(m_x.c());
        }
        return drawn;
    }
    bool works() const { return m_damage != 0; }

private:
    const Connection& m_x;
    xcb_damage_damage_t m_damage = 0;
    uint8_t m_event = 0;
};

PixelLayout LayoutOf(const Connection& x) {
    PixelLayout layout;
    const xcb_setup_t* setup = xcb_get_setup(x.c());
    layout.mostSignificantFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
    layout.bitsPerPixel = 0;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0; xcb_format_next(&f)) {
        if (f.data->depth == x.screen().root_depth) {
            layout.bitsPerPixel = f.data->bits_per_pixel;
        }
    }
    for (auto d = xcb_screen_allowed_depths_iterator(&x.screen()); d.rem > 0; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem > 0; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == x.screen().root_visual) {
                layout.redMask = v.data->red_mask;
                layout.greenMask = v.data->green_mask;
                layout.blueMask = v.data->blue_mask;
            }
        }
    }
    return layout;
}

// Rows of a ZPixmap image are padded to the format's scanline unit.
qsizetype StrideOf(const Connection& x, int width, int bitsPerPixel) {
    int pad = 32;
    const xcb_setup_t* setup = xcb_get_setup(x.c());
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0; xcb_format_next(&f)) {
        if (f.data->depth == x.screen().root_depth) {
            pad = f.data->scanline_pad;
        }
    }
    const qsizetype bits = qsizetype(width) * bitsPerPixel;
    return (bits + pad - 1) / pad * pad / 8;
}

// Memory the server writes the screen into and this process reads, mapped in both.
class SharedPixels {
public:
    SharedPixels(const Connection& x, size_t bytes, int minorVersion) : m_x(x), m_bytes(bytes) {
        // A file's pages, allocated and mapped here at once, where the server can take a file
        // (MIT-SHM 1.2): the screen's worth of page faults a System V segment costs on first
        // reading is the largest part of a capture on some machines.
        if (minorVersion >= 2 && attachFile()) {
            return;
        }
        attachSystemV();
    }
    ~SharedPixels() {
        if (m_attached) {
            xcb_shm_detach(m_x.c(), m_segment);
            xcb_flush(m_x.c());
        }
        if (m_mapped != nullptr) {
            munmap(m_mapped, m_bytes);
        }
        if (m_systemV != nullptr) {
            shmdt(m_systemV);
        }
    }
    SharedPixels(const SharedPixels&) = delete;
    SharedPixels& operator=(const SharedPixels&) = delete;

    bool attached() const { return m_attached; }
    xcb_shm_seg_t segment() const { return m_segment; }
    const uchar* data() const {
        return static_cast<const uchar*>(m_mapped != nullptr ? m_mapped : m_systemV);
    }

private:
    bool attachFile() {
        const int fd = memfd_create("huemark-screen", MFD_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        if (ftruncate(fd, off_t(m_bytes)) != 0) {
            close(fd);
            return false;
        }
        void* memory =
            mmap(nullptr, m_bytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd, 0);
        if (memory == MAP_FAILED) {
            close(fd);
            return false;
        }
        m_mapped = memory;
        m_segment = xcb_generate_id(m_x.c());
        // The connection sends the descriptor and closes it.
        const xcb_void_cookie_t done = xcb_shm_attach_fd_checked(m_x.c(), m_segment, fd, 0);
        m_attached = XcbPtr<xcb_generic_error_t>(xcb_request_check(m_x.c(), done)) == nullptr;
        return m_attached;
    }

    void attachSystemV() {
        const int id = shmget(IPC_PRIVATE, m_bytes, IPC_CREAT | 0600);
        if (id < 0) {
            return;
        }
        void* memory = shmat(id, nullptr, 0);
        // Gone once both sides have let go of it, whatever happens from here.
        shmctl(id, IPC_RMID, nullptr);
        if (memory == reinterpret_cast<void*>(-1)) {
            return;
        }
        m_systemV = memory;
        m_segment = xcb_generate_id(m_x.c());
        const xcb_void_cookie_t done = xcb_shm_attach_checked(m_x.c(), m_segment, uint32_t(id), 0);
        m_attached = XcbPtr<xcb_generic_error_t>(xcb_request_check(m_x.c(), done)) == nullptr;
    }

    const Connection& m_x;
    size_t m_bytes;
    void* m_mapped = nullptr;
    void* m_systemV = nullptr;
    xcb_shm_seg_t m_segment = 0;
    bool m_attached = false;
};

// The root window through shared memory: no copy through the socket.
QImage GrabShared(const Connection& x, int width, int height, const PixelLayout& layout) {
    // A request of an extension the server lacks closes the connection: ask first.
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(x.c(), &xcb_shm_id);
    if (shm == nullptr || !shm->present) {
        return QImage();
    }
    const XcbPtr<xcb_shm_query_version_reply_t> version(
        xcb_shm_query_version_reply(x.c(), xcb_shm_query_version(x.c()), nullptr));
    if (!version) {
        return QImage();
    }
    const qsizetype stride = StrideOf(x, width, layout.bitsPerPixel);
    const SharedPixels memory(x, size_t(stride * height),
                              version->major_version > 1 ? 2 : version->minor_version);
    if (!memory.attached()) {
        return QImage();
    }
    const XcbPtr<xcb_shm_get_image_reply_t> grabbed(xcb_shm_get_image_reply(
        x.c(),
        xcb_shm_get_image(x.c(), x.screen().root, 0, 0, uint16_t(width), uint16_t(height), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, memory.segment(), 0),
        nullptr));
    return grabbed ? PixelsToImage(memory.data(), width, height, stride, layout) : QImage();
}

// The root window through the socket, where no memory can be shared (a remote server).
QImage GrabThroughSocket(const Connection& x, int width, int height, const PixelLayout& layout) {
    const XcbPtr<xcb_get_image_reply_t> grabbed(
        xcb_get_image_reply(x.c(),
                            xcb_get_image(x.c(), XCB_IMAGE_FORMAT_Z_PIXMAP, x.screen().root, 0, 0,
                                          uint16_t(width), uint16_t(height), ~0u),
                            nullptr));
    if (!grabbed) {
        return QImage();
    }
    const qsizetype stride = StrideOf(x, width, layout.bitsPerPixel);
    if (qsizetype(xcb_get_image_data_length(grabbed.get())) < stride * height) {
        return QImage();
    }
    return PixelsToImage(xcb_get_image_data(grabbed.get()), width, height, stride, layout);
}

// Waits until the windows are no longer on the screen, then until the screen is repainted: at
// once where only the root's background lay under them (the server paints that itself before it
// answers), else until the programs below have drawn.
void WaitUntilGone(const Connection& x, const QList<xcb_window_t>& windows,
                   const QList<QRect>& areas, ScreenDamage& damage) {
    QElapsedTimer clock;
    clock.start();
    const auto anyShown = [&] {
        for (xcb_window_t w : windows) {
            if (x.viewable(w)) {
                return true;
            }
        }
        return false;
    };
    while (anyShown() && clock.elapsed() < kUnmapLimitMs) {
        x.waitReadable(2);
        damage.drawnSince();
    }
    if (!x.otherWindowOver(areas, windows)) {
        return;
    }
    if (!damage.works()) {
        x.waitReadable(kQuietMs);
        return;
    }
    const qint64 gone = clock.elapsed();
    qint64 lastDrawn = gone;
    while (clock.elapsed() - lastDrawn < kQuietMs && clock.elapsed() - gone < kSettleLimitMs) {
        x.waitReadable(lastDrawn + kQuietMs - clock.elapsed());
        if (damage.drawnSince()) {
            lastDrawn = clock.elapsed();
        }
    }
}

// The root window with our windows off it; nothing from an X server inside a Wayland desktop.
std::optional<ScreenCaptureResult> CaptureRoot(QWidget* window) {
    ScreenCaptureResult result;
    const Connection x;
    if (!x.ok()) {
        result.error = QCoreApplication::translate(
            "X11Capture", "The X server cannot be reached to capture the screen.");
        return result;
    }
    // An X server inside a Wayland desktop sees nothing of the Wayland windows.
    if (x.hasExtension("XWAYLAND")) {
        return std::nullopt;
    }
    ScreenDamage damage(x);
    // The window manager's frames are looked up while they still hold our windows.
    QList<xcb_window_t> gone;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && LeavesForCapture(w)) {
            gone << xcb_window_t(w->winId()) << x.topLevel(xcb_window_t(w->winId()));
        }
    }
    // Where they stand on the screen: what their going uncovers.
    QList<QRect> areas;
    for (xcb_window_t w : gone) {
        if (x.topLevel(w) == w) {
            areas << x.area(w);
        }
    }
    {
        HiddenWindows hidden(window);
        // Qt's own requests (the unmaps) go out now, not when its event loop next runs.
        if (auto* qtX = qGuiApp != nullptr
                            ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                            : nullptr) {
            xcb_flush(qtX->connection());
        }
        WaitUntilGone(x, gone, areas, damage);

        const int width = x.screen().width_in_pixels;
        const int height = x.screen().height_in_pixels;
        const PixelLayout layout = LayoutOf(x);
        result.picture = GrabShared(x, width, height, layout);
        if (result.picture.isNull()) {
            result.picture = GrabThroughSocket(x, width, height, layout);
        }
    }
    if (result.picture.isNull()) {
        result.error = QCoreApplication::translate(
            "X11Capture", "The X server did not hand over the screen's pixels.");
        return result;
    }
    result.outcome = ScreenCaptureResult::Outcome::Picture;
    return result;
}

class XcbScreenCapture : public ScreenCaptureService {
public:
    ScreenCaptureResult capture(QWidget* window) override {
        if (std::optional<ScreenCaptureResult> root = CaptureRoot(window)) {
            return std::move(*root);
        }
        if (!m_portal) {
            m_portal = NewPortalScreenCapture();
        }
        return m_portal->capture(window);
    }

private:
    std::shared_ptr<ScreenCaptureService> m_portal;
};
} // namespace

std::shared_ptr<ScreenCaptureService> NewX11ScreenCapture() {
    return std::make_shared<XcbScreenCapture>();
}

std::optional<ScreenCaptureResult> CaptureX11RootEarly() {
    return CaptureRoot(nullptr);
}

void WaitForX11Server() {
    auto* qtX = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    if (qtX == nullptr) {
        return;
    }
    // A round trip: its answer comes once every request before it has been carried out.
    xcb_connection_t* c = qtX->connection();
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

struct FrozenX11Screen::State {
    Connection x; // its end takes the window, the copy and the cursor with it
    bool holding = false;
};

FrozenX11Screen::FrozenX11Screen(std::unique_ptr<State> state) : m_state(std::move(state)) {}
FrozenX11Screen::~FrozenX11Screen() = default;

namespace {
// Whether a compositing manager draws the screen: it owns the selection _NET_WM_CM_S<screen>.
bool Composited(const Connection& x) {
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(x.screenNumber());
    const XcbPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        x.c(), xcb_intern_atom(x.c(), 1, uint16_t(name.size()), name.constData()), nullptr));
    if (!atom || atom->atom == XCB_NONE) {
        return false;
    }
    const XcbPtr<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(x.c(), xcb_get_selection_owner(x.c(), atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}
} // namespace

std::unique_ptr<FrozenX11Screen> FrozenX11Screen::Freeze() {
    auto state = std::make_unique<State>();
    const Connection& x = state->x;
    if (!x.ok() || x.hasExtension("XWAYLAND")) {
        return nullptr;
    }
    xcb_connection_t* c = x.c();
    const xcb_screen_t& screen = x.screen();
    const uint16_t width = screen.width_in_pixels;
    const uint16_t height = screen.height_in_pixels;
    // Where the server draws the screen itself, a window it never paints over everything keeps
    // what the screen shows and hides every change under it: nothing is copied. A compositing
    // manager would draw such a window's unpainted contents, so there it shows a copy of the
    // screen, every window on it included, made within the server.
    uint32_t background = XCB_BACK_PIXMAP_NONE;
    if (Composited(x)) {
        background = xcb_generate_id(c);
        xcb_create_pixmap(c, screen.root_depth, background, screen.root, width, height);
        const xcb_gcontext_t gc = xcb_generate_id(c);
        const uint32_t throughWindows = XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS;
        xcb_create_gc(c, gc, background, XCB_GC_SUBWINDOW_MODE, &throughWindows);
        xcb_copy_area(c, screen.root, background, gc, 0, 0, 0, 0, width, height);
        xcb_free_gc(c, gc);
    }
    // The cross-hair of the X cursor font (glyph 34, its mask 35) says a pick has begun.
    const xcb_font_t glyphs = xcb_generate_id(c);
    xcb_open_font(c, glyphs, 6, "cursor");
    const xcb_cursor_t crossHair = xcb_generate_id(c);
    xcb_create_glyph_cursor(c, crossHair, glyphs, glyphs, 34, 35, 0, 0, 0, 0xFFFF, 0xFFFF, 0xFFFF);
    xcb_close_font(c, glyphs);
    // A window the window manager leaves alone stands above every managed one.
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t values[] = {background, 1, crossHair};
    xcb_create_window(c, screen.root_depth, window, screen.root, 0, 0, width, height, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen.root_visual,
                      XCB_CW_BACK_PIXMAP | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_CURSOR, values);
    xcb_map_window(c, window);
    if (background != XCB_BACK_PIXMAP_NONE) {
        xcb_free_pixmap(c, background); // the window keeps it while it needs it
    }
    // The pointer and the keys are ours from now on: what they do before the gesture's windows
    // come up is kept for it. A grab another program holds (an open menu) leaves them be.
    const auto pointer =
        xcb_grab_pointer(c, 0, window, XCB_EVENT_MASK_BUTTON_PRESS, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, crossHair, XCB_CURRENT_TIME);
    const auto keyboard =
        xcb_grab_keyboard(c, 0, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    // The round trips: the screen is frozen once they return.
    const XcbPtr<xcb_grab_pointer_reply_t> held(xcb_grab_pointer_reply(c, pointer, nullptr));
    const XcbPtr<xcb_grab_keyboard_reply_t> keys(xcb_grab_keyboard_reply(c, keyboard, nullptr));
    state->holding = (held && held->status == XCB_GRAB_STATUS_SUCCESS) ||
                     (keys && keys->status == XCB_GRAB_STATUS_SUCCESS);
    return std::unique_ptr<FrozenX11Screen>(new FrozenX11Screen(std::move(state)));
}

namespace {
// The keys a gesture takes before its windows are up, by their X keysyms.
std::optional<EarlyPress> EarlyKey(xcb_keysym_t sym, bool shift) {
    EarlyPress press;
    press.key = true;
    press.far = shift;
    switch (sym) {
    case 0xff0d: // Return
    case 0xff8d: // KP_Enter
    case 0x0020: // space
        press.kind = EarlyPress::Kind::Pick;
        return press;
    case 0xff1b: // Escape
        press.kind = EarlyPress::Kind::Cancel;
        return press;
    case 0xff51: // Left
    case 0xff52: // Up
    case 0xff53: // Right
    case 0xff54: // Down
    {
        static const QPoint kSteps[] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
        press.kind = EarlyPress::Kind::Step;
        press.step = kSteps[sym - 0xff51];
        return press;
    }
    default:
        return std::nullopt;
    }
}
} // namespace

QList<EarlyPress> FrozenX11Screen::releaseInput() {
    QList<EarlyPress> presses;
    if (!m_state->holding) {
        return presses;
    }
    m_state->holding = false;
    xcb_connection_t* c = m_state->x.c();
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    // Every event from before the grabs ended is queued once this returns.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
        const XcbPtr<xcb_generic_event_t> event(e);
        const uint8_t type = e->response_type & 0x7f;
        if (type == XCB_BUTTON_PRESS) {
            const auto* b = reinterpret_cast<const xcb_button_press_event_t*>(e);
            if (b->detail == 1 || b->detail == 3) {
                EarlyPress press;
                press.kind = b->detail == 1 ? EarlyPress::Kind::Pick : EarlyPress::Kind::Cancel;
                press.at = QPoint(b->root_x, b->root_y);
                presses << press;
            }
        } else if (type == XCB_KEY_PRESS) {
            const auto* k = reinterpret_cast<const xcb_key_press_event_t*>(e);
            const XcbPtr<xcb_get_keyboard_mapping_reply_t> map(xcb_get_keyboard_mapping_reply(
                c, xcb_get_keyboard_mapping(c, k->detail, 1), nullptr));
            if (map && xcb_get_keyboard_mapping_keysyms_length(map.get()) > 0) {
                if (std::optional<EarlyPress> press =
                        EarlyKey(xcb_get_keyboard_mapping_keysyms(map.get())[0],
                                 (k->state & XCB_MOD_MASK_SHIFT) != 0)) {
                    press->at = QPoint(k->root_x, k->root_y);
                    presses << *press;
                }
            }
        }
    }
    return presses;
}

#else

std::optional<ScreenCaptureResult> CaptureX11RootEarly() {
    return std::nullopt;
}

void WaitForX11Server() {}

struct FrozenX11Screen::State {};
FrozenX11Screen::FrozenX11Screen(std::unique_ptr<State> state) : m_state(std::move(state)) {}
FrozenX11Screen::~FrozenX11Screen() = default;
QList<EarlyPress> FrozenX11Screen::releaseInput() {
    return {};
}
std::unique_ptr<FrozenX11Screen> FrozenX11Screen::Freeze() {
    return nullptr;
}

#endif
