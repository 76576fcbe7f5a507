#include "sources/PictureAhead.h"

#include <QFileInfo>

PictureAhead::PictureAhead(const QString& path, const QString& readFrom, QSize firstLook)
    : m_path(QFileInfo(path).absoluteFilePath()), m_readFrom(readFrom),
      m_arrival(std::async(std::launch::async, [path, readFrom, firstLook] {
          return PictureFromFile(path, readFrom, firstLook);
      })) {}

std::optional<PictureArrival> PictureAhead::take(const QString& path, const QString& readFrom) {
    // Given once; one loaded for another file is let go (waited for, then dropped).
    std::future<PictureArrival> arrival = std::move(m_arrival);
    if (!arrival.valid() || QFileInfo(path).absoluteFilePath() != m_path ||
        readFrom != m_readFrom) {
        return std::nullopt;
    }
    return arrival.get();
}
