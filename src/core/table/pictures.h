#pragma once
// Picture resources: the tables through which the logic addresses pictures by
// their role, and setting a control's picture by resource id.

#include <array>
#include <cstdint>
#include <optional>

#include "ui/control.h"

namespace vantry::table {

// Resource ids by role. An entry of 0 names no picture.
struct PictureTables {
    // Index = picture code 16 * suit + rank (ranks 3..15, A = 14, 2 = 15);
    // 16 and 17 the small and big joker, 18 the card back.
    std::array<int, 64> card{};
    // One table per face-down hand on the table; index = card count - 1.
    std::array<std::array<int, 6>, 3> fan{};
    std::array<int, 20> bottomBar{};  // AnNiu pictures: normal and hover of each button
    // OK normal, OK hover, cancel normal, cancel hover, off, on, blue and green background.
    std::array<int, 8> dialogButtons{};
    // Play, hint, pass (normal, hover, disabled), then sort, previous trick,
    // restore (normal, hover).
    std::array<int, 15> operation{};
    std::array<int, 24> declaration{};    // normal and hover of each declaration kind
    std::array<int, 39> bubble{};         // three shapes of each speech-bubble word
    std::array<int, 20> avatar{};         // index = the player's picture index
    std::array<int, 4> ready{};           // ready marks
    std::array<int, 3> finishingPlace{};  // first, second, third place
    std::array<int, 3> passBubble{};      // one per screen position 1..3
};

// Fills the tables, choosing the small-screen pictures when scaleX is not 1.
void BuildPictureTables(PictureTables& tables, float scaleX);

// Whether the client carries a picture with this resource id.
bool LoadResourcePicture(int id);

// Gives the control the picture with this resource id. Returns false, leaving
// the control unchanged, when there is no such picture.
bool SetResourcePicture(ui::Control& control, int id);

// The declaration kind each declaration button offers, by button slot.
using ButtonActions = std::array<std::int16_t, 11>;

// Gives a declaration button its picture and records the kind it now offers;
// with a left position the button is also moved there. Returns false and
// changes nothing when the picture is missing or the slot is outside the table.
bool SetResourcePicture(ui::Control& control, int id, ButtonActions& actions, int slot,
                        std::int16_t kind, std::optional<int> left = std::nullopt);

}  // namespace vantry::table
