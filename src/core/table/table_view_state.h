#pragma once
// What the table's presentation keeps between events besides the controls:
// the origin of the local hand, the previous-trick view, the seat-change
// notice, the sort order of the next sort click and the keyboard state.

#include <array>
#include <cstdint>

namespace vantry::table {

struct TableViewState {
    float handLeft = 250.0f;     // left of the local hand, scaled pixels
    std::int16_t handTop = 565;  // a card is raised when its top is above this

    // True while the table shows the current trick, false during the
    // two-second view of the previous one.
    bool showingCurrentTrick = true;

    int shuffleText = 0;  // the next of the four seat-change texts

    // The sort button applies the point sort next when set.
    bool pointSortNext = true;

    float wealthOffset = 100.0f;  // the wealth display sits this far above 617
    bool wealthActive = false;    // the room's wealth multiplier is in force

    // The declaration kind each declaration button offers.
    std::array<std::int16_t, 11> ButtonAction{};

    // Alt then C opens the chat history.
    bool altPressed = false;
    bool altThenC = false;

    // The automatic boss key: play time-outs in a row, and whether it is stopped.
    bool BossKeyStop = false;
    int timeoutsInARow = 0;

    // The exit confirmation shows its warning line while a deal runs.
    bool exitWarningShown = false;
};

}  // namespace vantry::table
