#pragma once
// The player information pop-up `Information`: nine values of one seated
// player beside their captions, shown while the mouse rests on the seat.

#include <array>

#include "ui/control.h"

namespace vantry::ui {

struct InformationWindow {
    Window window;
    std::array<Control, 9> Caption;  // the fixed texts beside the values
    std::array<Control, 9> Inf;      // the values

    InformationWindow();
};

inline InformationWindow::InformationWindow() {
    static constexpr std::array<const char*, 9> kCaptions = {"玩家昵称", "性    别", "所 在 地",
                                                             "积    分", "信 用 度", "登录次数",
                                                             "掉线次数", "胜场次数", "败场次数"};
    window.opacity = 200;  // translucent where the desktop supports it
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        Caption[i].kind = ControlKind::Label;
        Caption[i].caption = kCaptions[i];
        Inf[i].kind = ControlKind::Label;
        Inf[i].fontSize = 12;
        Inf[i].transparent = true;
    }
}

}  // namespace vantry::ui
