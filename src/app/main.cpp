#include "app/frmHuemark.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Huemark"));
    QApplication::setOrganizationName(QStringLiteral("Huemark"));
    QApplication::setApplicationVersion(QStringLiteral("1.4.12"));

    frmHuemark window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
