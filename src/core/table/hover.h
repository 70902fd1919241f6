#pragma once
// Hover pictures of the table's buttons and clickable pictures, their
// clearing when the mouse moves on over the table or a bar, and the player
// card that opens while the mouse rests on a seat.

#include "app/client.h"
#include "ui/input.h"

namespace vantry::table {

// The bottom-bar picture pair of `AnNiu(i)`: normal at 2 x pair, hover at
// 2 x pair + 1. The start/continue button takes the start pair until the
// first deal or the first click.
int BottomBarPair(const app::Client& client, int i);

// Mouse movement over the table window; false for other events.
bool OnHoverMouse(app::Client& client, const ui::ControlRef& control, const ui::MouseEvent& event);

}  // namespace vantry::table
