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
    std::array<Control, 4> first;      // finishing-place badges
    std::array<Control, 4> img_dizhu;  // seat markers
    std::array<Control, 4> Speak;      // speech bubbles

    // The hidden 800 x 600 table picture of the small layout.
    Control Pic2;
    Control imgDinglan;   // top bar
    Control imgDilan;     // bottom bar
    Control imgLocation;  // room panel behind the room name
    Control imgword1;     // quick phrases, two lists
    Control imgword2;
    Control Bank;  // storage button

    // Cards: cardImage0 the local hand, cardImage1..3 the other positions.
    std::array<Control, 6> cardImage0;
    std::array<Control, 6> cardImage1;
    std::array<Control, 6> cardImage2;
    std::array<Control, 6> cardImage3;
    std::array<Control, 3> shanImage;  // face-down fans, index = position - 1

    std::array<Control, 6> Operation;   // play, hint, pass, sort, previous trick, restore
    std::array<Control, 4> btnJiaofen;  // declaration buttons

    // The declaration panel: what was declared, and by whom.
    Control jiaoPaiImg;
    Control jiaoTypeLb;
    std::array<Control, 2> jiaoLb;
    Control NoSpeakImg;

    Control Lbchat;  // chat history switch
    Control Chat;    // chat input
    Control Bird;
    std::array<Control, 3> lbfont;  // room rule notes
    Control Imgwealth;              // wealth multiplier
    Control lbwealth;
    Control ImgShuffle;  // seat-change notice
    Control LblShuffle;

    TableWindow();

    // The card images of a screen position (0 the local hand).
    std::array<Control, 6>& CardImages(int position) {
        switch (position) {
            case 1:
                return cardImage1;
            case 2:
                return cardImage2;
            case 3:
                return cardImage3;
            default:
                return cardImage0;
        }
    }

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
        // Backgrounds first: at equal z-order the later control is in front.
        fn("Pic1", 0, w.Pic1);
        fn("Pic2", 0, w.Pic2);
        fn("imgDinglan", 0, w.imgDinglan);
        fn("imgDilan", 0, w.imgDilan);
        fn("imgLocation", 0, w.imgLocation);
        array("Sysmsg", w.Sysmsg);
        fn("Location", 0, w.Location);
        array("AnNiu", w.AnNiu);
        fn("WebBrowser1", 0, w.WebBrowser1);
        fn("WebBrowser2", 0, w.WebBrowser2);
        fn("Time_Img", 0, w.Time_Img);
        fn("Number", 0, w.Number);
        fn("imgword1", 0, w.imgword1);
        fn("imgword2", 0, w.imgword2);
        fn("Bank", 0, w.Bank);
        array("Tou", w.Tou);
        array("Nid", w.Nid);
        array("Cash", w.Cash);
        array("Level", w.Level);
        array("OK", w.OK);
        array("first", w.first);
        array("img_dizhu", w.img_dizhu);
        array("shanImage", w.shanImage);
        array("cardImage0", w.cardImage0);
        array("cardImage1", w.cardImage1);
        array("cardImage2", w.cardImage2);
        array("cardImage3", w.cardImage3);
        array("Speak", w.Speak);
        array("Operation", w.Operation);
        array("btnJiaofen", w.btnJiaofen);
        fn("jiaoPaiImg", 0, w.jiaoPaiImg);
        fn("jiaoTypeLb", 0, w.jiaoTypeLb);
        array("jiaoLb", w.jiaoLb);
        fn("NoSpeakImg", 0, w.NoSpeakImg);
        fn("Lbchat", 0, w.Lbchat);
        fn("Chat", 0, w.Chat);
        fn("Bird", 0, w.Bird);
        array("lbfont", w.lbfont);
        fn("Imgwealth", 0, w.Imgwealth);
        fn("lbwealth", 0, w.lbwealth);
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
        // Elements stored once; the layout creates their other indexes.
        for (auto* arr : {&Tou, &Nid, &Cash, &Level, &OK, &first})
            (*arr)[static_cast<std::size_t>(p)].created = p == 0;
        first[p].visible = false;
        img_dizhu[p].picture.bitmap = "marker";
        img_dizhu[p].Place(0, 0, 40, 40);
        img_dizhu[p].visible = false;
        Speak[p].visible = false;
    }
    for (std::size_t i = 1; i < AnNiu.size(); ++i)
        AnNiu[i].created = false;
    Time_Img.picture.bitmap = "clock";
    Number.fontSize = 14;
    Number.bold = true;
    Number.foreColor = kRed;

    Pic2.picture.bitmap = "table-small";
    Pic2.visible = false;
    imgDinglan.picture.bitmap = "top-bar";
    imgDinglan.Place(0, 0, 1024, 96);
    imgDilan.picture.bitmap = "bottom-bar";
    imgDilan.Place(0, 651, 1024, 117);
    imgLocation.picture.bitmap = "room-panel";
    imgword1.picture.resourceId = 516;
    imgword2.picture.resourceId = 517;
    Bank.picture.resourceId = 600;
    Bank.Place(698, 659, 55, 31);

    for (auto* arr : {&cardImage0, &cardImage1, &cardImage2, &cardImage3}) {
        for (std::size_t i = 0; i < arr->size(); ++i) {
            (*arr)[i].visible = false;
            (*arr)[i].created = i == 0;
        }
    }
    for (Control& fan : shanImage)
        fan.visible = false;
    for (Control& b : Operation) {
        b.kind = ControlKind::Button;
        b.visible = false;
        b.enabled = false;
    }
    for (std::size_t i = 0; i < btnJiaofen.size(); ++i) {
        btnJiaofen[i].kind = ControlKind::Button;
        btnJiaofen[i].visible = false;
        btnJiaofen[i].enabled = false;
        btnJiaofen[i].created = i == 0;
    }

    jiaoPaiImg.picture.bitmap = "declare-panel";
    jiaoTypeLb.kind = ControlKind::Label;
    jiaoTypeLb.foreColor = 0xFFFF80;
    jiaoTypeLb.bold = true;
    for (Control& l : jiaoLb) {
        l.kind = ControlKind::Label;
        l.foreColor = kWhite;
    }
    NoSpeakImg.picture.bitmap = "no-speak";
    NoSpeakImg.visible = false;

    Lbchat.kind = ControlKind::Label;
    Chat.kind = ControlKind::TextBox;
    Chat.transparent = false;
    for (Control& l : lbfont) {
        l.kind = ControlKind::Label;
        l.foreColor = 0xFFFF80;
        l.visible = false;
    }
    Imgwealth.picture.bitmap = "wealth";
    Imgwealth.Place(4, 517, 48, 48);
    Imgwealth.visible = false;
    lbwealth.kind = ControlKind::Label;
    lbwealth.foreColor = 0xFFD040;
    lbwealth.bold = true;
    lbwealth.caption = "1";
    lbwealth.visible = false;
    ImgShuffle.picture.bitmap = "shuffle";
    ImgShuffle.Place(422, 330, 180, 40);
    ImgShuffle.stretch = true;
    ImgShuffle.visible = false;
    LblShuffle.kind = ControlKind::Label;
    LblShuffle.caption = "正在进入游戏.......";
    LblShuffle.foreColor = kWhite;
    LblShuffle.fontSize = 11;
    LblShuffle.Place(440, 340, 170, 22);
    LblShuffle.visible = false;
}

}  // namespace vantry::ui
