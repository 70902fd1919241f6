#pragma once
// The start/continue button of the bottom bar and the play, hint, pass,
// sort, previous-trick and restore buttons of the table.

#include "app/client.h"
#include "ui/input.h"

namespace vantry::table {

// A click on `AnNiu(2)` or `Operation(0..5)`; false for other controls.
bool OnActionButton(app::Client& client, const ui::ControlRef& control,
                    const ui::MouseEvent& event);

}  // namespace vantry::table
