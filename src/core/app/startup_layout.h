#pragma once
// Window size, table placement and the scale factors chosen from the screen.

namespace vantry::app {

inline constexpr float kSmallScale = 0.78125f;  // 800 / 1024 = 600 / 768

struct ScreenSize {
    int width = 1024;
    int height = 768;
};

struct WindowGeometry {
    int windowLeft = 0, windowTop = 0, windowWidth = 0, windowHeight = 0;
    int tableLeft = 0, tableTop = 0, tableWidth = 0, tableHeight = 0;
    bool chrome = false;  // the window draws its own frame around the table
    float scale = 1.0f;   // ScaleX and ScaleY alike
};

WindowGeometry ComputeWindowGeometry(ScreenSize screen);

}  // namespace vantry::app
