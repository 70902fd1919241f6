#pragma once
// The player information pop-up `Information`: nine values of one seated
// player beside their captions, shown while the mouse rests on the seat.

#include <array>

#include "ui/control.h"

namespace vantry::ui {

struct InformationWindow {
    Window window;
    ZOrder zorder;
    Control Background;              // the picture stored with the window
    std::array<Control, 9> Caption;  // the fixed texts beside the values
    std::array<Control, 9> Inf;      // the values

    InformationWindow();

    template <typename Fn>
    void ForEachControl(Fn&& fn) const {
        fn("Background", 0, Background);
        for (std::size_t i = 0; i < Caption.size(); ++i)
            fn("Caption", static_cast<int>(i), Caption[i]);
        for (std::size_t i = 0; i < Inf.size(); ++i)
            fn("Inf", static_cast<int>(i), Inf[i]);
    }
};

inline InformationWindow::InformationWindow() {
    static constexpr std::array<const char*, 9> kCaptions = {"玩家昵称", "性    别", "所 在 地",
                                                             "积    分", "信 用 度", "登录次数",
                                                             "掉线次数", "胜场次数", "败场次数"};
    // Below the title strip of the background, one row per value.
    constexpr int kFirstRow = 28;
    constexpr int kRowStep = 22;
    window.width = 200;
    window.height = 230;
    window.opacity = 200;  // translucent where the desktop supports it
    Background.picture.bitmap = "dialog-info";
    Background.Place(0, 0, window.width, window.height);
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        const int top = kFirstRow + kRowStep * static_cast<int>(i);
        Caption[i].kind = ControlKind::Label;
        Caption[i].caption = kCaptions[i];
        Caption[i].Place(10, top, 70, 20);
        Caption[i].foreColor = 0xFFFF80;
        Caption[i].fontSize = 10;
        Inf[i].kind = ControlKind::Label;
        Inf[i].Place(84, top, 110, 20);
        Inf[i].foreColor = kWhite;
        Inf[i].fontSize = 12;
        Inf[i].transparent = true;
    }
}

}  // namespace vantry::ui
