#pragma once
// What the bottom-bar buttons remember between clicks, and which buttons and
// pictures show their hover picture.

#include <array>

namespace vantry::table {

struct ButtonState {
    bool startDisabled = false;   // the start/continue button has been pressed
    bool localReady = false;      // the local player has said ready for the next deal
    bool startNotPressed = true;  // the start button has not been clicked since startup
};

// A button shows its hover picture from the first mouse movement over it
// until the mouse moves over the table or a bar behind it.
struct HoverState {
    std::array<bool, 9> AnNiu{};
    std::array<bool, 6> Operation{};
    bool Bank = false;
    bool imgword1 = false;
    bool imgword2 = false;
    // The declaration buttons share one record: at most one of them hovers.
    bool noDeclarationHovered = true;
    int declarationButton = 0;
    int declarationHoverPicture = 0;  // resource id; the normal picture is the id before it
};

}  // namespace vantry::table
