#pragma once
// Clicks on the bottom bar (send, chat, settings, hide, records, history,
// rules, exit), on the chat history switch, on the avatars, on the
// quick-phrase pictures and on the close strip of the illegal-play notice. The start/continue
// button is an action button (action_buttons.h).

#include "app/client.h"
#include "ui/input.h"

namespace vantry::table {

// A click on one of these controls; false for other events.
bool OnBottomBarClick(app::Client& client, const ui::ControlRef& control,
                      const ui::MouseEvent& event);

}  // namespace vantry::table
