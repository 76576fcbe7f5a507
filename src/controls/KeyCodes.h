#pragma once
// Key codes and modifier masks as the event procedures receive them: the classic virtual-key
// numbers (Enter 13, Escape 27, Page Up 33, arrows 37-40, letters 65-90, F1 112, ...).

#include <Qt>

namespace KeyCode {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Menu = 18;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int F1 = 112;
} // namespace KeyCode

// Shift argument bits, and mouse Button argument bits.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// The key code of a Qt key; 0 for keys that have none.
int KeyCodeOf(int qtKey);
int ShiftStateOf(Qt::KeyboardModifiers modifiers);
int ButtonStateOf(Qt::MouseButtons buttons);
