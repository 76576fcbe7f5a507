#include "controls/Frame.h"

#include <QPainter>

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
    setFlat(true);
}

void Frame::setCaptionPlace(int indent, int middle) {
    m_indent = indent;
    m_middle = middle;
    update();
}

void Frame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int textTop = m_middle - metrics.height() / 2;
    const int textEnd = m_indent + metrics.horizontalAdvance(title());
    painter.setPen(palette().color(QPalette::Mid));
    if (textEnd + 2 < width()) {
        painter.drawLine(textEnd + 2, m_middle, width() - 1, m_middle);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPoint(m_indent, textTop + metrics.ascent()), title());
}
