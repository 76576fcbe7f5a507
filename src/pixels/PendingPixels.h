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
#include <optional>
#include <shared_mutex>
#include <thread>
#include <utility>

class PendingPixels {
public:
    virtual ~PendingPixels() = default;
    // Returns once every pixel of the area (picture pixels) holds its final value.
    virtual void waitFor(const QRect& area) const = 0;
    // The same, for a thread that may be told to stop meanwhile: false when stop was set first.
    virtual bool waitFor(const QRect& area, const std::atomic<bool>& stop) const {
        waitFor(area);
        return !stop.load();
    }
    // Whether every pixel of the area holds its final value now, without waiting.
    virtual bool holds(const QRect& area) const = 0;
    // Whether all of the picture has arrived.
    virtual bool complete() const = 0;

    // Some pictures show a coarse preview before their final pixels (a progressive JPEG's first
    // scans): the view draws it and repaints as final rows replace it, while every other reader
    // waits for final pixels.
    virtual bool showsPreview() const { return false; }
    // Rows from the top that hold their final values, all columns.
    virtual int finalRows() const = 0;
    // The row where the file ended early, when it did: known once complete(), and no later than
    // the rows from there down are final. Those rows hold no colours of the picture (a decoder's
    // filler).
    virtual std::optional<int> endsAtRow() const { return std::nullopt; }
    // What the view holds while it draws the area: until it lets go, the pixels there stay as
    // they are. Returns once the area holds something to show: final pixels, or a preview.
    using Showing = std::shared_lock<std::shared_mutex>;
    virtual Showing show(const QRect& area) const {
        waitFor(area);
        return {};
    }
};

// A picture whose pixels may still be arriving, and what says which have: the two travel together,
// so whoever is handed the picture knows what to wait for. pending is null when every pixel is
// there from the start.
struct ArrivingImage {
    ArrivingImage() = default;
    ArrivingImage(QImage image, std::shared_ptr<const PendingPixels> pending = nullptr)
        : image(std::move(image)), pending(std::move(pending)) {}

    QImage image;
    std::shared_ptr<const PendingPixels> pending;

    bool isNull() const { return image.isNull(); }
    // Waits until every pixel of the area holds its final value.
    void waitFor(const QRect& area) const {
        if (pending) {
            pending->waitFor(area);
        }
    }
    // Whether some pixels are still to come.
    bool arriving() const { return pending && !pending->complete(); }
};

// Pixels that arrive from the top down on a thread of their own, after a first look: the top-left
// block of the first look's columns and rows is final from the start, then whole rows are, as
// the thread publishes them.
class ArrivingRows : public PendingPixels {
public:
    void waitFor(const QRect& area) const override;
    bool waitFor(const QRect& area, const std::atomic<bool>& stop) const override;
    bool holds(const QRect& area) const override { return covered(area); }
    bool complete() const override { return m_done.load(std::memory_order_acquire); }

    // Rows from the top that hold their final values, all columns.
    void publish(int rows);
    int rowsDone() const { return m_rows.load(std::memory_order_acquire); }
    int finalRows() const override { return complete() ? m_height : rowsDone(); }
    // Every pixel is final: readers go on.
    void finish();
    // On the thread, before the rows from this one down are published: the file ends early, and
    // those rows hold no colours of the picture.
    void endAt(int row) { m_endsAt.store(row, std::memory_order_release); }
    std::optional<int> endsAtRow() const override;
    // Lowers the calling thread's priority: the window shows the first look meanwhile, and on a
    // busy machine that comes first.
    static void YieldToTheWindow();

    // The picture over buffer's pixels (Format_RGB32), with the job as what says which have
    // arrived; when the picture's last copy goes, the thread is asked to stop (cancel) and joined
    // before the pixels are given back. The first look is then in the buffer (see
    // firstLookWritten).
    static ArrivingImage PictureOver(const std::shared_ptr<ArrivingRows>& job);
    // Runs the job's work on its thread: after PictureOver, or before it, while the first look
    // is written, for work that keeps out of the first look's pixels until firstLookWritten and
    // publishes nothing before.
    void start(std::function<void()> work);
    // On the thread: whether the first look's pixels are all written (PictureOver has been
    // called), or it was given up (abandon).
    bool firstLookWritten() const { return m_firstLook.load(std::memory_order_acquire); }
    // On the thread: waits until firstLookWritten.
    void awaitFirstLook() const;
    // Instead of PictureOver, when the first look failed: the thread is stopped and joined.
    void abandon();

    QImage buffer; // owns the pixels
    std::atomic<bool> cancel{false};
    // The buffer made for a picture of this size (Format_RGB32); false when memory ran out.
    bool allocate(int width, int height);
    uchar* line(int y) const { return m_bits + y * m_bytesPerLine; }
    qsizetype bytesPerLine() const { return m_bytesPerLine; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    int readyColumns = 0; // the first look: these columns of the top rows
    int readyRows = 0;

    // A preview shown until final rows replace it: from the start in the block of previewColumns
    // and previewRows, then in whole rows from the top as publishPreview says. Rows with a
    // preview change only through replaceRows.
    bool preview = false;
    int previewColumns = 0;
    int previewRows = 0;
    bool showsPreview() const override { return preview; }
    Showing show(const QRect& area) const override;
    void publishPreview(int rows);
    // Final rows [top, top + rows), copied over the preview from lines bytesPerLine apart, and
    // published.
    void replaceRows(int top, int rows, const uchar* from, qsizetype bytesPerLine);

    // A preview made from a small picture (Format_RGB32) of the whole, each of its pixels drawn
    // over the block of the picture it stands for: the picture's pixel (x, y) shows the small
    // one's (x * coarse.width() / width, ...), or with an eighth's blocks (x / 8, y / 8).
    QImage coarse;
    bool eighths = false;
    // The buffer (after PictureOver) with the coarse look in the block shown first.
    void enlargeBlock();
    // On the thread: the coarse look in the rest of the picture, published as it goes.
    void enlargeTheRest();
    // On the thread, after a decoder failed part-way: what it did not give (below the rows done,
    // beside the first look's block) shows mid-grey, as missing data does.
    void greyTheRest();

private:
    bool covered(const QRect& area) const;
    bool showable(const QRect& area) const;
    void enlarge(const QRect& area);
    void takePixels();
    void firstLookDone();
    static void Release(void* info);

    mutable std::mutex m_lock;
    mutable std::condition_variable m_arrived;
    std::atomic<int> m_rows{0};
    std::atomic<int> m_previewed{0};
    mutable std::shared_mutex m_replacing; // held by the view while it draws a preview
    std::atomic<bool> m_done{false};
    std::atomic<int> m_endsAt{-1}; // none
    std::atomic<bool> m_firstLook{false};
    std::thread m_thread;
    // The buffer's pixels, taken once (a non-const QImage call may touch its data).
    uchar* m_bits = nullptr;
    qsizetype m_bytesPerLine = 0;
    int m_width = 0;
    int m_height = 0;
};
