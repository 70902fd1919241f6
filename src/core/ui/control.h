#pragma once
// The windows and controls the logic drives, as plain data. The renderer maps
// them to widgets after every event; tests assert on them directly.

#include <cstdint>
#include <string>
#include <vector>

namespace vantry::ui {

// Colours are 0xRRGGBB.
using Color = std::uint32_t;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kGreen = 0x00FF00;
inline constexpr Color kRed = 0xFF0000;

// What a control shows as its picture: a picture resource by id, or one of
// the bitmaps stored with the windows by name. Both empty: no picture.
struct Picture {
    int resourceId = 0;
    std::string bitmap;
    bool Empty() const { return resourceId == 0 && bitmap.empty(); }
    friend bool operator==(const Picture&, const Picture&) = default;
};

enum class ControlKind { Image, Label, List, TextBox, Button };

struct Control {
    ControlKind kind = ControlKind::Image;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool enabled = true;
    bool created = true;  // false for array elements not loaded yet
    Picture picture;
    bool stretch = false;
    std::string caption;
    int fontSize = 9;
    bool bold = false;
    Color foreColor = kBlack;
    Color backColor = kWhite;
    bool transparent = true;  // no background fill
    std::string toolTip;
    std::vector<std::string> rows;  // list controls
    int selectedRow = -1;           // list controls: the selected row, -1 for none
    int topRow = 0;                 // list controls: the first row shown
    int z = 0;                      // larger is in front

    void Move(int l, int t) {
        left = l;
        top = t;
    }
    void Place(int l, int t, int w, int h) {
        left = l;
        top = t;
        width = w;
        height = h;
    }
};

struct Window {
    std::string caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    bool minimized = false;
    bool topmost = false;
    int opacity = 255;
    bool framed = false;  // draws its own chrome around the table
};

// Keeps the z-order stamps of one window increasing.
struct ZOrder {
    int next = 1;
    void BringToFront(Control& c) { c.z = next++; }
    void SendToBack(Control& c) { c.z = -(next++); }
};

}  // namespace vantry::ui
