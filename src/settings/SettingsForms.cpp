#include "settings/SettingsForms.h"

#include <array>
#include <charconv>
#include <cmath>

namespace SettingsForms {
namespace {
std::optional<float> ReadNumber(const QString& text, double low, double high) {
    bool ok = false;
    const float value = text.toFloat(&ok); // C locale; refuses values beyond the float range
    if (!ok || !std::isfinite(value) || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ReadInteger(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}
} // namespace

std::optional<float> ReadPosition(const QString& text) {
    return ReadNumber(text, -kFarTwips, kFarTwips);
}

std::optional<float> ReadSize(const QString& text) {
    return ReadNumber(text, 1, kFarTwips);
}

QString WriteGeometry(float twips) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), twips,
                                      std::chars_format::fixed);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

std::optional<int> ReadTags(const QString& text) {
    return ReadInteger(text, 0, 1);
}

std::optional<int> ReadAverage(const QString& text) {
    return ReadInteger(text, 0, 5);
}

bool IsReachable(const QRect& window, const QList<QRect>& screens) {
    // The strip where the title bar is: enough of it to see the window and drag it back.
    const int stripHeight = std::min(window.height(), 24);
    const QRect strip(window.x(), window.y(), window.width(), stripHeight);
    const int wantWidth = std::min(window.width(), 100);
    for (const QRect& screen : screens) {
        const QRect seen = strip.intersected(screen);
        if (seen.width() >= wantWidth && seen.height() >= std::min(stripHeight, 8)) {
            return true;
        }
    }
    return false;
}

} // namespace SettingsForms
