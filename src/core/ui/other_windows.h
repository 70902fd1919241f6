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

// The illegal-play notice `ChuPai`: one line on a stored background and a
// close strip at the top right. It is a window with two labels, so the code
// that only shows and hides it treats it as a plain window.
struct IllegalPlayWindow : Window {
    ZOrder zorder;
    Control Background;  // the picture stored with the window
    Control Label2;      // the notice text
    Control Label1;      // a click here closes the notice

    IllegalPlayWindow() {
        caption = "出牌非法";
        width = 178;
        height = 63;
        Background.picture.bitmap = "dialog-notice";
        Background.Place(0, 0, width, height);
        Label2.kind = ControlKind::Label;
        Label2.Place(24, 24, 139, 27);
        Label2.caption = "不符合规则！";
        Label2.foreColor = 0xFFFF00;
        Label2.bold = true;
        Label2.fontSize = 13;
        Label1.kind = ControlKind::Label;
        Label1.Place(136, 0, 41, 17);
        Label1.caption = "关闭";
        Label1.foreColor = 0xF0D070;
        Label1.toolTip = "关闭";
    }

    template <typename Fn>
    void ForEachControl(Fn&& fn) const {
        fn("Background", 0, Background);
        fn("Label2", 0, Label2);
        fn("Label1", 0, Label1);
    }
};

// The quick-phrase window `huifu`: two phrase lists lying on top of each
// other; the quick-phrase pictures of the table choose which one shows.
struct QuickPhraseWindow : Window {
    Control Label1;  // a click here hides the window
    Control List1;   // the user's own phrases
    Control List2;   // the voiced phrases

    QuickPhraseWindow() {
        width = 319;
        height = 180;
        opacity = 200;
        Label1.kind = ControlKind::Label;
        Label1.Place(8, 0, 305, 17);
        for (Control* list : {&List1, &List2}) {
            list->kind = ControlKind::List;
            list->Place(8, 16, 305, 156);
            list->backColor = 0xC0FFFF;
            list->transparent = false;
            list->fontSize = 14;
        }
        List2.toolTip = "双击后发送你想说的话";
        List2.visible = false;
    }

    // 1 or 2: the list that shows.
    int ShownList() const { return List2.visible ? 2 : 1; }
    void ShowList(int list) {
        List1.visible = list != 2;
        List2.visible = list == 2;
    }

    template <typename Fn>
    void ForEachControl(Fn&& fn) const {
        fn("Label1", 0, Label1);
        fn("List1", 0, List1);
        fn("List2", 0, List2);
    }
};

}  // namespace vantry::ui
