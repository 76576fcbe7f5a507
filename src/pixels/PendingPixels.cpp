#include "pixels/PendingPixels.h"

#include <map>
#include <mutex>

namespace {
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
