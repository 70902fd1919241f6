#pragma once
// Input from the person at the table, as the renderer reports it: which
// control, which mouse action and button, which key.

#include <string>

namespace vantry::ui {

// Names a control of a window: the window's name ("MainForm" for the table
// window), the control's name and its index in a control array (0 otherwise).
struct ControlRef {
    std::string window = "MainForm";
    std::string name;
    int index = 0;
    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

enum class MouseAction { Down, Up, Move, Click, DoubleClick };

// Button codes: 1 left, 2 right, 4 middle. Shift state: 1 Shift, 2 Ctrl, 4 Alt.
struct MouseEvent {
    MouseAction action = MouseAction::Click;
    int button = 1;
    int shift = 0;
    int x = 0;  // in the control's own pixels
    int y = 0;
    int row = -1;  // list controls: the row under the pointer, -1 for none
};

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// Key codes as the table handles them: 27 Escape, 112..117 F1..F6, 18 Alt,
// 65..90 letters, 48..57 digits, 13 Enter.
struct KeyEvent {
    int keyCode = 0;
    int shift = 0;
};

}  // namespace vantry::ui
