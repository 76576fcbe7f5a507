#include "sources/EarlyPicture.h"

#include "input/JpegFirstLook.h"
#include "input/LoadPicture.h"
#include "pixels/PendingPixels.h"

EarlyPicture::EarlyPicture(const QString& path, const QString& readFrom, QSize area)
    : m_path(path), m_readFrom(readFrom), m_area(area) {
    m_thread = std::thread([this] {
        try {
            const FirstLookArea look(m_area);
            const OnlyFirstLooks only;
            const ArrivingRows::Holding holding;
            StoredValuesKept kept;
            ColorProfile profile;
            QImage picture = LoadPicture(m_readFrom.isEmpty() ? m_path : m_readFrom, &profile);
            m_arrival = PictureArrival{true,   std::move(picture), std::move(profile), kept.take(),
                                       m_path, QString()};
        } catch (...) {
            // Whatever it was, the window's own load meets it again and says it.
        }
    });
}

EarlyPicture::~EarlyPicture() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
    ArrivingRows::ReleaseHeld(); // a picture that goes unseen stops at once anyway
}

std::optional<PictureArrival> EarlyPicture::take(const QString& path, const QString& readFrom,
                                                 QSize view) {
    if (m_thread.joinable()) {
        m_thread.join();
    }
    std::optional<PictureArrival> arrival = std::exchange(m_arrival, std::nullopt);
    if (!arrival || path != m_path || readFrom != m_readFrom || view.width() > m_area.width() ||
        view.height() > m_area.height()) {
        return std::nullopt;
    }
    return arrival;
}
