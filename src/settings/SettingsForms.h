#pragma once
// The text forms of the remembered settings. Shut-down writes numbers in one form; start-up reads
// a text that is not in that form (hand-edited, damaged, from another program) as missing, so the
// key's default applies.

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

namespace SettingsForms {

// Window geometry in twips: a finite single-precision decimal. Positions lie within +-kFarTwips,
// sizes within 1..kFarTwips: about 32 000 pixels, more than any screen holds.
constexpr double kFarTwips = 500000;
std::optional<float> ReadPosition(const QString& text);
std::optional<float> ReadSize(const QString& text);
// The shortest decimal text that reads back as the same single-precision number, without an
// exponent; whole values have no decimal point.
QString WriteGeometry(float twips);

// The tags option: 0 or 1. The averaging radius: 0 to 5.
std::optional<int> ReadTags(const QString& text);
std::optional<int> ReadAverage(const QString& text);

// Whether a window with this outer rectangle (pixels) can be seen and grabbed on one of the
// screens: a good part of its top edge, where the title bar is, lies on that screen.
bool IsReachable(const QRect& window, const QList<QRect>& screens);

} // namespace SettingsForms
