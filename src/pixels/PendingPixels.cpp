#include "pixels/PendingPixels.h"

#include "pixels/PixelBuffer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {
// How much the rest's decoding yields to the window's own work.
constexpr int kBackgroundNice = 10;
} // namespace

void ArrivingRows::waitFor(const QRect& area) const {
    if (covered(area)) {
        return;
    }
    std::unique_lock<std::mutex> hold(m_lock);
    m_arrived.wait(hold, [&] { return covered(area); });
}

bool ArrivingRows::waitFor(const QRect& area, const std::atomic<bool>& stop) const {
    if (covered(area)) {
        return true;
    }
    // Whoever sets stop does not know this picture: the wait looks at it now and then.
    constexpr auto kLook = std::chrono::milliseconds(20);
    std::unique_lock<std::mutex> hold(m_lock);
    while (!covered(area)) {
        if (stop.load(std::memory_order_relaxed)) {
            return false;
        }
        m_arrived.wait_for(hold, kLook);
    }
    return true;
}

void ArrivingRows::publish(int rows) {
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_rows.store(rows, std::memory_order_release);
    }
    m_arrived.notify_all();
}

PendingPixels::Showing ArrivingRows::show(const QRect& area) const {
    if (!preview) {
        waitFor(area);
        return {};
    }
    if (!showable(area)) {
        std::unique_lock<std::mutex> hold(m_lock);
        m_arrived.wait(hold, [&] { return showable(area); });
    }
    return Showing(m_replacing);
}

void ArrivingRows::publishPreview(int rows) {
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_previewed.store(rows, std::memory_order_release);
    }
    m_arrived.notify_all();
}

void ArrivingRows::replaceRows(int top, int rows, const uchar* from, qsizetype bytesPerLine) {
    {
        const std::unique_lock<std::shared_mutex> hold(m_replacing);
        const size_t bytes = size_t(m_width) * 4;
        for (int i = 0; i < rows; ++i) {
            std::memcpy(m_bits + (top + i) * m_bytesPerLine, from + i * bytesPerLine, bytes);
        }
    }
    publish(top + rows);
}

void ArrivingRows::enlarge(const QRect& area) {
    if (area.isEmpty()) {
        return;
    }
    const auto from = [this](int at, int small, int whole) {
        return eighths ? at / 8 : int(qint64(at) * small / whole);
    };
    std::vector<QRgb> line(size_t(area.width()));
    for (int y = area.top(); y <= area.bottom();) {
        const int sy = from(y, coarse.height(), m_height);
        const auto* in = reinterpret_cast<const QRgb*>(coarse.constScanLine(sy));
        for (int x = area.left(); x <= area.right(); ++x) {
            line[size_t(x - area.left())] = in[from(x, coarse.width(), m_width)];
        }
        // The rows that show the same small row alike.
        do {
            std::memcpy(m_bits + y * m_bytesPerLine + area.left() * 4, line.data(),
                        line.size() * 4);
            ++y;
        } while (y <= area.bottom() && from(y, coarse.height(), m_height) == sy);
    }
}

void ArrivingRows::enlargeBlock() {
    enlarge(QRect(0, 0, previewColumns, previewRows));
}

void ArrivingRows::enlargeTheRest() {
    constexpr int kBand = 256;
    enlarge(QRect(previewColumns, 0, m_width - previewColumns, previewRows));
    for (int y = previewRows; y < m_height; y += kBand) {
        const int rows = std::min(kBand, m_height - y);
        enlarge(QRect(0, y, m_width, rows));
        publishPreview(y + rows);
    }
    publishPreview(m_height);
    coarse = QImage();
}

void ArrivingRows::greyTheRest() {
    constexpr int kBand = 16;
    const std::vector<QRgb> grey(size_t(m_width) * kBand, qRgb(0x80, 0x80, 0x80));
    int y = rowsDone();
    for (; y < readyRows; ++y) {
        auto* in = reinterpret_cast<QRgb*>(line(y));
        std::fill(in + readyColumns, in + m_width, qRgb(0x80, 0x80, 0x80));
    }
    for (; y < m_height; y += kBand) {
        replaceRows(y, std::min(kBand, m_height - y), reinterpret_cast<const uchar*>(grey.data()),
                    qsizetype(m_width) * 4);
    }
}

bool ArrivingRows::allocate(int width, int height) {
    buffer = NewPicture(width, height, QImage::Format_RGB32);
    takePixels();
    return !buffer.isNull();
}

void ArrivingRows::takePixels() {
    m_bits = buffer.isNull() ? nullptr : buffer.bits();
    m_bytesPerLine = buffer.bytesPerLine();
    m_width = buffer.width();
    m_height = buffer.height();
}

bool ArrivingRows::showable(const QRect& area) const {
    if (covered(area)) {
        return true;
    }
    if (area.left() >= 0 && area.top() >= 0 && area.right() < previewColumns &&
        area.bottom() < previewRows) {
        return true;
    }
    return area.bottom() < m_previewed.load(std::memory_order_acquire);
}

void ArrivingRows::finish() {
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_done.store(true, std::memory_order_release);
    }
    m_arrived.notify_all();
}

std::optional<int> ArrivingRows::endsAtRow() const {
    // Said before the rows below it are published, so a reader that has waited for those rows
    // knows they are no colours of the picture.
    const int row = m_endsAt.load(std::memory_order_acquire);
    return row < 0 ? std::nullopt : std::optional<int>(row);
}

bool ArrivingRows::covered(const QRect& area) const {
    if (area.isEmpty() || complete()) {
        return true;
    }
    if (area.left() >= 0 && area.top() >= 0 && area.right() < readyColumns &&
        area.bottom() < readyRows) {
        return true;
    }
    return area.bottom() < rowsDone();
}

void ArrivingRows::YieldToTheWindow() {
#ifdef __linux__
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), kBackgroundNice);
#endif
}

ArrivingImage ArrivingRows::PictureOver(const std::shared_ptr<ArrivingRows>& job) {
    QImage picture(job->buffer.bits(), job->buffer.width(), job->buffer.height(),
                   job->buffer.bytesPerLine(), QImage::Format_RGB32, Release,
                   new std::shared_ptr<ArrivingRows>(job));
    if (job->m_bits == nullptr) {
        job->takePixels(); // a buffer not made by allocate (a thread started early reads these)
    }
    job->firstLookDone();
    return {std::move(picture), job};
}

void ArrivingRows::firstLookDone() {
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_firstLook.store(true, std::memory_order_release);
    }
    m_arrived.notify_all();
}

void ArrivingRows::awaitFirstLook() const {
    if (firstLookWritten()) {
        return;
    }
    std::unique_lock<std::mutex> hold(m_lock);
    m_arrived.wait(hold, [this] { return firstLookWritten(); });
}

void ArrivingRows::abandon() {
    cancel.store(true);
    firstLookDone();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void ArrivingRows::start(std::function<void()> work) {
    m_thread = std::thread(std::move(work));
}

void ArrivingRows::Release(void* info) {
    auto* holder = static_cast<std::shared_ptr<ArrivingRows>*>(info);
    ArrivingRows& job = **holder;
    job.cancel.store(true);
    if (job.m_thread.joinable()) {
        job.m_thread.join();
    }
    job.finish();
    job.buffer = QImage();
    delete holder;
}
