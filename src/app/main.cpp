#include "app/frmHuemark.h"
#include "help/About.h"
#include "help/HelpViewer.h"
#include "platform/DesktopStyle.h"
#include "platform/EndRequests.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new DesktopStyle);
    QApplication::setApplicationName(QStringLiteral("Huemark"));
    QApplication::setOrganizationName(QStringLiteral("Huemark"));
    const VersionInfo version = ProgramVersion();
    QApplication::setApplicationVersion(VersionText(version));
    // Desktops (Wayland's above all) match the window to its desktop entry and icon by this.
    QGuiApplication::setDesktopFileName(DesktopName());

    // The program's own help viewer stands in for the platform's.
    Services services = Services::qtDefaults();
    services.helpViewer = std::make_shared<HelpViewer>();
    frmHuemark window(std::move(services));
    // Ended from outside (a signal, the end of the session): the settings are kept as on Exit.
    EndRequests endRequests;
    QObject::connect(&endRequests, &EndRequests::endRequested, &window, &frmHuemark::Form_Unload);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
