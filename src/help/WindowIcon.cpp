#include "help/WindowIcon.h"

#include <QPainter>
#include <QPixmap>

QImage DrawWindowIcon(int size) {
    // Only the sixteen classic palette colours are used.
    const QColor black(0, 0, 0), white(255, 255, 255), red(255, 0, 0), lime(0, 255, 0),
        blue(0, 0, 255), gray(128, 128, 128), silver(192, 192, 192);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int s = size / 16; // one "cell" of the 16x16 design
    // Three swatches along the bottom.
    p.fillRect(1 * s, 10 * s, 4 * s, 5 * s, red);
    p.fillRect(6 * s, 10 * s, 4 * s, 5 * s, lime);
    p.fillRect(11 * s, 10 * s, 4 * s, 5 * s, blue);
    p.setPen(QPen(black, 0));
    p.drawRect(1 * s, 10 * s, 4 * s - 1, 5 * s - 1);
    p.drawRect(6 * s, 10 * s, 4 * s - 1, 5 * s - 1);
    p.drawRect(11 * s, 10 * s, 4 * s - 1, 5 * s - 1);
    // A pipette pointing down at the middle swatch.
    p.setPen(QPen(gray, 2 * s));
    p.drawLine(8 * s, 9 * s, 13 * s, 2 * s);
    p.setPen(QPen(silver, s));
    p.drawLine(8 * s, 9 * s, 13 * s, 2 * s);
    p.fillRect(12 * s, 0, 4 * s, 4 * s, black);
    p.fillRect(13 * s, 1 * s, 2 * s, 2 * s, white);
    p.end();
    return image;
}

QIcon MakeWindowIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(DrawWindowIcon(16)));
    icon.addPixmap(QPixmap::fromImage(DrawWindowIcon(32)));
    return icon;
}
