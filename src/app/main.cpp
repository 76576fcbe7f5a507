#include "app/frmHuemark.h"
#include "help/About.h"
#include "help/HelpViewer.h"
#include "platform/DesktopStyle.h"
#include "platform/EndRequests.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QUrl>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new DesktopStyle);
    QApplication::setApplicationName(QStringLiteral("Huemark"));
    QApplication::setOrganizationName(QStringLiteral("Huemark"));
    const VersionInfo version = ProgramVersion();
    QApplication::setApplicationVersion(VersionText(version));
    // Desktops (Wayland's above all) match the window to its desktop entry and icon by this.
    QGuiApplication::setDesktopFileName(DesktopName());

    // One optional picture file, as a file manager's "Open With" passes it (a path or a file URI).
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Reads the colour of any pixel of a picture."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QApplication::translate("main", "A picture file to open instead of the clipboard's."),
        QStringLiteral("[file]"));
    parser.process(app);

    // The program's own help viewer stands in for the platform's.
    Services services = Services::qtDefaults();
    services.helpViewer = std::make_shared<HelpViewer>();
    frmHuemark window(std::move(services));
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty()) {
        const QUrl url(files.front());
        // Made absolute here: start-up enters the remembered folder before it opens the file.
        window.setStartupFile(
            QFileInfo(url.isLocalFile() ? url.toLocalFile() : files.front()).absoluteFilePath());
    }
    // Ended from outside (a signal, the end of the session): the settings are kept as on Exit.
    EndRequests endRequests;
    QObject::connect(&endRequests, &EndRequests::endRequested, &window, &frmHuemark::Form_Unload);
    window.Form_Load();
    // Told to end while start-up waited (on a message it showed, on the clipboard): the settings
    // are written, and the event loop that would have ended has not started yet.
    if (window.Unloaded()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
