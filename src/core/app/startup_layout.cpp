#include "app/startup_layout.h"

namespace vantry::app {

WindowGeometry ComputeWindowGeometry(ScreenSize screen) {
    WindowGeometry g;
    if (screen.height <= 768) {
        g.windowHeight = screen.height;
        g.tableHeight = g.windowHeight;
        g.tableTop = 0;
    } else {
        g.windowHeight = 796;
        g.tableHeight = g.windowHeight - 28;
        g.tableTop = 20;
        g.chrome = true;
    }
    if (screen.width <= 1024) {
        g.windowWidth = screen.width;
        g.tableWidth = g.windowWidth;
        g.tableLeft = 0;
    } else {
        g.windowWidth = 1040;
        g.tableWidth = g.windowWidth - 16;
        g.tableLeft = 8;
        g.chrome = true;
    }
    // A screen of exactly 1024 x 768 keeps the full-size table.
    g.scale = (screen.height < 768 || screen.width < 1024) ? kSmallScale : 1.0f;
    return g;
}

}  // namespace vantry::app
