#pragma once
// Picture resources: the tables through which the logic addresses pictures by
// their role, and setting a control's picture by resource id.

#include <array>

#include "ui/control.h"

namespace vantry::table {

struct PictureTables {
    std::array<int, 20> bottomBar{};  // AnNiu pictures: normal and hover of each button
};

// Fills the tables, choosing the small-screen pictures when scaleX is not 1.
void BuildPictureTables(PictureTables& tables, float scaleX);

// Gives the control the picture with this resource id. Returns false, leaving
// the control unchanged, when there is no such picture.
bool SetResourcePicture(ui::Control& control, int id);

}  // namespace vantry::table
