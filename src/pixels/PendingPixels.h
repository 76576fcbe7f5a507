#pragma once
// A picture whose pixels are still arriving, decoded on a thread of their own after the part a
// view shows first. Whoever reads its pixels asks first for the area it reads and waits, when
// need be, until that area holds its final values: nothing shows or reads a colour that is not
// yet the picture's.

#include <QImage>
#include <QRect>
#include <memory>

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
