#pragma once
// The table window `MainForm` and its controls, addressed by the names and
// indexes the game logic uses.

#include <array>

#include "ui/control.h"

namespace vantry::ui {

// Design caption of the table window.
inline constexpr const char* kDesignCaption = "Vantry";

struct TableWindow {
    Window window;
    ZOrder zorder;

    Control Pic1;  // the table area; every other control sits on it
    std::array<Control, 2> Sysmsg;
    Control Location;              // room name
    std::array<Control, 9> AnNiu;  // bottom-bar buttons
    Control WebBrowser1;
    Control WebBrowser2;
    Control Time_Img;  // countdown clock
    Control Number;    // countdown digits

    // Per seat, by screen position: avatar, nickname, coins, level, ready mark.
    std::array<Control, 4> Tou;
    std::array<Control, 4> Nid;
    std::array<Control, 4> Cash;
    std::array<Control, 4> Level;
    std::array<Control, 4> OK;

    // The room's wealth multiplier and its rule notes; the seat-change notice.
    Control Imgwealth;
    Control lbwealth;
    std::array<Control, 3> lbfont;
    Control ImgShuffle;
    Control LblShuffle;

    TableWindow();

    // Calls fn(name, index, control) for every control, in declaration order.
    // A control added to the window is added here too, so that the renderer
    // draws it and input reaches it.
    template <typename Fn>
    void ForEachControl(Fn&& fn) {
        EachControl(*this, fn);
    }
    template <typename Fn>
    void ForEachControl(Fn&& fn) const {
        EachControl(*this, fn);
    }

  private:
    template <typename Self, typename Fn>
    static void EachControl(Self& w, Fn& fn) {
        auto array = [&](const char* name, auto& controls) {
            for (std::size_t i = 0; i < controls.size(); ++i)
                fn(name, static_cast<int>(i), controls[i]);
        };
        fn("Pic1", 0, w.Pic1);
        array("Sysmsg", w.Sysmsg);
        fn("Location", 0, w.Location);
        array("AnNiu", w.AnNiu);
        fn("WebBrowser1", 0, w.WebBrowser1);
        fn("WebBrowser2", 0, w.WebBrowser2);
        fn("Time_Img", 0, w.Time_Img);
        fn("Number", 0, w.Number);
        fn("Imgwealth", 0, w.Imgwealth);
        fn("lbwealth", 0, w.lbwealth);
        array("lbfont", w.lbfont);
        fn("ImgShuffle", 0, w.ImgShuffle);
        fn("LblShuffle", 0, w.LblShuffle);
    }

  public:
    // The ticker lines are list boxes of one line each: "clear and add".
    static void SetLine(Control& line, const std::string& text) { line.rows.assign(1, text); }
};

inline TableWindow::TableWindow() {
    Pic1.kind = ControlKind::Image;
    Pic1.picture.bitmap = "table";
    Pic1.stretch = true;
    for (Control& line : Sysmsg) {
        line.kind = ControlKind::List;
        line.foreColor = kWhite;
    }
    Location.kind = ControlKind::Label;
    Location.fontSize = 12;
    Location.foreColor = kWhite;
    for (Control& b : AnNiu)
        b.kind = ControlKind::Button;
    WebBrowser1.visible = false;
    WebBrowser2.visible = false;
    Time_Img.visible = false;
    Number.kind = ControlKind::Label;
    Number.visible = false;
    for (int p = 0; p < 4; ++p) {
        Nid[p].kind = ControlKind::Label;
        Cash[p].kind = ControlKind::Label;
        Level[p].kind = ControlKind::Label;
        OK[p].visible = false;
    }
    Imgwealth.visible = false;
    lbwealth.kind = ControlKind::Label;
    lbwealth.visible = false;
    lbwealth.fontSize = 18;
    lbwealth.caption = "1";
    for (Control& note : lbfont) {
        note.kind = ControlKind::Label;
        note.visible = false;
    }
    lbfont[1].caption = "最少金币定倍数";
    lbfont[2].caption = "个人金币数封顶";
    ImgShuffle.visible = false;
    LblShuffle.kind = ControlKind::Label;
    LblShuffle.visible = false;
    LblShuffle.caption = "正在进入游戏.......";
}

}  // namespace vantry::ui
