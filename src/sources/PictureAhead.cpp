#include "sources/PictureAhead.h"

#include <QFileInfo>
#include <system_error>

PictureAhead::PictureAhead(const QString& path, const QString& readFrom, QSize firstLook)
    : m_path(QFileInfo(path).absoluteFilePath()), m_readFrom(readFrom) {
    try {
        m_arrival = std::async(std::launch::async, [path, readFrom, firstLook] {
            return PictureFromFile(path, readFrom, firstLook);
        });
    } catch (const std::system_error&) {
        // No thread to be had: the file is loaded when start-up opens it, as without one.
    }
}

std::optional<PictureArrival> PictureAhead::take(const QString& path, const QString& readFrom) {
    // Given once; one loaded for another file is let go (waited for, then dropped).
    std::future<PictureArrival> arrival = std::move(m_arrival);
    if (!arrival.valid() || QFileInfo(path).absoluteFilePath() != m_path ||
        readFrom != m_readFrom) {
        return std::nullopt;
    }
    return arrival.get();
}
