#pragma once
// The settlement board `Score` ("战绩板") and the records board `Hero`
// ("英雄榜"): translucent tool windows over the table.

#include <array>
#include <string>

#include "ui/control.h"

namespace vantry::ui {

inline constexpr Color kBoardListBack = 0xFFC080;   // light orange behind the lists
inline constexpr Color kBoardNameColor = 0xFFFF80;  // pale yellow names

struct ScoreWindow {
    Window window;
    ZOrder zorder;
    std::array<Control, 8> State;   // 0..3 details per position, 4..7 one-line summaries
    std::array<Control, 4> Tou;     // avatars
    std::array<Control, 4> ID;      // player names
    std::array<Control, 2> Image1;  // Image1(1) closes the board

    ScoreWindow();

    template <typename Fn>
    void ForEachControl(Fn&& fn) const {
        for (int i = 0; i < 8; ++i)
            fn("State", i, State[i]);
        for (int p = 0; p < 4; ++p)
            fn("Tou", p, Tou[p]);
        for (int p = 0; p < 4; ++p)
            fn("ID", p, ID[p]);
        for (int i = 0; i < 2; ++i)
            fn("Image1", i, Image1[i]);
    }
};

struct HeroWindow {
    Window window;
    ZOrder zorder;
    Control Label1;
    std::array<Control, 4> ID;
    std::array<Control, 4> Tou;
    Control Num;                   // deal numbers
    std::array<Control, 4> Grade;  // per-deal results by position
    Control Label2;
    std::array<Control, 4> sunScore;  // running totals
    std::array<Control, 2> Image1;

    HeroWindow();

    template <typename Fn>
    void ForEachControl(Fn&& fn) const {
        fn("Label1", 0, Label1);
        for (int p = 0; p < 4; ++p)
            fn("ID", p, ID[p]);
        for (int p = 0; p < 4; ++p)
            fn("Tou", p, Tou[p]);
        fn("Num", 0, Num);
        for (int p = 0; p < 4; ++p)
            fn("Grade", p, Grade[p]);
        fn("Label2", 0, Label2);
        for (int p = 0; p < 4; ++p)
            fn("sunScore", p, sunScore[p]);
        for (int i = 0; i < 2; ++i)
            fn("Image1", i, Image1[i]);
    }
};

inline ScoreWindow::ScoreWindow() {
    window.caption = "战绩板";
    window.width = 639;
    window.height = 480;
    window.opacity = 200;
    constexpr int kColumn[4] = {8, 168, 328, 488};
    constexpr int kSummaryLeft[4] = {8, 168, 328, 490};
    constexpr int kNameLeft[4] = {56, 216, 376, 536};
    for (std::size_t p = 0; p < 4; ++p) {
        for (Control* list : {&State[p], &State[p + 4]}) {
            list->kind = ControlKind::List;
            list->fontSize = 9;
            list->bold = true;
            list->backColor = kBoardListBack;
            list->transparent = false;
        }
        State[p].Place(kColumn[p], 88, 145, 326);
        State[p + 4].Place(kSummaryLeft[p], 424, 145, 50);
        Tou[p].Place(kColumn[p], 32, 45, 41);
        Tou[p].stretch = true;
        ID[p].kind = ControlKind::Label;
        ID[p].Place(kNameLeft[p], 40, 100, 16);
        ID[p].caption = "玩家" + std::to_string(p);
        ID[p].foreColor = kBoardNameColor;
    }
    Image1[0].Place(592, 8, 25, 25);
    Image1[1].Place(616, 8, 25, 25);
}

inline HeroWindow::HeroWindow() {
    window.caption = "英雄榜";
    window.width = 655;
    window.height = 454;
    window.opacity = 200;
    constexpr int kColumn[4] = {136, 264, 392, 528};
    constexpr int kNameLeft[4] = {176, 304, 432, 568};
    Label1.kind = ControlKind::Label;
    Label1.Place(48, 32, 60, 18);
    Label1.caption = "局 数";
    Label1.foreColor = kBoardNameColor;
    Label1.fontSize = 10;
    Label1.bold = true;
    for (Control* list : {&Num, &Grade[0], &Grade[1], &Grade[2], &Grade[3]}) {
        list->kind = ControlKind::List;
        list->backColor = kBoardListBack;
        list->transparent = false;
        list->fontSize = 10;
        list->bold = true;
    }
    Num.Place(8, 72, 121, 310);
    for (std::size_t p = 0; p < 4; ++p) {
        ID[p].kind = ControlKind::Label;
        ID[p].Place(kNameLeft[p], 32, 100, 18);
        ID[p].caption = "玩家" + std::to_string(p);
        ID[p].foreColor = kBoardNameColor;
        ID[p].fontSize = 10;
        ID[p].bold = true;
        Tou[p].Place(kColumn[p], 24, 41, 41);
        Tou[p].stretch = true;
        Grade[p].Place(kColumn[p], 72, p == 2 ? 129 : 121, 310);
        sunScore[p].kind = ControlKind::Label;
        sunScore[p].Place(kColumn[p] + 8, 408, 113, 25);
        sunScore[p].foreColor = kRed;
        sunScore[p].fontSize = 12;
        sunScore[p].bold = true;
    }
    Label2.kind = ControlKind::Label;
    Label2.Place(32, 408, 97, 25);
    Label2.caption = "输赢总分：";
    Label2.foreColor = kRed;
    Label2.fontSize = 12;
    Label2.bold = true;
    Image1[0].Place(600, 8, 25, 17);
    Image1[1].Place(624, 8, 25, 17);
}

}  // namespace vantry::ui
