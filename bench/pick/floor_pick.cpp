// The floor the screen pick is measured against: a bare Qt window, full screen and above the
// window manager, showing the screen captured through Qt's own grab, with a dark box beside the
// pointer where the pick's loupe stands. "bare" shows the window without a capture (the memory
// of a full-screen window alone).

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cstring>
#include <memory>
#include <vector>

namespace {
class Frozen : public QWidget {
public:
    explicit Frozen(QPixmap screen)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint),
          m_screen(std::move(screen)), m_pointer(QCursor::pos()) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (m_screen.isNull()) {
            painter.fillRect(rect(), Qt::black);
        } else {
            painter.drawPixmap(0, 0, m_screen);
        }
        painter.fillRect(QRect(m_pointer + QPoint(24, 24), QSize(150, 190)),
                         QColor(0x20, 0x20, 0x20));
    }

private:
    QPixmap m_screen;
    QPoint m_pointer;
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // "bare": a window on every monitor, with nothing captured.
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        std::vector<std::unique_ptr<Frozen>> windows;
        for (QScreen* screen : QGuiApplication::screens()) {
            windows.push_back(std::make_unique<Frozen>(QPixmap()));
            windows.back()->setScreen(screen);
            windows.back()->setGeometry(screen->geometry());
            windows.back()->showFullScreen();
        }
        return QApplication::exec();
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    Frozen window(screen->grabWindow(0));
    window.setGeometry(screen->geometry());
    window.showFullScreen();
    return QApplication::exec();
}
