#pragma once
// Small tool windows of the table.

#include "ui/control.h"

namespace vantry::ui {

// Tells the player why they had to leave the table.
struct OtherExitWindow {
    Window window;
    ZOrder zorder;
    Control Label1;

    OtherExitWindow() {
        window.width = 360;
        window.height = 160;
        window.opacity = 200;
        Label1.kind = ControlKind::Label;
        Label1.Place(20, 30, 320, 60);
        Label1.foreColor = kWhite;
        Label1.fontSize = 11;
    }

    template <typename Fn>
    void ForEachControl(Fn&& fn) const {
        fn("Label1", 0, Label1);
    }
};

}  // namespace vantry::ui
