#pragma once
// Mouse input on the settlement board and the records board.

#include "app/client.h"
#include "ui/input.h"

namespace vantry::settle {

// The info file beside the executable.
std::string InfoFilePath(const app::Client& client);

// Handles input on the `Score` and `Hero` windows; false for other windows.
bool OnBoardMouse(app::Client& client, const ui::ControlRef& control, const ui::MouseEvent& event);

// Centres a tool window on the table window, shows it and brings it to the front.
void ShowCentred(const ui::Window& main, ui::Window& board);

// Fills the settlement board with deal n from the info file (deal 0 leaves it
// as it is), then centres and shows it.
void ShowRecordedDeal(app::Client& client, int n);

}  // namespace vantry::settle
