#pragma once
// A picture file named at start-up, loaded on a thread of its own while the window is still being
// built: when start-up comes to open it, what the picture control shows first is there already
// (a large picture's first look, or the whole of a small one).

#include "sources/PictureArrival.h"

#include <QSize>
#include <QString>
#include <future>
#include <optional>

class PictureAhead {
public:
    PictureAhead() = default;
    // Starts loading the file as PictureFromFile does, its first look made for a picture control
    // of firstLook's size.
    PictureAhead(const QString& path, const QString& readFrom, QSize firstLook);

    // What loading this file gave, waited for; nothing when it was not started for this file, or
    // was taken already.
    std::optional<PictureArrival> take(const QString& path, const QString& readFrom);

private:
    QString m_path;
    QString m_readFrom;
    std::future<PictureArrival> m_arrival;
};
