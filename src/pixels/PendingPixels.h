#pragma once
// A picture whose pixels are still arriving, decoded on a thread of their own after the part a
// view shows first. Whoever reads its pixels asks first for the area it reads and waits, when
// need be, until that area holds its final values: nothing shows or reads a colour that is not
// yet the picture's.

#include <QImage>
#include <QRect>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class PendingPixels {
public:
    virtual ~PendingPixels() = default;
    // Returns once every pixel of the area (picture pixels) holds its final value.
    virtual void waitFor(const QRect& area) const = 0;
    // Whether all of the picture has arrived.
    virtual bool complete() const = 0;

    // The pixels still arriving for a picture, found from any copy of it; null when it is whole.
    static std::shared_ptr<const PendingPixels> of(const QImage& picture);
    // A decoder announces the picture it fills (by its cache key) and withdraws it when done or
    // when the picture goes.
    static void enroll(qint64 cacheKey, const std::shared_ptr<const PendingPixels>& pending);
    static void withdraw(qint64 cacheKey);
};

// Pixels that arrive from the top down on a thread of their own, after a first look: the top-left
// block of the first look's columns and rows is final from the start, then whole rows are, as
// the thread publishes them. Its owner withdraws it (by key) when done.
class ArrivingRows : public PendingPixels {
public:
    void waitFor(const QRect& area) const override;
    bool complete() const override { return m_done.load(std::memory_order_acquire); }

    // Rows from the top that hold their final values, all columns.
    void publish(int rows);
    int rowsDone() const { return m_rows.load(std::memory_order_acquire); }
    // Every pixel is final: readers go on, and the picture is withdrawn.
    void finish();
    // Lowers the calling thread's priority: the window shows the first look meanwhile, and on a
    // busy machine that comes first.
    static void YieldToTheWindow();

    // The picture over buffer's pixels (Format_RGB32), enrolled as pending; when its last copy
    // goes, the thread is asked to stop (cancel) and joined before the pixels are given back.
    static QImage PictureOver(const std::shared_ptr<ArrivingRows>& job);
    // Runs the job's work on its thread; after PictureOver.
    void start(std::function<void()> work);

    QImage buffer; // owns the pixels
    std::atomic<bool> cancel{false};

    qint64 key = 0;       // the picture's cache key
    int readyColumns = 0; // the first look: these columns of the top rows
    int readyRows = 0;

private:
    bool covered(const QRect& area) const;
    static void Release(void* info);

    mutable std::mutex m_lock;
    mutable std::condition_variable m_arrived;
    std::atomic<int> m_rows{0};
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};
