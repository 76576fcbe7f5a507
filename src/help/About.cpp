#include "help/About.h"

#include "help/Version.h"

#include <QCoreApplication>
#include <QStringList>

VersionInfo ProgramVersion() {
    VersionInfo v;
    v.productName = QString::fromUtf8(HUEMARK_PRODUCT_NAME);
    v.major = HUEMARK_VERSION_MAJOR;
    v.minor = HUEMARK_VERSION_MINOR;
    v.revision = HUEMARK_VERSION_REVISION;
    v.fileDescription = QString::fromUtf8(HUEMARK_FILE_DESCRIPTION);
    v.legalNotice = QString::fromUtf8(HUEMARK_LEGAL_NOTICE);
    v.webAddress = QString::fromUtf8(HUEMARK_WEB_ADDRESS);
    return v;
}

QString DesktopName() {
    return QStringLiteral(HUEMARK_DESKTOP_NAME);
}

QString VersionText(const VersionInfo& v) {
    return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
}

QString AboutMessage(const VersionInfo& v) {
    const QStringList lines{
        //: %1: the program's name; %2.%3: its version; %4: its build number.
        QCoreApplication::translate("About", "%1 Ver %2.%3  Build(%4)")
            .arg(v.productName)
            .arg(v.major)
            .arg(v.minor)
            .arg(v.revision),
        QCoreApplication::translate("About", "For 32-bit Microsoft\u00AE Windows 95/98/NT"),
        v.fileDescription,
        v.legalNotice,
        //: %1: the address of the program's web page.
        QCoreApplication::translate("About", "Get updates at %1").arg(v.webAddress),
    };
    return lines.join(QLatin1Char('\r'));
}

QString AboutCaption(const VersionInfo& v) {
    //: The About message's title. %1: the program's name.
    return QCoreApplication::translate("About", "About %1").arg(v.productName);
}
