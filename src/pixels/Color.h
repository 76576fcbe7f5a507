#pragma once
// The program's one colour type: red, green and blue of 0 to 255, as the program shows them (sRGB,
// unless the user asks for a picture's stored values). Packed, a colour is a colour value laid out
// 0x00BBGGRR (red in the lowest byte): the form a picture's Point answers and the list's cell
// colours take, where -1 stands for a point outside the picture, which has no colour.

#include <QColor>
#include <cstdint>

using ColorValue = std::int32_t;

class Color {
public:
    constexpr Color() = default;
    // Each channel's low eight bits.
    constexpr Color(int red, int green, int blue)
        : m_value((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16)) {}
    // The colour of a value's low 24 bits.
    static constexpr Color fromValue(ColorValue value) {
        Color c;
        c.m_value = value & 0xFFFFFF;
        return c;
    }
    static Color fromQColor(const QColor& color) {
        return Color(color.red(), color.green(), color.blue());
    }

    constexpr ColorValue value() const { return m_value; }
    constexpr int red() const { return m_value & 0xFF; }
    constexpr int green() const { return (m_value >> 8) & 0xFF; }
    constexpr int blue() const { return (m_value >> 16) & 0xFF; }
    // Every channel turned over: 255 - channel.
    constexpr Color inverse() const { return fromValue(m_value ^ 0xFFFFFF); }
    QColor toQColor() const { return QColor(red(), green(), blue()); }

    friend constexpr bool operator==(Color, Color) = default;

private:
    ColorValue m_value = 0;
};

// A channel (0 to 255) in linear light: the sRGB transfer curve undone, 0 to 1.
double LinearChannel(int channel);

// The low 24 bits of a colour value as an opaque colour.
inline QColor QColorOf(ColorValue value) {
    return Color::fromValue(value).toQColor();
}
