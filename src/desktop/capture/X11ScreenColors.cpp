#include "desktop/capture/X11ScreenColors.h"

#include <QCoreApplication>

#ifdef HUEMARK_HAVE_XCB
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace {
template <typename T> struct Freed {
    void operator()(T* p) const { std::free(p); }
};
template <typename T> using XcbPtr = std::unique_ptr<T, Freed<T>>;

// A profile is a few kilobytes, a measured one with tables a few hundred: 32 MB is none.
constexpr uint32_t kMostProfileWords = 8u << 20;

class X11ScreenColors : public ScreenColorSource {
public:
    X11ScreenColors(xcb_connection_t* c, xcb_window_t root) : m_c(c), m_root(root) {}
    ~X11ScreenColors() override { xcb_disconnect(m_c); }
    X11ScreenColors(const X11ScreenColors&) = delete;
    X11ScreenColors& operator=(const X11ScreenColors&) = delete;

    QByteArray profile(int monitor) override {
        const QByteArray name = profilePlace(monitor).toLatin1();
        const XcbPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
            m_c, xcb_intern_atom(m_c, 1, uint16_t(name.size()), name.constData()), nullptr));
        if (!atom || atom->atom == XCB_NONE) {
            return {};
        }
        const XcbPtr<xcb_get_property_reply_t> value(xcb_get_property_reply(
            m_c,
            xcb_get_property(m_c, 0, m_root, atom->atom, XCB_GET_PROPERTY_TYPE_ANY, 0,
                             kMostProfileWords),
            nullptr));
        if (!value || value->format != 8) {
            return {};
        }
        return QByteArray(static_cast<const char*>(xcb_get_property_value(value.get())),
                          xcb_get_property_value_length(value.get()));
    }

    QString profilePlace(int monitor) const override {
        return monitor == 0 ? QStringLiteral("_ICC_PROFILE")
                            : QStringLiteral("_ICC_PROFILE_%1").arg(monitor);
    }

    std::optional<GammaRamps> ramps(const QRect& devicePixels) override {
        const xcb_query_extension_reply_t* randr = xcb_get_extension_data(m_c, &xcb_randr_id);
        if (randr == nullptr || !randr->present) {
            return std::nullopt;
        }
        const XcbPtr<xcb_randr_query_version_reply_t> version(
            xcb_randr_query_version_reply(m_c, xcb_randr_query_version(m_c, 1, 3), nullptr));
        if (!version || (version->major_version == 1 && version->minor_version < 2)) {
            return std::nullopt;
        }
        const XcbPtr<xcb_randr_get_screen_resources_current_reply_t> resources(
            xcb_randr_get_screen_resources_current_reply(
                m_c, xcb_randr_get_screen_resources_current(m_c, m_root), nullptr));
        if (!resources) {
            return std::nullopt;
        }
        // The CRTC that shows most of the monitor (RandR's monitors may share one, or span
        // several: the largest part stands for it).
        const xcb_randr_crtc_t* crtcs =
            xcb_randr_get_screen_resources_current_crtcs(resources.get());
        xcb_randr_crtc_t best = XCB_NONE;
        qint64 bestArea = 0;
        for (int i = 0; i < xcb_randr_get_screen_resources_current_crtcs_length(resources.get());
             ++i) {
            const XcbPtr<xcb_randr_get_crtc_info_reply_t> info(xcb_randr_get_crtc_info_reply(
                m_c, xcb_randr_get_crtc_info(m_c, crtcs[i], resources->config_timestamp), nullptr));
            if (!info || info->mode == XCB_NONE) {
                continue;
            }
            const QRect shown =
                QRect(info->x, info->y, info->width, info->height).intersected(devicePixels);
            const qint64 area = qint64(shown.width()) * shown.height();
            if (!shown.isEmpty() && area > bestArea) {
                best = crtcs[i];
                bestArea = area;
            }
        }
        if (best == XCB_NONE) {
            return std::nullopt;
        }
        const XcbPtr<xcb_randr_get_crtc_gamma_reply_t> gamma(
            xcb_randr_get_crtc_gamma_reply(m_c, xcb_randr_get_crtc_gamma(m_c, best), nullptr));
        if (!gamma || gamma->size < 2) {
            return std::nullopt;
        }

        const auto list = [](const uint16_t* values, int n) {
            return QList<quint16>(values, values + n);
        };
        GammaRamps ramps;
        ramps.red = list(xcb_randr_get_crtc_gamma_red(gamma.get()),
                         xcb_randr_get_crtc_gamma_red_length(gamma.get()));
        ramps.green = list(xcb_randr_get_crtc_gamma_green(gamma.get()),
                           xcb_randr_get_crtc_gamma_green_length(gamma.get()));
        ramps.blue = list(xcb_randr_get_crtc_gamma_blue(gamma.get()),
                          xcb_randr_get_crtc_gamma_blue_length(gamma.get()));
        // Ramps of nothing but zeros would show every monitor black: a server without a
        // display's hardware (Xvfb) keeps them so until someone sets them, and applies none.
        const auto zero = [](const QList<quint16>& ramp) {
            return std::all_of(ramp.begin(), ramp.end(), [](quint16 v) { return v == 0; });
        };
        if (zero(ramps.red) && zero(ramps.green) && zero(ramps.blue)) {
            return std::nullopt;
        }
        return ramps;
    }

    QString rampPlace() const override { return QStringLiteral("RandR"); }

private:
    xcb_connection_t* m_c;
    xcb_window_t m_root;
};
} // namespace

std::unique_ptr<ScreenColorSource> NewX11ScreenColors(QString* error) {
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c) != 0) {
        xcb_disconnect(c);
        *error = QCoreApplication::translate("X11Capture", "no X server answers");
        return nullptr;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem > 0; ++i) {
        xcb_screen_next(&it);
    }
    static const char kXwayland[] = "XWAYLAND";
    const XcbPtr<xcb_query_extension_reply_t> xwayland(xcb_query_extension_reply(
        c, xcb_query_extension(c, uint16_t(std::strlen(kXwayland)), kXwayland), nullptr));
    if (it.rem == 0 || (xwayland && xwayland->present)) {
        xcb_disconnect(c);
        *error = QCoreApplication::translate(
            "X11Capture", "the X server stands in for a Wayland desktop, whose screen it does not "
                          "hold");
        return nullptr;
    }
    return std::make_unique<X11ScreenColors>(c, it.data->root);
}

#else

std::unique_ptr<ScreenColorSource> NewX11ScreenColors(QString* error) {
    *error = QCoreApplication::translate("X11Capture", "this build has no X11");
    return nullptr;
}

#endif
