// Writes the window icon's design as the PNGs a desktop looks for in its icon theme:
//   huemark_icons OUTDIR NAME  ->  OUTDIR/<size>x<size>/apps/NAME.png for 16 ... 256

#include "help/WindowIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: huemark_icons OUTDIR NAME\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(folder) ||
            !DrawWindowIcon(size).save(folder + QLatin1Char('/') + QString::fromLocal8Bit(argv[2]) +
                                       QStringLiteral(".png"))) {
            std::fprintf(stderr, "huemark_icons: cannot write the %d px icon in %s\n", size,
                         argv[1]);
            return 1;
        }
    }
    return 0;
}
