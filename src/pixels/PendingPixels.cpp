#include "pixels/PendingPixels.h"

#include <map>
#include <mutex>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {
// How much the rest's decoding yields to the window's own work.
constexpr int kBackgroundNice = 10;

std::mutex g_lock;
std::map<qint64, std::weak_ptr<const PendingPixels>>& Enrolled() {
    static std::map<qint64, std::weak_ptr<const PendingPixels>> enrolled;
    return enrolled;
}
} // namespace

std::shared_ptr<const PendingPixels> PendingPixels::of(const QImage& picture) {
    if (picture.isNull()) {
        return nullptr;
    }
    const std::lock_guard<std::mutex> hold(g_lock);
    const auto it = Enrolled().find(picture.cacheKey());
    if (it == Enrolled().end()) {
        return nullptr;
    }
    std::shared_ptr<const PendingPixels> pending = it->second.lock();
    return pending && !pending->complete() ? pending : nullptr;
}

void PendingPixels::enroll(qint64 cacheKey, const std::shared_ptr<const PendingPixels>& pending) {
    const std::lock_guard<std::mutex> hold(g_lock);
    Enrolled()[cacheKey] = pending;
}

void PendingPixels::withdraw(qint64 cacheKey) {
    const std::lock_guard<std::mutex> hold(g_lock);
    Enrolled().erase(cacheKey);
}

void ArrivingRows::waitFor(const QRect& area) const {
    if (covered(area)) {
        return;
    }
    std::unique_lock<std::mutex> hold(m_lock);
    m_arrived.wait(hold, [&] { return covered(area); });
}

void ArrivingRows::publish(int rows) {
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_rows.store(rows, std::memory_order_release);
    }
    m_arrived.notify_all();
}

void ArrivingRows::finish() {
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_done.store(true, std::memory_order_release);
    }
    m_arrived.notify_all();
    PendingPixels::withdraw(key);
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

QImage ArrivingRows::PictureOver(const std::shared_ptr<ArrivingRows>& job) {
    QImage picture(job->buffer.bits(), job->buffer.width(), job->buffer.height(),
                   job->buffer.bytesPerLine(), QImage::Format_RGB32, Release,
                   new std::shared_ptr<ArrivingRows>(job));
    job->key = picture.cacheKey();
    PendingPixels::enroll(job->key, job);
    return picture;
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
