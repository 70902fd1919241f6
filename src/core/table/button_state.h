#pragma once
// What the bottom-bar buttons remember between clicks.

namespace vantry::table {

struct ButtonState {
    bool startDisabled = false;   // the start/continue button has been pressed
    bool localReady = false;      // the local player has said ready for the next deal
    bool startNotPressed = true;  // the start button has not been clicked since startup
};

}  // namespace vantry::table
