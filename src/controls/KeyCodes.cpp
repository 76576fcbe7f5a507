#include "controls/KeyCodes.h"

int KeyCodeOf(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return 'A' + (qtKey - Qt::Key_A);
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return '0' + (qtKey - Qt::Key_0);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return KeyCode::F1 + (qtKey - Qt::Key_F1);
    }
    switch (qtKey) {
    case Qt::Key_Backspace:
        return KeyCode::Back;
    case Qt::Key_Tab:
        return KeyCode::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyCode::Return;
    case Qt::Key_Shift:
        return KeyCode::Shift;
    case Qt::Key_Control:
        return KeyCode::Control;
    case Qt::Key_Alt:
        return KeyCode::Menu;
    case Qt::Key_Escape:
        return KeyCode::Escape;
    case Qt::Key_Space:
        return KeyCode::Space;
    case Qt::Key_PageUp:
        return KeyCode::PageUp;
    case Qt::Key_PageDown:
        return KeyCode::PageDown;
    case Qt::Key_End:
        return KeyCode::End;
    case Qt::Key_Home:
        return KeyCode::Home;
    case Qt::Key_Left:
        return KeyCode::Left;
    case Qt::Key_Up:
        return KeyCode::Up;
    case Qt::Key_Right:
        return KeyCode::Right;
    case Qt::Key_Down:
        return KeyCode::Down;
    case Qt::Key_Insert:
        return KeyCode::Insert;
    case Qt::Key_Delete:
        return KeyCode::Delete;
    default:
        return 0;
    }
}

int ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= kShiftMask;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= kCtrlMask;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= kAltMask;
    }
    return shift;
}

int ButtonStateOf(Qt::MouseButtons buttons) {
    int button = 0;
    if (buttons & Qt::LeftButton) {
        button |= kLeftButton;
    }
    if (buttons & Qt::RightButton) {
        button |= kRightButton;
    }
    if (buttons & Qt::MiddleButton) {
        button |= kMiddleButton;
    }
    return button;
}
