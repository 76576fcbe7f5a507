// Which capture the desktop the program runs on needs.

#include "desktop/capture/ScreenCapture.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {
class NullScreenCapture : public ScreenCaptureService {
public:
    ScreenCaptureResult capture(QWidget* /*window*/) override {
        ScreenCaptureResult result;
        result.error =
            QCoreApplication::translate("ScreenCapture", "There is no screen to capture here.");
        return result;
    }
};
} // namespace

std::shared_ptr<ScreenCaptureService> NewNullScreenCapture() {
    return std::make_shared<NullScreenCapture>();
}

std::shared_ptr<ScreenCaptureService> NewScreenCapture() {
#ifdef HUEMARK_HAVE_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        return NewX11ScreenCapture();
    }
#endif
    // Wayland, and any other desktop: its screenshot portal.
    return NewPortalScreenCapture();
}
