#include "desktop/NativeWindow.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef HUEMARK_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {
xcb_connection_t* Connection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t Root(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;
} // namespace

std::optional<QPoint> NativeWindowOrigin(const QWidget* window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr || window == nullptr ||
        !window->testAttribute(Qt::WA_WState_Created)) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const Reply<xcb_translate_coordinates_reply_t> reply(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, Root(connection), 0, 0), nullptr));
    if (!reply) {
        return std::nullopt;
    }
    return QPoint(reply->dst_x, reply->dst_y);
}

bool WarpPointer(QPoint devicePixel) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return false;
    }
    const xcb_window_t root = Root(connection);
    xcb_warp_pointer(connection, XCB_NONE, root, 0, 0, 0, 0, static_cast<int16_t>(devicePixel.x()),
                     static_cast<int16_t>(devicePixel.y()));
    const Reply<xcb_query_pointer_reply_t> where(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr));
    return where && where->root_x == devicePixel.x() && where->root_y == devicePixel.y();
}

std::optional<QPoint> PointerDevicePixel() {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return std::nullopt;
    }
    const Reply<xcb_query_pointer_reply_t> where(xcb_query_pointer_reply(
        connection, xcb_query_pointer(connection, Root(connection)), nullptr));
    if (!where || !where->same_screen) {
        return std::nullopt;
    }
    return QPoint(where->root_x, where->root_y);
}

void FlushWindowSystem() {
    if (xcb_connection_t* connection = Connection()) {
        xcb_flush(connection);
    }
}

#else

std::optional<QPoint> NativeWindowOrigin(const QWidget* /*window*/) {
    return std::nullopt;
}

bool WarpPointer(QPoint /*devicePixel*/) {
    return false;
}

std::optional<QPoint> PointerDevicePixel() {
    return std::nullopt;
}

void FlushWindowSystem() {}

#endif
