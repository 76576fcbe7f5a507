#include "screenpick/ScreenPick.h"

#include "screenpick/PickSession.h"

#include "desktop/Services.h"
#include "desktop/capture/ScreenCapture.h"
#include "list/Pick.h"
#include "readout/ReadoutPlacement.h"
#include "readout/Sampling.h"
#include "sources/PictureArrival.h"
#include "view/Monitors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEnterEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <thread>
#include <vector>

namespace {
// The loupe's magnifications: how many times larger than on the screen a pixel is shown.
constexpr int kLevels[] = {2, 3, 4, 6, 8, 12, 16, 24, 32};
constexpr int kStartLevel = 4;
// The magnified square's side, in logical pixels (as near as whole pixels allow).
constexpr int kGridSide = 150;
// Where the loupe stands from the pixel: right of and below it, unless an edge is in the way.
constexpr QPoint kBeside(24, 24);
// The text under the square: its size and its lines' height, in logical pixels.
constexpr int kTextPixels = 12;
constexpr int kLineHeight = 17;
constexpr int kTextMargin = 6;
constexpr int kBigStep = 10;

QColor ColorOf(ColorValue v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QFont LoupeFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(kTextPixels);
    return font;
}

QString Number(double value) {
    return QString::number(value, 'g', 4);
}

} // namespace

// One monitor's frozen screen, full screen on it.
class PickSurface : public QWidget {
public:
    PickSurface(PickSession& session, qsizetype index)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint),
          m_session(session), m_index(index) {
        setObjectName(QStringLiteral("screenPick"));
        setAccessibleName(
            QCoreApplication::translate("ScreenPick", "Pick a colour from the screen"));
        //: The frozen screen's description for screen readers: the keys it takes.
        setAccessibleDescription(QCoreApplication::translate(
            "ScreenPick", "Arrow keys move the pointer a pixel, [ and ] change the radius, + and "
                          "- the magnification; Enter or a click picks, Escape gives up"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::CrossCursor);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        const View::CapturedMonitor& m = m_session.monitor(m_index);
        // Device pixel for device pixel where the capture holds the monitor so; else the
        // picture's pixels stretched over the monitor, each a whole block.
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(m.inCapture.size()) / m.scale),
                          m_session.capture(), QRectF(m.inCapture));
        if (m_session.current() == m_index) {
            const QImage& loupe = m_session.loupe();
            painter.drawImage(m_session.loupeArea().topLeft(), loupe);
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        m_session.pointerAt(m_index, event->position());
    }
    void enterEvent(QEnterEvent* event) override {
        m_session.pointerEntered(m_index, event->position());
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_session.pointerAt(m_index, event->position());
            m_session.pick();
        } else if (event->button() == Qt::RightButton) {
            m_session.cancel();
        }
    }
    void wheelEvent(QWheelEvent* event) override {
        m_wheel += event->angleDelta().y();
        const int steps = m_wheel / QWheelEvent::DefaultDeltasPerStep;
        m_wheel -= steps * QWheelEvent::DefaultDeltasPerStep;
        if (steps != 0) {
            m_session.zoom(steps);
        }
    }
    void keyPressEvent(QKeyEvent* event) override { m_session.key(event); }
    void closeEvent(QCloseEvent* /*event*/) override { m_session.cancel(); }

private:
    PickSession& m_session;
    qsizetype m_index;
    int m_wheel = 0;
};

PickSession::PickSession(ShownPicture capture, QList<View::CapturedMonitor> monitors,
                         PointerService& pointer, View::CaptureLayout layout,
                         const ScreenPickOptions& options)
    : m_capture(std::move(capture)), m_monitors(std::move(monitors)), m_pointer(pointer),
      m_layout(layout), m_radius(std::clamp(options.radius, kMinRadius, kMaxRadius)),
      m_notation(options.notation), m_picked(options.picked), m_earlyInput(options.earlyInput),
      m_level(kStartLevel) {}

PickSession::~PickSession() = default;

QWidget* PickSession::surface(qsizetype monitor) const {
    return m_surfaces[size_t(monitor)].get();
}

ScreenPickResult PickSession::run() {
    show();
    m_result.outcome = ScreenPickResult::Outcome::Cancelled;
    PickSurface& first = *m_surfaces[size_t(m_current)];
    // Let go by the frozen screen before the surfaces take the keys over.
    const QList<EarlyPress> early = m_earlyInput ? m_earlyInput() : QList<EarlyPress>();
    // The keys come here wherever the pointer is (X11; elsewhere the focused surface has them).
    first.grabKeyboard();
    if (!early.isEmpty()) {
        QTimer::singleShot(0, &first, [this, early] { replay(early); });
    }
    m_loop.exec();
    first.releaseKeyboard();
    for (const auto& surface : m_surfaces) {
        surface->hide();
    }
    return m_result;
}

void PickSession::show() {
    // The pixel under the pointer at start, else the middle of the first monitor.
    const QPoint pointer = m_pointer.pos();
    m_current = 0;
    m_pixel = m_monitors[0].inCapture.center();
    for (qsizetype i = 0; i < m_monitors.size(); ++i) {
        if (m_monitors[i].logical.contains(pointer)) {
            m_current = i;
            m_pixel = m_monitors[i].pixelAt(pointer);
        }
    }
    if (m_layout == View::CaptureLayout::DevicePixels) {
        if (const std::optional<QPoint> device = m_pointer.devicePos()) {
            if (const std::optional<qsizetype> on = View::MonitorHolding(m_monitors, *device)) {
                m_current = *on;
                m_pixel = *device;
            }
        }
    }
    // Where the loupe is drawn first: a move takes it away from there.
    m_shownOn = m_current;
    m_shownLoupe = loupeArea();
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (qsizetype i = 0; i < m_monitors.size(); ++i) {
        auto surface = std::make_unique<PickSurface>(*this, i);
        for (QScreen* screen : screens) {
            if (screen->name() == m_monitors[i].name) {
                surface->setScreen(screen);
            }
        }
        surface->setGeometry(m_monitors[i].logical);
        m_surfaces.push_back(std::move(surface));
    }
    for (const auto& surface : m_surfaces) {
        surface->showFullScreen();
    }
    PickSurface& first = *m_surfaces[size_t(m_current)];
    first.activateWindow();
    first.setFocus();
}

void PickSession::pointerEntered(qsizetype monitor, QPointF local) {
    if (!m_pointer.tellsPlace()) {
        pointerAt(monitor, local);
    }
}

void PickSession::pointerAt(qsizetype monitor, QPointF local) {
    const View::CapturedMonitor& m = m_monitors[monitor];
    QPoint pixel = m.pixelAt(QPointF(m.logical.topLeft()) + local);
    // The toolkit rounds the pointer to whole logical pixels; where the capture is the screen's
    // own pixels, the window system's device pixel names the one under the pointer.
    if (m_layout == View::CaptureLayout::DevicePixels) {
        if (const std::optional<QPoint> device = m_pointer.devicePos();
            device && View::MonitorHolding(m_monitors, *device) == monitor) {
            pixel = *device;
        }
    }
    if (pixel == m_pixel && monitor == m_current) {
        return;
    }
    m_current = monitor;
    m_pixel = pixel;
    changed();
}

void PickSession::moveTo(QPoint pixel) {
    const std::optional<qsizetype> on = View::MonitorHolding(m_monitors, pixel);
    if (on) {
        m_current = *on;
    } else {
        // Past the desktop's edge (or into a gap between monitors): the edge of this one.
        const QRect& r = m_monitors[m_current].inCapture;
        pixel = QPoint(std::clamp(pixel.x(), r.left(), r.right()),
                       std::clamp(pixel.y(), r.top(), r.bottom()));
    }
    if (pixel == m_pixel) {
        return;
    }
    m_pixel = pixel;
    // The pointer follows where the capture's pixels are the screen's own (X11's root window);
    // its move then names the same pixel. Where the desktop keeps the pointer, the loupe goes on.
    if (m_layout == View::CaptureLayout::DevicePixels) {
        m_pointer.setDevicePos(pixel);
    }
    changed();
}

void PickSession::key(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? kBigStep : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        moveTo(m_pixel + QPoint(-step, 0));
        break;
    case Qt::Key_Right:
        moveTo(m_pixel + QPoint(step, 0));
        break;
    case Qt::Key_Up:
        moveTo(m_pixel + QPoint(0, -step));
        break;
    case Qt::Key_Down:
        moveTo(m_pixel + QPoint(0, step));
        break;
    case Qt::Key_BracketLeft:
    case Qt::Key_BracketRight: {
        const int radius = std::clamp(m_radius + (event->key() == Qt::Key_BracketRight ? 1 : -1),
                                      kMinRadius, kMaxRadius);
        if (radius != m_radius) {
            m_radius = radius;
            changed();
        }
        break;
    }
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoom(1);
        break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        zoom(-1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        pick();
        break;
    case Qt::Key_Escape:
        cancel();
        break;
    default:
        break;
    }
}

void PickSession::replay(const QList<EarlyPress>& presses) {
    for (const EarlyPress& press : presses) {
        if (!m_loop.isRunning()) {
            return;
        }
        // A click names its own pixel; a key, the pixel under the pointer.
        if (!press.key && press.kind != EarlyPress::Kind::Cancel &&
            m_layout == View::CaptureLayout::DevicePixels) {
            const std::optional<qsizetype> on = View::MonitorHolding(m_monitors, press.at);
            if (!on) {
                continue; // where no monitor is, no surface takes the click
            }
            m_current = *on;
            m_pixel = press.at;
            changed();
        }
        switch (press.kind) {
        case EarlyPress::Kind::Pick:
            pick();
            break;
        case EarlyPress::Kind::Cancel:
            cancel();
            break;
        case EarlyPress::Kind::Step:
            moveTo(m_pixel + press.step * (press.far ? kBigStep : 1));
            break;
        }
    }
}

void PickSession::zoom(int steps) {
    const int level = std::clamp(m_level + steps, 0, int(std::size(kLevels)) - 1);
    if (level != m_level) {
        m_level = level;
        changed();
    }
}

void PickSession::changed() {
    m_loupe = QImage();
    const QRect area = loupeArea();
    if (m_shownOn >= 0 && (m_shownOn != m_current || m_shownLoupe != area)) {
        m_surfaces[size_t(m_shownOn)]->update(m_shownLoupe);
    }
    m_surfaces[size_t(m_current)]->update(area);
    m_shownOn = m_current;
    m_shownLoupe = area;
}

const QImage& PickSession::loupe() {
    if (!m_loupe.isNull()) {
        return m_loupe;
    }
    const View::CapturedMonitor& m = m_monitors[m_current];
    const double ratio = m.ratio;
    // A capture pixel covers ratio / scale device pixels on the screen; the loupe shows it
    // kLevels times that, in whole device pixels so every cell is the same.
    const int cell = std::max(1, int(std::lround(kLevels[m_level] * ratio / m.scale)));
    int cells = std::max(3, int(kGridSide * ratio) / cell);
    cells -= 1 - cells % 2;
    const int frame = std::max(1, int(std::lround(ratio)));
    const int grid = cells * cell;
    const bool note = !m.atDeviceResolution();
    const int lines = note ? 3 : 2;
    const int textHeight = int(std::ceil((lines * kLineHeight + kTextMargin) * ratio));
    m_loupe = QImage(grid + 2 * frame, grid + 2 * frame + textHeight, QImage::Format_RGB32);
    m_loupe.fill(QColor(0x20, 0x20, 0x20));

    // The cells: the pixels around this one, with a hatch where the monitor ends.
    const int middle = cells / 2;
    QImage pixels(cells, cells, QImage::Format_RGB32);
    std::vector<QPoint> outside;
    for (int row = 0; row < cells; ++row) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(row));
        for (int column = 0; column < cells; ++column) {
            const QPoint p = m_pixel + QPoint(column - middle, row - middle);
            if (m.inCapture.contains(p)) {
                line[column] = m_capture.image().pixel(p);
            } else {
                line[column] = qRgb(0x80, 0x80, 0x80);
                outside.emplace_back(column, row);
            }
        }
    }
    {
        QPainter painter(&m_loupe);
        const auto cellRect = [&](int column, int row) {
            return QRect(frame + column * cell, frame + row * cell, cell, cell);
        };
        painter.drawImage(QRect(frame, frame, grid, grid), pixels);
        for (const QPoint& c : outside) {
            painter.fillRect(cellRect(c.x(), c.y()),
                             QBrush(QColor(0xC0, 0xC0, 0xC0), Qt::BDiagPattern));
        }
        painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 0));
        painter.drawRect(QRect(0, 0, grid + 2 * frame, grid + 2 * frame).adjusted(0, 0, -1, -1));
        const int n = std::min(m_radius, middle);
        if (n > 0) {
            const QRect square =
                cellRect(middle - n, middle - n).united(cellRect(middle + n, middle + n));
            painter.setPen(QPen(Qt::white, frame));
            painter.drawRect(square.adjusted(0, 0, -1, -1));
            painter.setPen(QPen(Qt::black, frame, Qt::DashLine));
            painter.drawRect(square.adjusted(0, 0, -1, -1));
        }
        const QRect centre = cellRect(middle, middle);
        painter.setPen(QPen(Qt::black, frame));
        painter.drawRect(centre.adjusted(-frame, -frame, frame - 1, frame - 1));
        painter.setPen(QPen(Qt::white, frame));
        painter.drawRect(centre.adjusted(0, 0, -1, -1));
    }
    // The text in logical pixels, as the monitor shows text.
    m_loupe.setDevicePixelRatio(ratio);
    QPainter painter(&m_loupe);
    painter.setFont(LoupeFont());
    painter.setPen(Qt::white);
    // The square's samples keep to the monitor the pixel lies on.
    const ColorValue c = m_capture.colorAt(m_pixel, m_radius, m.inCapture);
    const QString code =
        c < 0 ? QString() : ColorAs(m_notation, Pick(Color::fromValue(c), QString()));
    const QPoint device = m.devicePixelOf(m_pixel);
    // The pixel on its monitor, the radius and the magnification.
    //: The loupe: the pointer's device pixel, %1 across and %2 down.
    const QString pixel = QCoreApplication::translate("ScreenPick", "%1, %2");
    //: The loupe: the averaging radius, 0 to 5.
    const QString radius = QCoreApplication::translate("ScreenPick", "radius %1");
    QString place = pixel.arg(device.x()).arg(device.y());
    if (m_radius > 0) {
        place += QStringLiteral("   ") + radius.arg(m_radius);
    }
    place += QStringLiteral("   %1×").arg(kLevels[m_level]);
    QStringList texts{code, place};
    if (note) {
        //: The loupe: %1 the scale of the screen's picture, %2 the monitor's own scale.
        const QString scales =
            QCoreApplication::translate("ScreenPick", "Screenshot at %1×, monitor at %2×");
        texts << scales.arg(Number(m.scale), Number(m.ratio));
    }
    const double top = (grid + 2 * frame) / ratio + kTextMargin / 2.0;
    const double width = m_loupe.width() / ratio;
    // A swatch of the colour before the code.
    const double swatch = kLineHeight - 5;
    if (c >= 0) {
        painter.fillRect(QRectF(kTextMargin, top + 2, swatch, swatch), ColorOf(c));
    }
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const double indent = i == 0 ? kTextMargin + swatch + 4 : kTextMargin;
        painter.drawText(QRectF(indent, top + double(i) * kLineHeight, width - indent, kLineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(texts[i], Qt::ElideRight,
                                                          int(width - indent - kTextMargin)));
    }
    return m_loupe;
}

QRect PickSession::loupeArea() {
    const View::CapturedMonitor& m = m_monitors[m_current];
    const QImage& image = loupe();
    const QSize size(int(std::ceil(image.width() / m.ratio)),
                     int(std::ceil(image.height() / m.ratio)));
    const QPointF at = m.localOf(m_pixel);
    const QPoint pointer(int(std::floor(at.x())), int(std::floor(at.y())));
    const QPoint place = BoxInside(pointer, pointer + kBeside, size, m.logical.size());
    return QRect(place, size);
}

void PickSession::finish(ScreenPickResult::Outcome outcome) {
    if (!m_loop.isRunning()) {
        return;
    }
    m_result.outcome = outcome;
    if (outcome == ScreenPickResult::Outcome::Picked) {
        const View::CapturedMonitor& m = m_monitors[m_current];
        m_result.pick = m_capture.pickAt(m_pixel, m_radius, m.inCapture).value_or(Pick());
        m_result.monitor = m.name;
        m_result.ratio = m.ratio;
        m_result.devicePixel = m.devicePixelOf(m_pixel);
        m_result.atDeviceResolution = m.atDeviceResolution();
        if (m_picked) {
            m_picked(m_result);
        }
    }
    m_loop.quit();
}

namespace {
ScreenPickResult Failure(ScreenPickResult::Outcome outcome, QString error) {
    ScreenPickResult result;
    result.outcome = outcome;
    result.error = std::move(error);
    return result;
}

// Where the screen may not be captured: the desktop's own colour picker, which needs no
// permission, picks the colour clicked (no loupe, radius or keys). refusal: what the capture
// answered, said when there is no picker either.
ScreenPickResult PickedByDesktop(ScreenCaptureService& capture, const ScreenPickOptions& options,
                                 const QString& refusal) {
    if (!capture.hasColorPicker()) {
        return Failure(ScreenPickResult::Outcome::Refused, refusal);
    }
    const QString note = QCoreApplication::translate(
        "ScreenPick", "Without the screenshot permission there is no loupe: the desktop's own "
                      "colour picker picks the colour you click.");
    if (options.talk.beforeDesktopPicker) {
        options.talk.beforeDesktopPicker(note);
    }
    QString error;
    const std::optional<std::array<double, 3>> rgb = capture.pickColor(&error);
    if (!rgb) {
        if (error.isEmpty()) {
            return Failure(ScreenPickResult::Outcome::Cancelled, QString());
        }
        return Failure(ScreenPickResult::Outcome::Refused, refusal);
    }
    const auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    ScreenPickResult result;
    result.outcome = ScreenPickResult::Outcome::Picked;
    result.pick.color = Color(channel((*rgb)[0]), channel((*rgb)[1]), channel((*rgb)[2]));
    result.pick.origin.precise = EncodedRgb{(*rgb)[0], (*rgb)[1], (*rgb)[2]};
    result.atDeviceResolution = false;
    result.note = options.talk.beforeDesktopPicker ? QString() : note;
    if (options.picked) {
        options.picked(result);
    }
    return result;
}
} // namespace

ScreenPickResult PickFromScreen(ScreenCaptureService& capture, PointerService& pointer,
                                QWidget* window, const ScreenPickOptions& options) {
    // Where the desktop asks first, it asks while the program's windows still show.
    if (std::optional<ScreenCaptureResult> stop = ClearToCapture(capture, options.talk)) {
        if (stop->outcome == ScreenCaptureResult::Outcome::Refused) {
            return PickedByDesktop(capture, options, stop->error);
        }
        return Failure(ScreenPickResult::Outcome::Failed, stop->error);
    }
    // The program's windows stay off the screen until the pick ends.
    std::optional<WindowsKeptHidden> hidden;
    hidden.emplace();
    // The loupe's first text reads the system's font configuration, tens of milliseconds at the
    // start of a program: it is read meanwhile, while the screen is captured.
    std::thread fonts([] {
        QImage scratch(32, 16, QImage::Format_RGB32);
        QPainter painter(&scratch);
        painter.setFont(LoupeFont());
        painter.drawText(QPointF(0, 12), QStringLiteral("#09AF"));
    });
    const QDateTime asked = QDateTime::currentDateTime();
    const ScreenCaptureResult shot = capture.capture(window);
    fonts.join();
    if (shot.outcome == ScreenCaptureResult::Outcome::Refused) {
        hidden.reset(); // the desktop's picker shows the screen as it is
        return PickedByDesktop(capture, options, shot.error);
    }
    if (shot.outcome == ScreenCaptureResult::Outcome::Failed) {
        return Failure(ScreenPickResult::Outcome::Failed, shot.error);
    }
    PictureArrival arrival = PictureFromScreen(shot, asked);
    if (!arrival.ok) {
        return Failure(ScreenPickResult::Outcome::Failed, arrival.reason);
    }
    const QImage picture = std::move(arrival.picture.picture).convertToFormat(QImage::Format_RGB32);
    // X11's root window holds the screen's own pixels; a portal's picture, the desktop scaled.
    const View::CaptureLayout layout = shot.outcome == ScreenCaptureResult::Outcome::Picture
                                           ? View::CaptureLayout::DevicePixels
                                           : View::CaptureLayout::ScaledDesktop;
    QList<View::MonitorInfo> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens << View::MonitorInfo{screen->name(), screen->geometry(),
                                     screen->devicePixelRatio()};
    }
    QList<View::CapturedMonitor> monitors =
        View::MonitorsInCapture(screens, picture.size(), layout);
    if (monitors.isEmpty()) {
        return Failure(ScreenPickResult::Outcome::Failed,
                       QCoreApplication::translate(
                           "ScreenPick", "The screen's picture holds none of the monitors."));
    }
    ShowOptions showing;
    showing.source = arrival.caption;
    PickSession session(ShownPicture::OfImage(picture, showing), std::move(monitors), pointer,
                        layout, options);
    return session.run();
}

QString PickJson(const ScreenPickResult& pick) {
    const std::optional<QPoint> pixel = pick.pick.origin.position;
    // A colour the desktop's own picker gave has no place: its place is null, not 0.
    const auto at = [&pixel](int v) { return pixel ? QJsonValue(v) : QJsonValue(); };
    const QJsonObject object{
        {QStringLiteral("code"), ColorAs(Notation::WebCode, pick.pick)},
        {QStringLiteral("x"), at(pixel.value_or(QPoint()).x())},
        {QStringLiteral("y"), at(pixel.value_or(QPoint()).y())},
        {QStringLiteral("monitor"), pixel ? QJsonValue(pick.monitor) : QJsonValue()},
        {QStringLiteral("scale"), pixel ? QJsonValue(pick.ratio) : QJsonValue()},
        {QStringLiteral("monitorX"), at(pick.devicePixel.x())},
        {QStringLiteral("monitorY"), at(pick.devicePixel.y())},
        {QStringLiteral("radius"), pick.pick.origin.radius},
        {QStringLiteral("deviceResolution"), pick.atDeviceResolution}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}
