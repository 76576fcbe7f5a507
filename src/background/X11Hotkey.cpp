#include "background/X11Hotkey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

namespace {
// Caps Lock, Num Lock (Mod2) and Scroll Lock (Mod5), as X servers commonly map them.
constexpr unsigned kLocks[] = {XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_5};

xcb_connection_t* Connection() {
    auto* x = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                 : nullptr;
    return x != nullptr ? x->connection() : nullptr;
}

xcb_window_t Root(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The keycode that types the keysym without a modifier (or with Shift), 0 for none.
unsigned KeycodeOf(xcb_connection_t* c, unsigned keysym) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> map(
        xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, setup->min_keycode, uint8_t(count)), nullptr),
        &std::free);
    if (!map) {
        return 0;
    }
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int per = map->keysyms_per_keycode;
    for (int code = 0; code < count; ++code) {
        for (int level = 0; level < std::min(per, 2); ++level) {
            if (syms[code * per + level] == keysym) {
                return unsigned(setup->min_keycode + code);
            }
        }
    }
    return 0;
}
} // namespace

unsigned KeysymOfKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return unsigned(key - Qt::Key_A + 'a');
    }
    if (key >= 0x20 && key < 0x7f) {
        return unsigned(key); // digits and punctuation: Latin-1's keysyms are their codes
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        return unsigned(0xffbe + (key - Qt::Key_F1));
    }
    switch (key) {
    case Qt::Key_Print:
        return 0xff61;
    case Qt::Key_Pause:
        return 0xff13;
    case Qt::Key_Insert:
        return 0xff63;
    case Qt::Key_Delete:
        return 0xffff;
    case Qt::Key_Home:
        return 0xff50;
    case Qt::Key_End:
        return 0xff57;
    case Qt::Key_PageUp:
        return 0xff55;
    case Qt::Key_PageDown:
        return 0xff56;
    default:
        return 0;
    }
}

unsigned X11Modifiers(Qt::KeyboardModifiers modifiers) {
    unsigned mask = 0;
    if (modifiers & Qt::ShiftModifier) {
        mask |= XCB_MOD_MASK_SHIFT;
    }
    if (modifiers & Qt::ControlModifier) {
        mask |= XCB_MOD_MASK_CONTROL;
    }
    if (modifiers & Qt::AltModifier) {
        mask |= XCB_MOD_MASK_1;
    }
    if (modifiers & Qt::MetaModifier) {
        mask |= XCB_MOD_MASK_4;
    }
    return mask;
}

std::unique_ptr<X11Hotkey> X11Hotkey::OnX11() {
    if (Connection() == nullptr) {
        return nullptr;
    }
    std::unique_ptr<X11Hotkey> hotkey(new X11Hotkey);
    QCoreApplication::instance()->installNativeEventFilter(hotkey.get());
    return hotkey;
}

X11Hotkey::~X11Hotkey() {
    release();
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

void X11Hotkey::release() {
    xcb_connection_t* c = Connection();
    if (c == nullptr) {
        return;
    }
    for (const Grab& g : std::exchange(m_grabs, {})) {
        xcb_ungrab_key(c, xcb_keycode_t(g.keycode), Root(c), uint16_t(g.modifiers));
    }
    xcb_flush(c);
}

QString X11Hotkey::grab(const QKeySequence& shortcut) {
    release();
    xcb_connection_t* c = Connection();
    if (shortcut.isEmpty()) {
        return QString();
    }
    const QKeyCombination combination = shortcut[0];
    const QString name = shortcut.toString(QKeySequence::NativeText);
    const unsigned keysym = KeysymOfKey(combination.key());
    const unsigned keycode = keysym != 0 ? KeycodeOf(c, keysym) : 0;
    if (keycode == 0) {
        //: %1: the shortcut ("Meta+Shift+C").
        return QCoreApplication::translate("X11Hotkey", "This keyboard has no key for %1.")
            .arg(name);
    }
    const unsigned modifiers = X11Modifiers(combination.keyboardModifiers());
    QList<xcb_void_cookie_t> cookies;
    QList<Grab> grabs;
    for (unsigned locks = 0; locks < (1u << std::size(kLocks)); ++locks) {
        unsigned mask = modifiers;
        for (size_t i = 0; i < std::size(kLocks); ++i) {
            if (locks & (1u << i)) {
                mask |= kLocks[i];
            }
        }
        cookies << xcb_grab_key_checked(c, 1, Root(c), uint16_t(mask), xcb_keycode_t(keycode),
                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        grabs << Grab{keycode, mask};
    }
    bool taken = false;
    for (const xcb_void_cookie_t& cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
            taken = true;
            std::free(error);
        }
    }
    m_grabs = grabs;
    if (taken) {
        release();
        //: %1: the shortcut ("Meta+Shift+C").
        return QCoreApplication::translate(
                   "X11Hotkey", "Another program holds %1: choose another shortcut for the pick.")
            .arg(name);
    }
    return QString();
}

bool X11Hotkey::nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) {
    if (type != "xcb_generic_event_t" || m_grabs.isEmpty()) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS) {
        return false;
    }
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    for (const Grab& g : m_grabs) {
        if (key->detail == g.keycode && (key->state & 0xff) == g.modifiers) {
            // The key's own grab would keep the keyboard from the gesture until it is let go.
            xcb_connection_t* c = Connection();
            xcb_ungrab_keyboard(c, key->time);
            std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
            emit pressed();
            return true;
        }
    }
    return false;
}
