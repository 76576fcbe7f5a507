#include "picture/ShownPicture.h"

#include "input/cms/PreciseColor.h"
#include "input/cms/SrgbConversion.h"
#include "pixels/PixelBuffer.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <algorithm>
#include <new>

namespace {
QString NoMemoryToShow() {
    return QCoreApplication::translate("ColorProfile",
                                       "Out of memory: the picture's colours cannot be converted.");
}
} // namespace

ShownPicture::ShownPicture(LoadedPicture stored, const ShowOptions& options)
    : m_stored(std::move(stored)), m_options(options) {
    const ShownColors shown = ColorsAsShown(ArrivingImage(m_stored.picture, m_stored.arriving),
                                            m_stored.profile, !options.asStored, options.firstLook);
    m_notice = shown.notice;
    m_profileName = m_notice.isEmpty() ? shown.profileName : QString();
    m_shownProfile = options.asStored ? QString() : m_profileName;
    m_storedSpace = m_stored.profile.isEmpty() ? QStringLiteral("srgb")
                    : m_shownProfile.isEmpty() ? QString()
                                               : CssSpaceOf(m_stored.profile);
    if (shown.picture.image.isNull() || shown.picture.image.format() == QImage::Format_RGB32) {
        m_image = shown.picture.image;
        m_arriving = shown.picture.arriving() ? shown.picture.pending : nullptr;
        return;
    }
    // Transparent parts over the background, as on the screen or on paper. Such pictures never
    // arrive row by row (first looks are of opaque pictures).
    shown.picture.waitFor(shown.picture.image.rect());
    m_image = FlattenedPicture(shown.picture.image, options.background);
}

ShownPicture ShownPicture::OrStored(LoadedPicture stored, const ShowOptions& options) {
    QString notice;
    try {
        return ShownPicture(stored, options);
    } catch (const PlatformError& e) {
        notice = e.description();
    } catch (const std::bad_alloc&) {
        notice = NoMemoryToShow();
    }
    ShowOptions asStored = options;
    asStored.asStored = true;
    ShownPicture shown;
    try {
        shown = ShownPicture(std::move(stored), asStored);
    } catch (const std::bad_alloc&) {
        shown.m_stored = std::move(stored);
        shown.m_options = asStored;
    }
    // Shown as stored for want of memory, not because the user asked so.
    shown.m_options.asStored = options.asStored;
    shown.m_notice = notice;
    shown.m_profileName.clear();
    shown.m_shownProfile.clear();
    shown.m_storedSpace = shown.m_stored.profile.isEmpty() ? QStringLiteral("srgb") : QString();
    return shown;
}

ShownPicture ShownPicture::OfImage(const ArrivingImage& image, const ShowOptions& options) {
    LoadedPicture stored;
    stored.picture = image.image;
    stored.arriving = image.arriving() ? image.pending : nullptr;
    return OrStored(std::move(stored), options);
}

ShownPicture ShownPicture::inColors(bool asStored, QSize firstLook) const {
    ShowOptions options = m_options;
    options.asStored = asStored;
    options.firstLook = firstLook;
    return OrStored(m_stored, options);
}

const QImage& ShownPicture::whole() const {
    waitFor(m_image.rect());
    return m_image;
}

std::optional<int> ShownPicture::endsAtRow() const {
    if (m_stored.endsAtRow) {
        return m_stored.endsAtRow;
    }
    // Known before the rows below the end arrive, so also while the rest is still coming.
    return m_stored.arriving ? m_stored.arriving->endsAtRow() : std::nullopt;
}

bool ShownPicture::beyondTheEnd(const QRect& area) const {
    const QRect inside = area & m_image.rect();
    if (inside.isEmpty()) {
        return false;
    }
    // Rows a file does not hold arrive as done once its decoder met the end: waiting for them
    // tells where it is.
    waitFor(inside);
    const std::optional<int> end = endsAtRow();
    return (end && inside.bottom() >= *end) || inside.top() < startsAtRow();
}

void ShownPicture::waitFor(const QRect& area) const {
    if (m_arriving) {
        m_arriving->waitFor(area & m_image.rect());
    }
}

bool ShownPicture::final(const QRect& area) const {
    if (!m_arriving || !m_arriving->showsPreview()) {
        return true;
    }
    const QRect inside = area & m_image.rect();
    return inside.isEmpty() || m_arriving->holds(inside);
}

void ShownPicture::forEachBand(const QRect& area,
                               const std::function<void(int firstRow, int rows)>& band) const {
    constexpr int kBand = 64;
    for (int y = area.top(); y <= area.bottom(); y += kBand) {
        const int rows = std::min(kBand, area.bottom() + 1 - y);
        waitFor(QRect(area.left(), y, area.width(), rows));
        band(y, rows);
    }
}

ChannelSums ShownPicture::sumsAt(QPoint pixel, int radius, const QRect& within) const {
    const int n = std::clamp(radius, 0, kMaxRadius);
    const QRect bounds = within.isEmpty() ? m_image.rect() : within;
    return sumsIn(QRect(pixel.x() - n, pixel.y() - n, 2 * n + 1, 2 * n + 1) & bounds);
}

ChannelSums ShownPicture::sumsIn(const QRect& area) const {
    const QRect square = area & m_image.rect();
    ChannelSums sums;
    if (square.isEmpty()) {
        return sums;
    }
    waitFor(square);
    for (int y = square.top(); y <= square.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        for (int x = square.left(); x <= square.right(); ++x) {
            sums.red += qRed(line[x]);
            sums.green += qGreen(line[x]);
            sums.blue += qBlue(line[x]);
        }
    }
    sums.count = qint64(square.width()) * square.height();
    return sums;
}

ColorValue ShownPicture::colorAt(QPoint pixel, int radius, const QRect& within) const {
    return AverageOf(sumsAt(pixel, radius, within));
}

PickOrigin ShownPicture::originAt(QPoint pixel, int radius, const QRect& within) const {
    radius = std::clamp(radius, 0, kMaxRadius);
    PickOrigin origin;
    origin.source = m_options.source;
    origin.position = pixel;
    origin.radius = radius;
    origin.profile = m_shownProfile;
    const StoredValues values =
        m_stored.fine.isNull() ? StoredValues(m_stored.picture, 8) : m_stored.fine;
    // Rows still arriving are waited for, as the colours shown are.
    if (m_stored.arriving) {
        m_stored.arriving->waitFor(
            QRect(pixel.x() - radius, pixel.y() - radius, 2 * radius + 1, 2 * radius + 1) &
            m_stored.picture.rect());
    }
    origin.stored = values.at(pixel, radius, within);
    if (!origin.stored) {
        return origin;
    }
    const QRect square(pixel.x() - radius, pixel.y() - radius, 2 * radius + 1, 2 * radius + 1);
    origin.incomplete = beyondTheEnd(within.isEmpty() ? square : square & within);
    origin.stored->space = m_storedSpace;
    origin.precise = m_shownProfile.isEmpty()
                         ? std::optional(origin.stored->fractions())
                         : PreciseSrgb(m_stored.profile, origin.stored->fractions());
    return origin;
}

std::optional<Pick> ShownPicture::pickAt(QPoint pixel, int radius, const QRect& within) const {
    const ColorValue color = colorAt(pixel, radius, within);
    if (color < 0) {
        return std::nullopt;
    }
    return Pick(Color::fromValue(color), QString(), originAt(pixel, radius, within));
}
